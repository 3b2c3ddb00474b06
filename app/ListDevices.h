#pragma once

#include <string>

namespace Tessera {

// `tessera --list-devices`: prints the HID interfaces that device discovery
// sees and which configured mode each matches. Returns the exit code.
int ListDevices(std::wstring const& appFolder);

}
