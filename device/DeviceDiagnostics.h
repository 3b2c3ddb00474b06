#pragma once

#include "config/DeviceModel.h"
#include "device/HidDeviceManager.h"

#include <ostream>
#include <vector>

namespace Tessera {

// Runs one discovery pass with the connection-mode records of the
// description file and prints what it found: every opened interface, the
// modes found connected, the connection mode and the versions. Uses the
// process-wide transport. Returns 0, or 1 when the HID library could not be
// loaded (the report then says why).
int PrintDiscoveredDevices(std::ostream& out, std::vector<DeviceModel> const& connections);
// The same with a given transport (tests).
int PrintDiscoveredDevices(std::ostream& out, std::vector<DeviceModel> const& connections, HidDeviceManager& manager);

}
