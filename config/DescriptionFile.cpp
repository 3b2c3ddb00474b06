#include "config/DescriptionFile.h"

#include "config/XmlDocument.h"
#include "config/XmlEncoding.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cwchar>

namespace Tessera {

namespace {

int Clamped(long value)
{
    return static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX));
}

DeviceModel ReadKeyboard(XmlDocument& xml)
{
    DeviceModel model;
    model.name = xml.GetAttribute(L"name");
    model.deviceType = ParseDecimal(xml.GetAttribute(L"device_type"));
    model.deviceInfo = xml.GetAttribute(L"device_info");
    return model;
}

DeviceModel ReadMode(XmlDocument& xml, DeviceModel const& keyboard)
{
    DeviceModel mode;
    mode.name = xml.GetAttribute(L"product_name");
    mode.deviceType = keyboard.deviceType;
    mode.deviceInfo = keyboard.deviceInfo;
    mode.mode = ParseDecimal(xml.GetAttribute(L"value"));
    mode.vid = ParseHexadecimal(xml.GetAttribute(L"vid"));
    mode.pid = ParseHexadecimal(xml.GetAttribute(L"pid"));
    mode.rev = ParseHexadecimal(xml.GetAttribute(L"rev"));
    mode.desc = xml.GetAttribute(L"desc");
    mode.hidInterface = xml.GetAttribute(L"hid_interface");
    return mode;
}

void ReadModels(XmlDocument& xml, DescriptionFile& result, DeviceListSink* devices, SupportedDeviceSink* supported)
{
    if (!xml.FindElement(L"device.info") || !xml.IntoElement())
        return;
    while (xml.FindElement(L"keyboard")) {
        DeviceModel keyboard = ReadKeyboard(xml);
        result.models.push_back(keyboard);
        if (devices)
            devices->AddDevice(keyboard.name, keyboard.deviceType);
        xml.IntoElement();
        while (xml.FindElement(L"mode")) {
            DeviceModel mode = ReadMode(xml, keyboard);
            result.connections.push_back(mode);
            if (supported) {
                supported->AddSupportedDevice(
                    mode.vid, mode.pid, mode.rev, mode.name, mode.deviceType, mode.mode, mode.hidInterface);
            }
        }
        xml.OutOfElement();
    }
    xml.OutOfElement();
}

// Looks for `software` after device.info; its links are searched in this
// order, each search continuing after the element found before.
void ReadSoftware(XmlDocument& xml, DescriptionFile& result)
{
    if (!xml.FindElement(L"software"))
        return;
    result.version = xml.GetAttribute(L"version");
    xml.IntoElement();
    if (xml.FindElement(L"website"))
        result.website = xml.GetAttribute(L"url");
    if (xml.FindElement(L"store"))
        result.store = xml.GetAttribute(L"url");
    if (xml.FindElement(L"upgrade"))
        result.upgrade = xml.GetAttribute(L"url");
    if (xml.FindElement(L"copyright"))
        result.copyright = xml.GetAttribute(L"info");
    xml.OutOfElement();
}

// The name becomes a folder and file name (settings, data folder, lock), so a
// name that is empty or could leave its parent folder keeps the default.
bool IsUsableName(std::wstring const& name)
{
    if (name.empty() || name == L"." || name == L"..")
        return false;
    return std::none_of(name.begin(), name.end(), [](wchar_t c) { return c == L'/' || c < 0x20; });
}

void ApplyUpgradeOverride(DescriptionFile& result)
{
    char const* overridden = std::getenv("TESSERA_UPGRADE_URL");
    if (!overridden || !*overridden)
        return;
    if (auto url = Utf8ToWide(overridden))
        result.upgrade = *url;
}

}

std::wstring DescriptionFilePath(std::wstring const& appFolder) { return appFolder + L"/config.xml"; }

std::optional<std::wstring> ReadSoftwareName(std::wstring const& path)
{
    XmlDocument xml;
    if (!xml.LoadFile(path) || !xml.FindElement(L"config") || !xml.IntoElement() || !xml.FindElement(L"software"))
        return std::nullopt;
    std::wstring name = xml.GetAttribute(L"name");
    if (!IsUsableName(name))
        return std::nullopt;
    return name;
}

DescriptionFile ReadDescriptionFile(std::wstring const& path, DeviceListSink* devices, SupportedDeviceSink* supported)
{
    DescriptionFile result;
    XmlDocument xml;
    if (xml.LoadFile(path) && xml.FindElement(L"config") && xml.IntoElement()) {
        result.loaded = true;
        ReadModels(xml, result, devices, supported);
        ReadSoftware(xml, result);
    }
    ApplyUpgradeOverride(result);
    return result;
}

std::wstring VersionCaption(std::wstring const& version) { return L"Ver: " + version; }

int ParseDecimal(std::wstring const& text) { return Clamped(std::wcstol(text.c_str(), nullptr, 10)); }

int ParseHexadecimal(std::wstring const& text) { return Clamped(std::wcstol(text.c_str(), nullptr, 16)); }

}
