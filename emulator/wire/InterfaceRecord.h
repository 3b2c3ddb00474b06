#pragma once

#include <optional>
#include <string>

namespace Tessera::Emulator {

// One enumerated HID interface as it crosses the socket: the fields hid_enumerate reports.
struct InterfaceRecord {
    std::string path;
    unsigned vid { 0 };
    unsigned pid { 0 };
    unsigned release { 0 };
    unsigned usagePage { 0 };
    unsigned usage { 0 };
    int interfaceNumber { 0 };
    bool bluetooth { false };
    std::string manufacturer;
    std::string product;
    std::string serial;
};

// Tab-separated text of a record (tabs and line breaks inside texts become spaces).
std::string encode_record(InterfaceRecord const& record);
std::optional<InterfaceRecord> decode_record(std::string const& text);

}
