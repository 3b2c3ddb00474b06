#include "platform/DeviceMonitor.h"
#include "platform/DeviceMonitorName.h"
#include "platform/DeviceMonitorThread.h"

#include <libudev.h>
#include <poll.h>

#include <cstring>

namespace Tessera {

namespace {

// Listens to udev's netlink broadcasts for hidraw nodes. The interface name
// is built from the event's device path, which a removal still carries
// although the device's sysfs attributes are already gone.
class UdevDeviceMonitor final : public DeviceMonitor {
public:
    ~UdevDeviceMonitor() override
    {
        Stop();
        if (m_monitor != nullptr)
            udev_monitor_unref(m_monitor);
        if (m_udev != nullptr)
            udev_unref(m_udev);
    }

    bool Start(DeviceChangeCallback callback) override
    {
        if (m_thread.IsRunning() || !m_thread.IsValid())
            return false;
        m_udev = udev_new();
        if (m_udev == nullptr)
            return false;
        m_monitor = udev_monitor_new_from_netlink(m_udev, "udev");
        if (m_monitor == nullptr)
            return false;
        if (udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "hidraw", nullptr) < 0
            || udev_monitor_enable_receiving(m_monitor) < 0)
            return false;
        m_callback = std::move(callback);
        return m_thread.Start([this] { Run(); });
    }

    void Stop() override { m_thread.Stop(); }

private:
    void Run()
    {
        pollfd fds[2] = { { udev_monitor_get_fd(m_monitor), POLLIN, 0 }, { m_thread.WakeFd(), POLLIN, 0 } };
        while (true) {
            if (poll(fds, 2, -1) < 0)
                continue;
            if (fds[1].revents != 0)
                return;
            if ((fds[0].revents & POLLIN) != 0)
                Receive();
        }
    }

    void Receive()
    {
        udev_device* device = udev_monitor_receive_device(m_monitor);
        if (device == nullptr)
            return;
        char const* action = udev_device_get_action(device);
        char const* devpath = udev_device_get_devpath(device);
        char const* devnode = udev_device_get_devnode(device);
        if (action != nullptr && devpath != nullptr) {
            bool const arrival = std::strcmp(action, "add") == 0;
            bool const removal = std::strcmp(action, "remove") == 0;
            auto identity = ParseHidrawDevpath(devpath, devnode != nullptr ? devnode : "");
            if ((arrival || removal) && identity) {
                DeviceChangeEvent event;
                event.kind = arrival ? DeviceChangeKind::Arrival : DeviceChangeKind::Removal;
                event.interfaceName = BuildHidInterfaceName(*identity);
                event.path = identity->path;
                m_callback(event);
            }
        }
        udev_device_unref(device);
    }

    udev* m_udev { nullptr };
    udev_monitor* m_monitor { nullptr };
    DeviceChangeCallback m_callback;
    DeviceMonitorThread m_thread;
};

}

std::unique_ptr<DeviceMonitor> CreateUdevDeviceMonitor()
{
    return std::make_unique<UdevDeviceMonitor>();
}

}
