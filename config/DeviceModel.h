#pragma once

#include <string>

namespace Tessera {

// Connection modes of a keyboard.
enum ConnectionMode : int {
    kConnectionNone = -1,
    kConnectionCable = 0,
    kConnectionReceiver = 2,
};

// One keyboard model, or one connection mode of a model, from config.xml.
// A model record fills name (the model name), deviceType and deviceInfo only.
// A connection record takes name from the mode's product string and carries the
// enclosing model's deviceType and deviceInfo; discovery sets `present`.
struct DeviceModel {
    std::wstring name;
    int deviceType { 0 };
    std::wstring deviceInfo;
    int mode { 0 };
    int vid { 0 };
    int pid { 0 };
    int rev { 0 };
    std::wstring desc;
    std::wstring reserved;
    std::wstring hidInterface;
    bool present { false };
};

}
