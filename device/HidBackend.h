#pragma once

#include <hidapi/hidapi.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace Tessera {

// One HID interface as enumeration lists it (a copy; nothing points into the
// HID library's own list).
struct HidInterfaceInfo {
    std::string path;
    std::uint16_t vid { 0 };
    std::uint16_t pid { 0 };
    std::uint16_t releaseNumber { 0 };
    std::uint16_t usagePage { 0 };
    std::uint16_t usage { 0 };
    int interfaceNumber { -1 };
    hid_bus_type busType { HID_API_BUS_UNKNOWN };
    std::wstring productString;
};

// The hidapi calls that the transport makes. The real one is the HID library
// loaded at run time; tests put a scripted double in its place. Return values
// follow hidapi: byte counts, or -1 on failure. Handles are opaque and stay
// owned by whoever opened them until Close.
class HidBackend {
public:
    virtual ~HidBackend() = default;

    virtual std::vector<HidInterfaceInfo> Enumerate() = 0;
    virtual hid_device* OpenPath(std::string const& path) = 0;
    virtual void Close(hid_device* device) = 0;
    virtual int Write(hid_device* device, std::uint8_t const* data, std::size_t length) = 0;
    virtual int ReadTimeout(hid_device* device, std::uint8_t* data, std::size_t length, int milliseconds) = 0;
    virtual int SendFeatureReport(hid_device* device, std::uint8_t const* data, std::size_t length) = 0;
    virtual int GetFeatureReport(hid_device* device, std::uint8_t* data, std::size_t length) = 0;
};

// Loads the HID library named by the environment variable TESSERA_HIDAPI, or
// else "libhidapi-hidraw.so.0", and initialises it. When loading, a symbol or
// the initialisation fails, the result is a backend that finds no interfaces.
// `error` (optional) receives the reason.
std::unique_ptr<HidBackend> LoadHidBackend(std::string* error = nullptr);
// The same for an explicit library file name.
std::unique_ptr<HidBackend> LoadHidBackendFrom(std::string const& library, std::string* error = nullptr);
// A backend without any interface.
std::unique_ptr<HidBackend> CreateEmptyHidBackend();

}
