#include "device/DeviceVersions.h"

#include <cstdio>

namespace Tessera {

int VersionNumberOfRelease(int releaseNumber)
{
    char hex[16];
    std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(releaseNumber) & 0xFFFFu);
    int value = 0;
    for (char const* c = hex; *c >= '0' && *c <= '9'; ++c)
        value = value * 10 + (*c - '0');
    return value;
}

int GetFirmwareVersionNumber(HidDeviceManager const& manager)
{
    int release = 0;
    return manager.GetFirmwareVersion(release) ? VersionNumberOfRelease(release) : -1;
}

int GetDongleVersionNumber(HidDeviceManager const& manager)
{
    int release = 0;
    return manager.GetDongleVersion(release) ? VersionNumberOfRelease(release) : -1;
}

std::wstring GetFirmwareVersionText(HidDeviceManager const& manager)
{
    return std::to_wstring(GetFirmwareVersionNumber(manager));
}

std::wstring GetDongleVersionText(HidDeviceManager const& manager)
{
    return std::to_wstring(GetDongleVersionNumber(manager));
}

}
