// Discovery over the scripted HID library: which interfaces are opened, how
// cable and receiver are told apart, what the screen shows, and which
// device-change notifications start a pass.
#include "RecordingDoubles.h"
#include "TransportFixture.h"
#include "device/DeviceDiscovery.h"

using namespace Tessera;
using namespace DeviceTest;

namespace {

DeviceModel Mode(std::wstring name, int mode, int pid, std::wstring hidInterface, int deviceType = 301)
{
    DeviceModel record;
    record.name = std::move(name);
    record.deviceType = deviceType;
    record.deviceInfo = L"K1";
    record.mode = mode;
    record.vid = kVid;
    record.pid = pid;
    record.hidInterface = std::move(hidInterface);
    return record;
}

std::vector<DeviceModel> ShippedModes()
{
    return {
        Mode(L"", 0, kCablePid, L"VID_320F&PID_5055&MI_02"),
        Mode(L"", 2, kReceiverPid, L"VID_320F&PID_5088&MI_02"),
    };
}

}

class Discovery : public TransportFixture {
protected:
    Discovery()
        : discovery(*manager, screen, tasks)
    {
    }

    RecordingScreen screen;
    RecordingTasks tasks;
    DeviceDiscovery discovery;
};

TEST_F(Discovery, RegisteredModesBecomeSupportedDeviceRows)
{
    auto modes = ShippedModes();
    modes[1].name = L"Tessera Receiver";
    modes[1].rev = 0x0102;
    discovery.RegisterConnectionModes(modes);
    auto const rows = manager->SupportedDevices();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].vid, kVid);
    EXPECT_EQ(rows[1].pid, kReceiverPid);
    EXPECT_EQ(rows[1].rev, 0x0102);
    EXPECT_EQ(rows[1].productName, L"Tessera Receiver");
    EXPECT_EQ(rows[1].deviceType, 301);
    EXPECT_EQ(rows[1].mode, 2);
    EXPECT_EQ(rows[1].hidInterface, L"VID_320F&PID_5088&MI_02");
}

TEST_F(Discovery, OpensOnlyVendorCollectionsOfSupportedKeyboards)
{
    auto modes = ShippedModes();
    modes[1].name = L"Tessera Receiver";
    discovery.RegisterConnectionModes(modes);

    AddCable();
    auto sameInterfaceOtherCollection = KeyboardInterface(kVid, kCablePid, 2, "/dev/hidraw2");
    sameInterfaceOtherCollection.usagePage = 0xFF01;
    sameInterfaceOtherCollection.usage = 1;
    fake->Add(sameInterfaceOtherCollection);
    auto aux = KeyboardInterface(kVid, kCablePid, 3, "/dev/hidraw3");
    aux.usagePage = 0xFF01;
    aux.usage = 1;
    int const auxId = fake->Add(aux);
    auto keys = KeyboardInterface(kVid, kCablePid, 0, "/dev/hidraw0");
    keys.usagePage = 0x0001;
    keys.usage = 6;
    int const keysId = fake->Add(keys);
    int const mouseId = fake->Add(KeyboardInterface(0x046D, 0xC52B, 2, "/dev/hidraw7"));
    int const otherProduct = fake->Add(KeyboardInterface(kVid, kReceiverPid, 2, "/dev/hidraw8", 0x0100, L"Other Receiver"));
    int const broken = fake->Add(KeyboardInterface(kVid, kCablePid, 2, "/dev/hidraw9"));
    fake->At(broken).openable = false;

    discovery.RefreshDevices();

    auto const entries = manager->CollectEntries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].path, "/dev/hidraw2");
    EXPECT_EQ(entries[0].interfaceName, "HID#VID_320F&PID_5055&MI_02#/dev/hidraw2");
    EXPECT_EQ(entries[0].deviceType, 301);
    EXPECT_TRUE(entries[0].online);
    EXPECT_EQ(fake->At(0).opens, 1);
    EXPECT_TRUE(manager->HasAuxInterface());
    EXPECT_EQ(fake->At(auxId).openHandles, 1);
    EXPECT_EQ(fake->At(keysId).opens, 0);
    EXPECT_EQ(fake->At(mouseId).opens, 0);
    EXPECT_EQ(fake->At(otherProduct).opens, 0);
    EXPECT_EQ(fake->OpenHandleCount(), 2);
}

TEST_F(Discovery, ProbeAsksEachEntryForItsLinkState)
{
    discovery.RegisterConnectionModes(ShippedModes());
    int const cable = AddCable();
    int const receiver = AddReceiver(false);
    fake->At(cable).writeResults = { -1 };
    discovery.RefreshDevices();

    auto const transfers = fake->Transfers();
    // Cable: a failed request, no read. Receiver: request, 10 ms, 10 ms read.
    ASSERT_EQ(transfers.size(), 3u);
    EXPECT_EQ(transfers[0].device, cable);
    EXPECT_EQ(transfers[0].bytes, Hex("00 AA 55 CC 33 0E", 65));
    EXPECT_EQ(transfers[1].device, receiver);
    EXPECT_EQ(transfers[2].kind, Transfer::Read);
    EXPECT_EQ(transfers[2].timeoutMs, 10);
    EXPECT_EQ(transfers[2].atMs - transfers[1].atMs, 10);
    auto const entries = manager->CollectEntries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_FALSE(entries[0].online);
    EXPECT_FALSE(entries[1].online);
}

TEST_F(Discovery, CableIsPreferredOverReceiver)
{
    discovery.RegisterConnectionModes(ShippedModes());
    AddReceiver();
    AddCable();
    discovery.RunDiscovery();

    auto& link = discovery.LinkState();
    EXPECT_TRUE(link.anyDevice);
    EXPECT_TRUE(link.keyboardLinked);
    EXPECT_EQ(link.connectionMode, 0);
    EXPECT_EQ(manager->CurrentDeviceType(), 301);
    EXPECT_EQ(tasks.Tasks(), (std::vector<int> { 15, 16, 5 }));
    EXPECT_EQ(screen.Calls(), (std::vector<std::string> {
                                  "ResetDeviceSelector",
                                  "SetDeviceSelectorState 301 1",
                                  "SetDeviceSelectorState 301 1",
                                  "ClosePopups",
                                  "SetStatusTitle 60",
                                  "ApplyPageVisibility 301",
                                  "SetConnectionIcon icon\\mode_usb.png",
                                  "ShowConnected 51 icon\\icon_keyboard.png 1",
                                  "Redraw",
                              }));
    for (auto const& mode : discovery.ConnectionModes())
        EXPECT_TRUE(mode.present);
}

TEST_F(Discovery, ReceiverAloneWithKeyboardOffShowsTheHiddenState)
{
    discovery.RegisterConnectionModes(ShippedModes());
    AddReceiver(false);
    discovery.RunDiscovery();

    auto& link = discovery.LinkState();
    EXPECT_TRUE(link.anyDevice);
    EXPECT_FALSE(link.keyboardLinked);
    EXPECT_EQ(link.connectionMode, -1);
    EXPECT_TRUE(tasks.Tasks().empty());
    EXPECT_EQ(screen.Calls(), (std::vector<std::string> {
                                  "ResetDeviceSelector",
                                  "ClosePopups",
                                  "SetStatusTitle 60",
                                  "ApplyPageVisibility 301",
                                  "SetStatusTitle 61",
                                  "ShowHidden",
                                  "Redraw",
                              }));
}

TEST_F(Discovery, ReceiverWithKeyboardOnGoesToTheReceiver)
{
    discovery.RegisterConnectionModes(ShippedModes());
    AddReceiver(true);
    discovery.RunDiscovery();
    EXPECT_EQ(discovery.LinkState().connectionMode, 2);
    EXPECT_EQ(tasks.Tasks(), std::vector<int> { 5 });
    auto const calls = screen.Calls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "SetConnectionIcon icon\\mode_24g.png"), calls.end());
    EXPECT_NE(std::find(calls.begin(), calls.end(), "ShowConnected 51 icon\\icon_keyboard.png 1"), calls.end());
}

TEST_F(Discovery, NothingAttachedHidesThePages)
{
    discovery.RegisterConnectionModes(ShippedModes());
    discovery.RunDiscovery();
    EXPECT_FALSE(discovery.LinkState().anyDevice);
    EXPECT_EQ(discovery.LinkState().connectionMode, -1);
    EXPECT_TRUE(tasks.Tasks().empty());
    EXPECT_EQ(screen.Calls(), (std::vector<std::string> { "ResetDeviceSelector", "ClosePopups", "SetStatusTitle 61", "ShowHidden", "Redraw" }));
}

TEST_F(Discovery, ProductNameThatDiffersNeverMatchesItsMode)
{
    auto modes = ShippedModes();
    modes[0].name = L"Another Keyboard";
    discovery.RegisterConnectionModes(modes);
    AddCable();
    discovery.RefreshDevices();
    EXPECT_FALSE(discovery.LinkState().keyboardLinked);
    EXPECT_FALSE(discovery.ConnectionModes()[0].present);
}

TEST_F(Discovery, OtherFamilyKeyboardBecomesTheCurrentDeviceType)
{
    auto modes = ShippedModes();
    modes[0].deviceType = 250;
    discovery.RegisterConnectionModes({ modes[0] });
    AddCable();
    discovery.RunDiscovery();
    EXPECT_EQ(manager->CurrentDeviceType(), 250);
    EXPECT_EQ(discovery.LinkState().connectionMode, 0);
}

TEST(DiscoveryWithoutLibrary, FailedLoadFindsNothing)
{
    std::string error;
    FakeClock clock;
    HidDeviceManager manager(LoadHidBackendFrom("/nonexistent/libhidapi-none.so.0", &error), clock);
    EXPECT_FALSE(error.empty());
    RecordingScreen screen;
    RecordingTasks tasks;
    DeviceDiscovery discovery(manager, screen, tasks);
    discovery.RegisterConnectionModes(ShippedModes());
    discovery.RunDiscovery();
    EXPECT_FALSE(discovery.LinkState().anyDevice);
    HidData data {};
    EXPECT_FALSE(manager.SendCommand(data, false));
}

TEST_F(Discovery, DeviceChangesQueueArrivalAndRemovalOfConfiguredInterfaces)
{
    discovery.RegisterConnectionModes(ShippedModes());
    AddCable();
    struct Case {
        char const* name;
        DeviceChangeKind kind;
        std::string interfaceName;
        int expectedTask;
    };
    std::vector<Case> const cases = {
        { "arrival of the cable", DeviceChangeKind::Arrival, "HID#VID_320F&PID_5055&MI_02#/dev/hidraw2", 2 },
        { "names compare upper-cased", DeviceChangeKind::Arrival, "hid#vid_320f&pid_5088&mi_02#/dev/hidraw4", 2 },
        { "unrelated device", DeviceChangeKind::Arrival, "HID#VID_046D&PID_C52B&MI_02#/dev/hidraw7", 0 },
        { "Bluetooth is ignored even with a configured text",
            DeviceChangeKind::Arrival, "HID#{00001812-0000-1000-8000-00805f9b34fb}_VID_320F&PID_5055&MI_02#/dev/hidraw5", 0 },
        { "removal of a mode never seen", DeviceChangeKind::Removal, "HID#VID_320F&PID_5055&MI_02#/dev/hidraw2", 0 },
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(c.name);
        tasks.Clear();
        EXPECT_EQ(discovery.OnDeviceChange({ c.kind, c.interfaceName, "" }), c.expectedTask);
        EXPECT_EQ(tasks.Tasks().size(), c.expectedTask != 0 ? 1u : 0u);
    }

    discovery.RefreshDevices();
    tasks.Clear();
    DeviceChangeEvent const removal { DeviceChangeKind::Removal, "HID#VID_320F&PID_5055&MI_02#/dev/hidraw2", "/dev/hidraw2" };
    EXPECT_EQ(discovery.OnDeviceChange(removal), 3);
    EXPECT_FALSE(discovery.ConnectionModes()[0].present);
    EXPECT_EQ(discovery.OnDeviceChange(removal), 0);
    EXPECT_EQ(tasks.Tasks(), std::vector<int> { 3 });
}
