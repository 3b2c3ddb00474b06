#pragma once

#include "config/DeviceModel.h"

#include <optional>
#include <string>
#include <vector>

namespace Tessera {

// config.xml in the program folder: the product name, the supported keyboard
// models with their connection modes, the version text and the addresses the
// program links to. The program only reads it.

// Receives one row per keyboard model, for the device selector of the main
// window. Implemented by the window; called on the thread that reads the file.
class DeviceListSink {
public:
    virtual ~DeviceListSink() = default;
    virtual void AddDevice(std::wstring const& name, int deviceType) = 0;
};

// Receives one row per connection mode, for the device link's table of
// supported devices. Implemented by the device link.
class SupportedDeviceSink {
public:
    virtual ~SupportedDeviceSink() = default;
    virtual void AddSupportedDevice(int vid, int pid, int rev, std::wstring const& productName, int deviceType,
        int mode, std::wstring const& hidInterface)
        = 0;
};

// Everything the main read finds. Lists are in file order; absent texts are
// empty and absent numbers 0.
struct DescriptionFile {
    bool loaded { false };               // the file loaded and has a "config" root
    std::vector<DeviceModel> models;      // one per keyboard element
    std::vector<DeviceModel> connections; // one per mode element
    std::wstring version;
    std::wstring website;
    std::wstring store;
    std::wstring upgrade; // TESSERA_UPGRADE_URL, when set and not empty, replaces it
    std::wstring copyright;
};

// "<folder>/config.xml" for the program folder without a trailing separator.
std::wstring DescriptionFilePath(std::wstring const& appFolder);

// Start-up read: the name attribute of config → software. std::nullopt when
// the file, the root or the element is missing, and for a name that cannot
// name a folder (empty, "." or "..", or holding '/' or control characters).
std::optional<std::wstring> ReadSoftwareName(std::wstring const& path);

// Main read. Every keyboard goes to `devices` and every mode to `supported`
// as it is read (either may be null). A missing or malformed file gives an
// empty result with `loaded` false; nothing is thrown.
DescriptionFile ReadDescriptionFile(std::wstring const& path, DeviceListSink* devices, SupportedDeviceSink* supported);

// The version caption of the main window: "Ver: " and the version text.
std::wstring VersionCaption(std::wstring const& version);

// Number conversions of the file: decimal for device_type and value,
// hexadecimal with or without "0x" for vid, pid and rev. Leading blanks are
// skipped, reading stops at the first character that does not belong to the
// number, and text without a number gives 0; results are clamped to int.
int ParseDecimal(std::wstring const& text);
int ParseHexadecimal(std::wstring const& text);

}
