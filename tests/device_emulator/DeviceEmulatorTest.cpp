// The device link against the keyboard emulator through the real hidapi ABI:
// the emulator's HID library is loaded the way the program loads it, and its
// daemon's device events come through the program's device monitor.
#include "EmulatorLink.h"
#include "RecordingDoubles.h"
#include "config/DescriptionFile.h"
#include "device/DeviceDiagnostics.h"
#include "device/DeviceDiscovery.h"
#include "device/DeviceStatus.h"
#include "device/SettingsCommands.h"

#include <gtest/gtest.h>
#include <test_support/Paths.h>
#include <test_support/ScopedEnv.h>
#include <test_support/TempDir.h>

#include <chrono>
#include <condition_variable>
#include <optional>
#include <sstream>
#include <thread>

using namespace Tessera;
using namespace DeviceTest;
using DeviceEmulatorTest::EmulatorLink;

namespace {

constexpr int kWorkerIdleMs = 16;

// Runs the discovery pass directly, as the worker does for the status poll.
struct CountedDiscovery final : DiscoveryTrigger {
    explicit CountedDiscovery(DeviceDiscovery& discovery)
        : discovery(discovery)
    {
    }
    void RunDiscovery() override
    {
        ++passes;
        discovery.RunDiscovery();
    }
    DeviceDiscovery& discovery;
    int passes { 0 };
};

}

class DeviceEmulator : public ::testing::Test, protected EmulatorLink {
protected:
    void Start(std::vector<std::string> const& daemonOptions)
    {
        ASSERT_TRUE(StartEmulator(daemonOptions));
        discovery = std::make_unique<DeviceDiscovery>(*manager, screen, tasks);
        auto const connections = ShippedConnections();
        ASSERT_FALSE(connections.empty());
        discovery->RegisterConnectionModes(connections);
    }

    // Idle passes of the worker until a discovery pass ran or `limitMs` passed;
    // the time it took.
    std::chrono::milliseconds PollUntilDiscovery(DeviceStatus& status, CountedDiscovery& passes, int limitMs)
    {
        auto const start = std::chrono::steady_clock::now();
        auto elapsed = [&] { return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start); };
        while (passes.passes == 0 && elapsed().count() < limitMs) {
            status.PollStatus();
            std::this_thread::sleep_for(std::chrono::milliseconds(kWorkerIdleMs));
        }
        return elapsed();
    }

    RecordingScreen screen;
    RecordingTasks tasks;
    RecordingBattery battery;
    std::unique_ptr<DeviceDiscovery> discovery;
};

TEST_F(DeviceEmulator, CableIsPreferredOverReceiver)
{
    Start({ "--model", "301", "--cable", "--receiver" });
    discovery->RunDiscovery();

    auto& link = discovery->LinkState();
    EXPECT_TRUE(link.anyDevice);
    EXPECT_TRUE(link.keyboardLinked);
    EXPECT_EQ(link.connectionMode, 0);
    EXPECT_EQ(manager->CurrentDeviceType(), 301);
    EXPECT_EQ(tasks.Tasks(), (std::vector<int> { 15, 16, 5 }));
    EXPECT_TRUE(manager->HasAuxInterface());
    auto const entries = manager->CollectEntries();
    ASSERT_EQ(entries.size(), 2u);
    for (auto const& entry : entries)
        EXPECT_TRUE(entry.online) << entry.interfaceName;

    // A command reaches the keyboard over the cable, not the receiver.
    ASSERT_TRUE(emulator->Control({ "trace", "clear" }));
    EXPECT_TRUE(SetSleepTime(*manager, 2));
    auto const trace = emulator->ControlOutput({ "trace" });
    ASSERT_TRUE(trace);
    std::istringstream lines(*trace);
    int sleepTimeWrites = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line.find(" write ") == std::string::npos || line.find("aa55cc330c02") == std::string::npos)
            continue;
        ++sleepTimeWrites;
        EXPECT_NE(line.find("PID_4015&MI_02"), std::string::npos) << line;
    }
    EXPECT_EQ(sleepTimeWrites, 1) << *trace;
    DeviceStatus status(*manager, SystemDeviceClock(), link, battery, *discovery);
    EXPECT_TRUE(status.QueryBattery());
    ASSERT_FALSE(battery.levels.empty());
}

TEST_F(DeviceEmulator, ReceiverAloneWithKeyboardOffShowsTheHiddenState)
{
    Start({ "--model", "301", "--receiver", "--off" });
    discovery->RunDiscovery();

    auto& link = discovery->LinkState();
    EXPECT_TRUE(link.anyDevice);
    EXPECT_FALSE(link.keyboardLinked);
    EXPECT_EQ(link.connectionMode, -1);
    EXPECT_TRUE(tasks.Tasks().empty());
    auto const calls = screen.Calls();
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls[calls.size() - 3], "SetStatusTitle 61");
    EXPECT_EQ(calls[calls.size() - 2], "ShowHidden");
}

TEST_F(DeviceEmulator, UnsolicitedLinkZeroTriggersDiscoveryWithoutWaitingForTheQuery)
{
    Start({ "--model", "301", "--receiver" });
    discovery->RunDiscovery();
    ASSERT_EQ(discovery->LinkState().connectionMode, 2);

    CountedDiscovery passes(*discovery);
    DeviceStatus status(*manager, SystemDeviceClock(), discovery->LinkState(), battery, passes);
    status.PollStatus();
    ASSERT_TRUE(emulator->Control({ "power", "off" }));

    auto const took = PollUntilDiscovery(status, passes, 8000);
    EXPECT_EQ(passes.passes, 1);
    EXPECT_LT(took.count(), 2000);
    EXPECT_FALSE(discovery->LinkState().keyboardLinked);
    EXPECT_EQ(discovery->LinkState().connectionMode, -1);
}

TEST_F(DeviceEmulator, KeyboardThatStopsAnsweringIsFoundWithinAboutSixSeconds)
{
    Start({ "--model", "301", "--cable" });
    discovery->RunDiscovery();
    ASSERT_EQ(discovery->LinkState().connectionMode, 0);

    CountedDiscovery passes(*discovery);
    DeviceStatus status(*manager, SystemDeviceClock(), discovery->LinkState(), battery, passes);
    status.PollStatus();
    ASSERT_TRUE(emulator->Control({ "fault", "drop-replies", "all" }));

    auto const took = PollUntilDiscovery(status, passes, 10000);
    EXPECT_EQ(passes.passes, 1);
    EXPECT_GE(took.count(), 4500);
    EXPECT_LE(took.count(), 6500);
}

TEST_F(DeviceEmulator, UnrelatedOrBluetoothArrivalCausesNoPass)
{
    Start({ "--model", "301" });
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::string> names;
    auto monitor = CreateDeviceMonitor(); // the emulator's, through TESSERA_EMULATOR_SOCKET
    ASSERT_TRUE(monitor->Start([&](DeviceChangeEvent const& event) {
        discovery->OnDeviceChange(event);
        std::lock_guard lock(mutex);
        names.push_back(event.interfaceName);
        changed.notify_all();
    }));

    ASSERT_TRUE(emulator->Control({ "plug", "unrelated" }));
    ASSERT_TRUE(emulator->Control({ "plug", "bluetooth" }));
    // A configured interface last: once its event is in, the others were handled.
    ASSERT_TRUE(emulator->Control({ "plug", "cable" }));
    {
        std::unique_lock lock(mutex);
        ASSERT_TRUE(changed.wait_for(lock, std::chrono::seconds(5), [&] { return !tasks.Tasks().empty(); }));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    monitor->Stop();

    EXPECT_EQ(tasks.Tasks(), std::vector<int> { 2 });
    bool sawBluetooth = false;
    for (auto const& name : names)
        sawBluetooth = sawBluetooth || name.find("{00001812-0000-1000-8000-00805f9b34fb}") != std::string::npos;
    EXPECT_TRUE(sawBluetooth);
    EXPECT_GE(names.size(), 3u);
}

TEST_F(DeviceEmulator, DiagnosticFollowsPlugAndUnplug)
{
    Start({ "--model", "301", "--cable", "--receiver" });
    auto const connections = ShippedConnections();
    std::ostringstream plugged;
    PrintDiscoveredDevices(plugged, connections, *manager);
    EXPECT_NE(plugged.str().find("connection mode: 0 (cable)"), std::string::npos) << plugged.str();
    EXPECT_NE(plugged.str().find("keyboard linked: yes"), std::string::npos) << plugged.str();

    ASSERT_TRUE(emulator->Control({ "unplug", "cable" }));
    std::ostringstream receiverOnly;
    PrintDiscoveredDevices(receiverOnly, connections, *manager);
    EXPECT_NE(receiverOnly.str().find("connection mode: 2 (receiver)"), std::string::npos) << receiverOnly.str();
}
