#include "platform/DeviceMonitor.h"

#include <cstdlib>

namespace Tessera {

std::unique_ptr<DeviceMonitor> CreateDeviceMonitor()
{
    char const* socketPath = std::getenv("TESSERA_EMULATOR_SOCKET");
    if (socketPath != nullptr && *socketPath != '\0')
        return CreateEmulatorDeviceMonitor(socketPath);
    return CreateUdevDeviceMonitor();
}

}
