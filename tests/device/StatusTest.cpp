// The status poll and the battery query: when the keyboard is asked, what a
// report changes, and when a discovery pass is started.
#include "RecordingDoubles.h"
#include "ScriptedTransport.h"
#include "TransportFixture.h"
#include "device/DeviceDiscovery.h"
#include "device/DeviceStatus.h"
#include "device/DeviceVersions.h"

using namespace Tessera;
using namespace DeviceTest;

class StatusPoll : public ::testing::Test {
protected:
    StatusPoll()
        : transport(clock)
        , status(transport, clock, link, battery, discovery)
    {
        link.anyDevice = true;
        link.keyboardLinked = true;
        link.connectionMode = 0;
    }

    int Asks() const
    {
        auto const ops = transport.Ops();
        return static_cast<int>(std::count(ops.begin(), ops.end(), ScriptedTransport::CommandWithReply));
    }

    FakeClock clock;
    ScriptedTransport transport;
    DeviceLinkState link;
    RecordingBattery battery;
    CountingDiscovery discovery;
    DeviceStatus status;
};

TEST_F(StatusPoll, AsksAtMostEveryFiveSecondsFromTheFirstPass)
{
    status.PollStatus();
    EXPECT_EQ(Asks(), 0);
    clock.Advance(4999);
    status.PollStatus();
    EXPECT_EQ(Asks(), 0);
    transport.replies = { StatusReply(70, 3) };
    clock.Advance(1);
    status.PollStatus();
    EXPECT_EQ(Asks(), 1);
    EXPECT_EQ(transport.calls.back().bytes, Hex("AA 55 CC 33 0E", 64));
    status.PollStatus();
    clock.Advance(4999);
    status.PollStatus();
    EXPECT_EQ(Asks(), 1);
    EXPECT_EQ(battery.levels, std::vector<int> { 70000 });
    EXPECT_EQ(discovery.passes, 0);
}

TEST_F(StatusPoll, FailedQueryRerunsDiscoveryAtOnce)
{
    status.PollStatus();
    clock.Advance(5000);
    status.PollStatus(); // no reply scripted
    EXPECT_EQ(Asks(), 1);
    EXPECT_EQ(discovery.passes, 1);
    EXPECT_TRUE(battery.levels.empty());
}

TEST_F(StatusPoll, UnsolicitedLinkZeroTriggersDiscoveryWithoutWaiting)
{
    link.connectionMode = 2;
    transport.polls = { StatusReply(50, 0) };
    status.PollStatus();
    EXPECT_EQ(discovery.passes, 1);
    EXPECT_FALSE(link.keyboardLinked);
    EXPECT_EQ(Asks(), 0);
    EXPECT_TRUE(battery.levels.empty());
}

TEST_F(StatusPoll, ReportedLinkDecidesWhetherDiscoveryRuns)
{
    struct Case {
        char const* name;
        bool linked;
        int mode;
        std::vector<std::uint8_t> report;
        int passes;
        std::vector<int> battery;
    };
    std::vector<Case> const cases = {
        { "receiver link while the cable shows", true, 0, StatusReply(60, 1), 1, { 60000 } },
        { "cable link while the cable shows", true, 0, StatusReply(61, 3), 0, { 61000 } },
        { "unknown link keeps the mode", true, 2, StatusReply(62, 7), 0, { 62000 } },
        { "battery above 100 is ignored", true, 0, StatusReply(101, 3), 0, {} },
        { "report without signature", true, 0, { 0xAA, 0x55, 0xCC, 0x34, 0x0E, 10, 0 }, 0, {} },
        { "link zero while not linked", false, -1, StatusReply(63, 0), 0, {} },
        { "keyboard wakes behind its receiver", false, -1, StatusReply(64, 1), 1, { 64000 } },
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(c.name);
        link.keyboardLinked = c.linked;
        link.connectionMode = c.mode;
        discovery.passes = 0;
        battery.levels.clear();
        transport.polls = { c.report };
        status.PollStatus();
        EXPECT_EQ(discovery.passes, c.passes);
        EXPECT_EQ(battery.levels, c.battery);
    }
}

TEST_F(StatusPoll, AnswerToTheQuestionUpdatesLinkAndBattery)
{
    struct Case {
        char const* name;
        std::optional<std::vector<std::uint8_t>> reply;
        bool linkedAfter;
        int passes;
        std::vector<int> battery;
    };
    std::vector<Case> const cases = {
        { "cable answers", StatusReply(90, 3), true, 0, { 90000 } },
        { "keyboard off behind receiver", StatusReply(90, 0), false, 1, {} },
        { "receiver answer while cable shows", StatusReply(91, 1), true, 1, { 91000 } },
        { "reply without signature", std::vector<std::uint8_t> { 1, 2, 3, 4, 5, 6, 7 }, true, 0, {} },
    };
    status.PollStatus(); // the first pass starts the clock
    for (auto const& c : cases) {
        SCOPED_TRACE(c.name);
        link.keyboardLinked = true;
        link.connectionMode = 0;
        discovery.passes = 0;
        battery.levels.clear();
        transport.replies = { c.reply };
        clock.Advance(5000);
        status.PollStatus();
        EXPECT_EQ(link.keyboardLinked, c.linkedAfter);
        EXPECT_EQ(discovery.passes, c.passes);
        EXPECT_EQ(battery.levels, c.battery);
    }
}

TEST_F(StatusPoll, QueryBatteryShowsOnlyValidLevels)
{
    transport.replies = { StatusReply(77, 3), StatusReply(120, 3), std::nullopt };
    EXPECT_TRUE(status.QueryBattery());
    EXPECT_TRUE(status.QueryBattery());
    EXPECT_FALSE(status.QueryBattery());
    EXPECT_EQ(battery.levels, std::vector<int> { 77000 });
    EXPECT_EQ(transport.Ops(), (std::vector { ScriptedTransport::Query, ScriptedTransport::Query, ScriptedTransport::Query }));
}

// The whole loop over the real transport: the worker's idle passes of about
// 16 ms, each listening 10 ms, against a keyboard that stops answering.
class StatusOverTransport : public TransportFixture { };

TEST_F(StatusOverTransport, KeyboardThatStopsAnsweringIsFoundWithinAboutSixSeconds)
{
    RecordingScreen screen;
    RecordingTasks tasks;
    DeviceDiscovery devices(*manager, screen, tasks);
    DeviceModel cableMode;
    cableMode.deviceType = 301;
    cableMode.vid = kVid;
    cableMode.pid = kCablePid;
    cableMode.hidInterface = L"VID_320F&PID_5055&MI_02";
    devices.RegisterConnectionModes({ cableMode });
    int const cable = AddCable();
    devices.RunDiscovery();
    ASSERT_EQ(devices.LinkState().connectionMode, 0);
    ASSERT_TRUE(devices.LinkState().keyboardLinked);

    struct Passes final : DiscoveryTrigger {
        void RunDiscovery() override { ++count; }
        int count { 0 };
    } passes;
    RecordingBattery battery;
    DeviceStatus status(*manager, clock, devices.LinkState(), battery, passes);

    status.PollStatus();
    std::int64_t const silentFrom = clock.NowMs();
    fake->At(cable).statusReply.clear();
    while (passes.count == 0 && clock.NowMs() - silentFrom < 20000) {
        clock.SleepMs(16);
        status.PollStatus();
    }
    ASSERT_EQ(passes.count, 1);
    auto const elapsed = clock.NowMs() - silentFrom;
    EXPECT_GE(elapsed, 5000);
    EXPECT_LE(elapsed, 5000 + 16 + 10 + 100 + 500);
}

TEST(DeviceVersions, HexDigitsReadAsDecimal)
{
    EXPECT_EQ(VersionNumberOfRelease(0x0105), 105);
    EXPECT_EQ(VersionNumberOfRelease(0x0210), 210);
    EXPECT_EQ(VersionNumberOfRelease(0x0000), 0);
    EXPECT_EQ(VersionNumberOfRelease(0x1A00), 1);
}

class VersionTexts : public TransportFixture {
protected:
    VersionTexts() { AddSupportedRows(); }
};

TEST_F(VersionTexts, FirmwareFromCableReceiverFromDongleOrMinusOne)
{
    EXPECT_EQ(GetFirmwareVersionText(*manager), L"-1");
    EXPECT_EQ(GetDongleVersionText(*manager), L"-1");
    AddCable();
    AddReceiver();
    Discover();
    EXPECT_EQ(GetFirmwareVersionText(*manager), L"105");
    EXPECT_EQ(GetDongleVersionText(*manager), L"210");
}
