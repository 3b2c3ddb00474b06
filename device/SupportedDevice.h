#pragma once

#include <string>

namespace Tessera {

// One row of the supported-device table, one per connection mode of a
// keyboard in the description file.
struct SupportedDevice {
    int vid { 0 };
    int pid { 0 };
    int rev { 0 };               // as configured; not compared
    std::wstring productName;    // when not empty, must equal the interface's product string
    int deviceType { 0 };        // model code, selects the protocol family
    int mode { 0 };              // 0 cable, 2 receiver (1 accepted as a further kind)
    std::wstring hidInterface;   // text looked for in interface names on arrival and removal
};

}
