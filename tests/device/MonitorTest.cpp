// Interface names from every source, and the emulator's event stream.
#include "platform/DeviceMonitor.h"
#include "platform/DeviceMonitorName.h"

#include <gtest/gtest.h>
#include <test_support/TempDir.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>

using namespace Tessera;

TEST(InterfaceName, BuiltTheSameWayForEveryBus)
{
    struct Case {
        HidInterfaceIdentity identity;
        char const* expected;
    };
    Case const cases[] = {
        { { HidBus::Usb, 0x320F, 0x5055, 2, "/dev/hidraw3" }, "HID#VID_320F&PID_5055&MI_02#/dev/hidraw3" },
        { { HidBus::Usb, 0x320f, 0x50aa, 3, "/dev/hidraw4" }, "HID#VID_320F&PID_50AA&MI_03#/dev/hidraw4" },
        { { HidBus::Usb, 0x320F, 0x5055, -1, "x" }, "HID#VID_320F&PID_5055#x" },
        { { HidBus::Bluetooth, 0x320F, 0x5055, 0, "/dev/hidraw5" },
            "HID#{00001812-0000-1000-8000-00805f9b34fb}_DEV_VID&02320F_PID&5055#/dev/hidraw5" },
        { { HidBus::Other, 0x320F, 0x5055, 1, "/dev/hidraw6" }, "HID#VID_320F&PID_5055#/dev/hidraw6" },
    };
    for (auto const& c : cases)
        EXPECT_EQ(BuildHidInterfaceName(c.identity), c.expected);
}

TEST(InterfaceName, ReadFromHidrawDevicePath)
{
    auto usb = ParseHidrawDevpath("/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2.4/1-2.4:1.2/0003:320F:5055.0007/hidraw/hidraw3", "/dev/hidraw3");
    ASSERT_TRUE(usb);
    EXPECT_EQ(BuildHidInterfaceName(*usb), "HID#VID_320F&PID_5055&MI_02#/dev/hidraw3");

    auto bluetooth = ParseHidrawDevpath("/devices/virtual/misc/uhid/0005:320F:5055.0009/hidraw/hidraw5", "/dev/hidraw5");
    ASSERT_TRUE(bluetooth);
    EXPECT_EQ(bluetooth->bus, HidBus::Bluetooth);
    EXPECT_NE(BuildHidInterfaceName(*bluetooth).find("{00001812-0000-1000-8000-00805f9b34fb}"), std::string::npos);

    EXPECT_FALSE(ParseHidrawDevpath("/devices/virtual/misc/hidraw/hidraw1", "/dev/hidraw1"));
    EXPECT_FALSE(ParseHidrawDevpath("/devices/0003:32G0:5055.0007/hidraw/hidraw3", "/dev/hidraw3"));
}

TEST(EmulatorEventLine, ParsedIntoTheSameInterfaceName)
{
    auto add = ParseEmulatorEventLine("add usb 320F 5055 2 emu:/cable/2\n");
    ASSERT_TRUE(add);
    EXPECT_EQ(add->kind, DeviceChangeKind::Arrival);
    EXPECT_EQ(add->path, "emu:/cable/2");
    EXPECT_EQ(add->interfaceName, "HID#VID_320F&PID_5055&MI_02#emu:/cable/2");

    auto remove = ParseEmulatorEventLine("remove bluetooth 320F 5055 0 emu:/bt/0");
    ASSERT_TRUE(remove);
    EXPECT_EQ(remove->kind, DeviceChangeKind::Removal);
    EXPECT_EQ(remove->interfaceName, "HID#{00001812-0000-1000-8000-00805f9b34fb}_DEV_VID&02320F_PID&5055#emu:/bt/0");

    auto spaced = ParseEmulatorEventLine("add usb 320F 5055 2 /tmp/emu dir/x");
    ASSERT_TRUE(spaced);
    EXPECT_EQ(spaced->path, "/tmp/emu dir/x");

    for (char const* bad : { "", "add usb 320F 5055 2", "plug usb 320F 5055 2 p", "add serial 320F 5055 2 p",
             "add usb 320 5055 2 p", "add usb 320F 50G5 2 p", "add usb 320F 5055 x p" }) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(ParseEmulatorEventLine(bad));
    }
}

namespace {

// A stand-in for the emulator daemon's socket: accepts one client, checks
// its "watch" line and sends what the test gives it.
class FakeDaemon {
public:
    explicit FakeDaemon(std::string path)
        : m_path(std::move(path))
    {
        m_listen = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, m_path.c_str(), sizeof address.sun_path - 1);
        bind(m_listen, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(m_listen, 1);
    }
    ~FakeDaemon()
    {
        if (m_client >= 0)
            close(m_client);
        close(m_listen);
    }

    std::string AcceptAndReadWatch()
    {
        if (m_client >= 0)
            close(m_client);
        m_client = accept(m_listen, nullptr, nullptr);
        std::string line;
        char c;
        while (recv(m_client, &c, 1, 0) == 1 && c != '\n')
            line.push_back(c);
        return line;
    }

    void Send(std::string const& text) { send(m_client, text.data(), text.size(), MSG_NOSIGNAL); }

private:
    std::string m_path;
    int m_listen { -1 };
    int m_client { -1 };
};

}

TEST(EmulatorDeviceMonitor, DeliversEventLinesThroughTheCallback)
{
    TestSupport::TempDir dir;
    auto const path = (dir / "emulator.sock").string();
    FakeDaemon daemon(path);

    std::mutex mutex;
    std::condition_variable changed;
    std::vector<DeviceChangeEvent> events;
    auto monitor = CreateEmulatorDeviceMonitor(path);
    ASSERT_TRUE(monitor->Start([&](DeviceChangeEvent const& event) {
        std::lock_guard lock(mutex);
        events.push_back(event);
        changed.notify_all();
    }));
    EXPECT_EQ(daemon.AcceptAndReadWatch(), "watch");
    // Split across writes, with a malformed line in between.
    daemon.Send("add usb 320F 5055 2 emu:/cable/2\nnonsense\nremove usb 32");
    daemon.Send("0F 5088 2 emu:/receiver/2\n");

    std::unique_lock lock(mutex);
    ASSERT_TRUE(changed.wait_for(lock, std::chrono::seconds(5), [&] { return events.size() == 2; }));
    EXPECT_EQ(events[0].kind, DeviceChangeKind::Arrival);
    EXPECT_EQ(events[0].interfaceName, "HID#VID_320F&PID_5055&MI_02#emu:/cable/2");
    EXPECT_EQ(events[1].kind, DeviceChangeKind::Removal);
    EXPECT_EQ(events[1].interfaceName, "HID#VID_320F&PID_5088&MI_02#emu:/receiver/2");
    lock.unlock();
    monitor->Stop();
}

TEST(EmulatorDeviceMonitor, FollowsTheDaemonAgainAfterAStop)
{
    TestSupport::TempDir dir;
    auto const path = (dir / "emulator.sock").string();
    FakeDaemon daemon(path);
    auto monitor = CreateEmulatorDeviceMonitor(path);
    ASSERT_TRUE(monitor->Start([](DeviceChangeEvent const&) { }));
    EXPECT_EQ(daemon.AcceptAndReadWatch(), "watch");
    monitor->Stop();

    std::mutex mutex;
    std::condition_variable changed;
    int arrivals = 0;
    ASSERT_TRUE(monitor->Start([&](DeviceChangeEvent const&) {
        std::lock_guard lock(mutex);
        ++arrivals;
        changed.notify_all();
    }));
    EXPECT_EQ(daemon.AcceptAndReadWatch(), "watch");
    daemon.Send("add usb 320F 5055 2 emu:/cable/2\n");
    std::unique_lock lock(mutex);
    EXPECT_TRUE(changed.wait_for(lock, std::chrono::seconds(5), [&] { return arrivals == 1; }));
    lock.unlock();
    monitor->Stop();
}

TEST(EmulatorDeviceMonitor, StartFailsWithoutDaemon)
{
    TestSupport::TempDir dir;
    auto monitor = CreateEmulatorDeviceMonitor((dir / "missing.sock").string());
    EXPECT_FALSE(monitor->Start([](DeviceChangeEvent const&) { }));
}

TEST(UdevDeviceMonitor, StopReturnsWhetherOrNotStartReachedUdev)
{
    auto monitor = CreateUdevDeviceMonitor();
    // Containers may refuse the netlink socket; either way Stop must not hang.
    monitor->Start([](DeviceChangeEvent const&) { });
    monitor->Stop();
    monitor->Stop();
}
