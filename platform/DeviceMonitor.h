#pragma once

#include <functional>
#include <memory>
#include <string>

namespace Tessera {

// Arrival or removal of one HID interface, as the device monitor reports it.
enum class DeviceChangeKind {
    Arrival,
    Removal,
};

// `interfaceName` has the form "HID#VID_320F&PID_5055&MI_02#<path>" (see
// DeviceMonitorName.h); `path` is the interface's hidapi path.
struct DeviceChangeEvent {
    DeviceChangeKind kind { DeviceChangeKind::Arrival };
    std::string interfaceName;
    std::string path;
};

// Called on the monitor's own thread; the consumer hands the event over to
// its own thread (the main window queues discovery tasks).
using DeviceChangeCallback = std::function<void(DeviceChangeEvent const&)>;

// Watches HID interfaces coming and going. One implementation listens to the
// kernel's device manager (udev, subsystem hidraw), another to the keyboard
// emulator's daemon. Both deliver the same events through one callback type.
class DeviceMonitor {
public:
    virtual ~DeviceMonitor() = default;

    // Starts watching on a thread of the monitor; false when the source
    // cannot be reached (no events will come). Call once.
    virtual bool Start(DeviceChangeCallback callback) = 0;
    // Stops the thread and waits for it; no callback runs after it returns.
    // Also done by the destructor.
    virtual void Stop() = 0;
};

// The udev monitor, or the emulator monitor when the environment variable
// TESSERA_EMULATOR_SOCKET names the emulator daemon's Unix socket.
std::unique_ptr<DeviceMonitor> CreateDeviceMonitor();
std::unique_ptr<DeviceMonitor> CreateUdevDeviceMonitor();
// Connects to `socketPath`, sends "watch\n" and reads lines
// "add|remove <usb|bluetooth> <vid> <pid> <interface> <path>\n".
// Reconnects once a second while the daemon is away.
std::unique_ptr<DeviceMonitor> CreateEmulatorDeviceMonitor(std::string socketPath);

}
