#pragma once

#include "device/HidDeviceManager.h"

#include <string>

namespace Tessera {

// A release number written in hexadecimal digits and read back as a decimal
// number, the way version texts of the update server compare: 0x0105 → 105.
// Reading stops at the first digit A-F; 0x0210 → 210.
int VersionNumberOfRelease(int releaseNumber);

// The keyboard's firmware version (cable interface first, then mode 1, then
// the receiver interface) and the receiver's; -1 when none is open.
int GetFirmwareVersionNumber(HidDeviceManager const& manager);
int GetDongleVersionNumber(HidDeviceManager const& manager);
std::wstring GetFirmwareVersionText(HidDeviceManager const& manager);
std::wstring GetDongleVersionText(HidDeviceManager const& manager);

}
