#include "EmulatorFixture.h"
#include "emulator/daemon/Control.h"
#include "emulator/daemon/DeviceHub.h"

#include <gtest/gtest.h>

#include <thread>

using namespace Tessera::Emulator;
using namespace EmulatorTest;

namespace {

constexpr char const* kCableCommand = "HID#VID_3151&PID_4015&MI_02#EMU&0&CABLE&2";
constexpr char const* kReceiverCommand = "HID#VID_3151&PID_4016&MI_02#EMU&0&RECEIVER&2";

Bytes const kGetStatus = output_report({ 0xAA, 0x55, 0xCC, 0x33, 0x0E });

struct Hub : ::testing::Test {
    DeviceHub hub { ModelCatalog {} };
    int keyboard { -1 };
    std::string error;

    void SetUp() override
    {
        keyboard = hub.add_keyboard(301, error);
        ASSERT_EQ(keyboard, 0) << error;
        ASSERT_TRUE(hub.set_battery(keyboard, 77, error));
    }

    int open_plugged(Link link, char const* path)
    {
        EXPECT_TRUE(hub.plug(keyboard, link, true, error)) << error;
        int handle = hub.open(path, error);
        EXPECT_GT(handle, 0) << error;
        return handle;
    }

    std::vector<std::string> drain(int watcher)
    {
        std::vector<std::string> lines;
        while (auto line = hub.next_event(watcher, std::chrono::milliseconds(0)))
            lines.push_back(*line);
        return lines;
    }
};

TEST_F(Hub, StatusQueryOnTheCableIsAnsweredOnTheSameHandle)
{
    int handle = open_plugged(Link::Cable, kCableCommand);
    EXPECT_EQ(hub.write(handle, kGetStatus).count, 65);
    auto reply = hub.read(handle, 10);
    ASSERT_EQ(reply.count, 64);
    EXPECT_EQ(to_hex(Bytes(reply.bytes.begin(), reply.bytes.begin() + 7)), "aa55cc330e4d03");
    EXPECT_EQ(hub.read(handle, 20).count, 0) << "nothing more to read: a time-out, not an error";
}

TEST_F(Hub, UnplugEndsOpenHandlesAndAnnouncesEveryInterface)
{
    int watcher = hub.add_watcher();
    int handle = open_plugged(Link::Cable, kCableCommand);
    ASSERT_TRUE(hub.plug(keyboard, Link::Cable, false, error));

    auto write = hub.write(handle, kGetStatus);
    EXPECT_EQ(write.count, -1);
    EXPECT_EQ(write.error, "device disconnected");
    EXPECT_EQ(hub.read(handle, 0).count, -1);
    EXPECT_EQ(hub.open(kCableCommand, error), -1);

    std::vector<std::string> const expected {
        "add usb 3151 4015 0 HID#VID_3151&PID_4015&MI_00#EMU&0&CABLE&0",
        "add usb 3151 4015 1 HID#VID_3151&PID_4015&MI_01#EMU&0&CABLE&1",
        "add usb 3151 4015 2 HID#VID_3151&PID_4015&MI_02#EMU&0&CABLE&2",
        "add usb 3151 4015 3 HID#VID_3151&PID_4015&MI_03#EMU&0&CABLE&3",
        "add usb 3151 4015 4 HID#VID_3151&PID_4015&MI_04#EMU&0&CABLE&4",
        "remove usb 3151 4015 0 HID#VID_3151&PID_4015&MI_00#EMU&0&CABLE&0",
        "remove usb 3151 4015 1 HID#VID_3151&PID_4015&MI_01#EMU&0&CABLE&1",
        "remove usb 3151 4015 2 HID#VID_3151&PID_4015&MI_02#EMU&0&CABLE&2",
        "remove usb 3151 4015 3 HID#VID_3151&PID_4015&MI_03#EMU&0&CABLE&3",
        "remove usb 3151 4015 4 HID#VID_3151&PID_4015&MI_04#EMU&0&CABLE&4",
    };
    EXPECT_EQ(drain(watcher), expected);
}

TEST_F(Hub, UnrelatedDeviceAndBluetoothInterfaceAreAnnouncedWithTheirBus)
{
    int watcher = hub.add_watcher();
    hub.plug_unrelated(true);
    hub.plug_bluetooth(keyboard, true, error);
    auto lines = drain(watcher);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "add usb 1d57 0042 0 HID#VID_1D57&PID_0042&MI_00#EMU&MOUSE&0");
    EXPECT_EQ(lines[1].rfind("add bluetooth 3151 4015 0 HID#{00001812-0000-1000-8000-00805F9B34FB}", 0), 0u) << lines[1];
    EXPECT_EQ(hub.enumerate().size(), 2u);
}

TEST_F(Hub, BlockingReadEndsWhenTheDeviceIsUnplugged)
{
    int handle = open_plugged(Link::Receiver, kReceiverCommand);
    TransferResult result;
    std::thread reader([&] { result = hub.read(handle, -1); });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_TRUE(hub.plug(keyboard, Link::Receiver, false, error));
    reader.join();
    EXPECT_EQ(result.count, -1);
}

TEST_F(Hub, SwitchingTheKeyboardOffMakesTheReceiverReportLinkStateZero)
{
    int handle = open_plugged(Link::Receiver, kReceiverCommand);
    ASSERT_TRUE(hub.set_powered(keyboard, false, error));
    auto report = hub.read(handle, 10);
    ASSERT_EQ(report.count, 64);
    EXPECT_EQ(to_hex(Bytes(report.bytes.begin(), report.bytes.begin() + 7)), "aa55cc330e0000");
    ASSERT_TRUE(hub.set_powered(keyboard, true, error));
    report = hub.read(handle, 10);
    EXPECT_EQ(to_hex(Bytes(report.bytes.begin(), report.bytes.begin() + 7)), "aa55cc330e4d01");
}

TEST_F(Hub, UnsolicitedStatusReportGoesToEveryPluggedLink)
{
    int cable = open_plugged(Link::Cable, kCableCommand);
    int receiver = open_plugged(Link::Receiver, kReceiverCommand);
    ASSERT_TRUE(hub.send_status(keyboard, std::nullopt, error));
    EXPECT_EQ(hub.read(cable, 10).bytes[6], 3);
    EXPECT_EQ(hub.read(receiver, 10).bytes[6], 1);
}

TEST_F(Hub, FailedWritesAreCountedDownAndReachNoFirmware)
{
    int handle = open_plugged(Link::Cable, kCableCommand);
    hub.set_faults({ 2, 0, 0 });
    EXPECT_EQ(hub.write(handle, kGetStatus).count, -1);
    EXPECT_EQ(hub.set_feature(handle, feature_report({ 0x07, 0xFB })).count, -1);
    EXPECT_EQ(hub.read(handle, 0).count, 0) << "a failed write is not answered";
    EXPECT_EQ(hub.write(handle, kGetStatus).count, 65);
    EXPECT_EQ(hub.read(handle, 10).count, 64);
}

TEST_F(Hub, DroppedAndDelayedReplies)
{
    int handle = open_plugged(Link::Cable, kCableCommand);
    hub.set_faults({ 0, 1, 0 });
    hub.write(handle, kGetStatus);
    EXPECT_EQ(hub.read(handle, 10).count, 0);
    hub.write(handle, kGetStatus);
    EXPECT_EQ(hub.read(handle, 10).count, 64) << "only one reply was to be lost";

    hub.set_faults({ 0, 0, 150 });
    hub.write(handle, kGetStatus);
    EXPECT_EQ(hub.read(handle, 10).count, 0) << "the reply is not there yet";
    EXPECT_EQ(hub.read(handle, 1000).count, 64);

    hub.set_faults({ 0, -1, 0 });
    for (int i = 0; i < 3; ++i) {
        hub.write(handle, kGetStatus);
        EXPECT_EQ(hub.read(handle, 5).count, 0);
    }
}

TEST_F(Hub, ControlCommandsParseTheirArguments)
{
    ControlContext context { hub, {}, [] { FAIL() << "no stop expected"; } };
    struct Case {
        std::vector<std::string> words;
        bool ok;
    };
    Case const cases[] = {
        { { "plug", "cable" }, true },
        { { "plug", "usb" }, false },
        { { "fault", "fail-writes", "3" }, true },
        { { "fault", "fail-writes", "-3" }, false },
        { { "fault", "drop-replies", "all" }, true },
        { { "fault", "delay-replies", "x" }, false },
        { { "battery", "50", "--keyboard", "0" }, true },
        { { "battery", "50", "--keyboard", "4" }, false },
        { { "power", "sideways" }, false },
        { { "render", "relative.png" }, false },
        { { "frobnicate" }, false },
    };
    for (auto const& c : cases) {
        auto result = run_control(context, c.words);
        EXPECT_EQ(result.ok, c.ok) << c.words[0] << " " << (c.words.size() > 1 ? c.words[1] : "") << ": " << result.error;
    }
    auto faults = hub.faults();
    EXPECT_EQ(faults.failWrites, 3);
    EXPECT_EQ(faults.dropReplies, -1);
    EXPECT_EQ(hub.keyboard_state(0)->battery, 50);
}

}

namespace {

TEST_F(Hub, TraceRecordsWritesRepliesAndFailuresInOrder)
{
    int handle = open_plugged(Link::Cable, kCableCommand);
    hub.set_faults({ 1, 0, 0 });
    hub.write(handle, kGetStatus);
    hub.write(handle, kGetStatus);
    auto trace = hub.trace();
    ASSERT_EQ(trace.size(), 3u);
    EXPECT_EQ(trace[0].direction, "write");
    EXPECT_FALSE(trace[0].ok);
    EXPECT_EQ(trace[1].direction, "write");
    EXPECT_TRUE(trace[1].ok);
    EXPECT_EQ(trace[2].direction, "reply");
    EXPECT_EQ(trace[2].path, kCableCommand);
    EXPECT_LE(trace[0].milliseconds, trace[2].milliseconds);
    EXPECT_EQ(ReportTrace::format(trace[2]).substr(ReportTrace::format(trace[2]).find(' ')),
        std::string(" reply ") + kCableCommand + " aa55cc330e4d03" + std::string(114, '0'));
}

}
