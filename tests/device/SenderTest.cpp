// The senders: which transport operation each command takes, its pauses,
// and how failures end or do not end a sequence.
#include "FakeHidBackend.h"
#include "ScriptedTransport.h"
#include "device/SettingsCommands.h"
#include "device/Type1xxSender.h"
#include "device/Type2xxSender.h"
#include "device/Type3xxSender.h"

using namespace Tessera;
using namespace DeviceTest;
using Op = ScriptedTransport::Op;

class Senders : public ::testing::Test {
protected:
    Senders()
        : transport(clock)
    {
    }

    FakeClock clock;
    ScriptedTransport transport;
};

TEST_F(Senders, MacroBlockIsThreeFramesWithPausesAndSurvivesAFailedFrame)
{
    Type3xxSender sender(transport, clock);
    std::array<std::uint8_t, 162> block {};
    block[0] = 1;
    block[54] = 2;
    block[108] = 3;
    transport.results = { true, false, true };
    EXPECT_FALSE(sender.SendMacroBlock(block));
    ASSERT_EQ(transport.Ops(), (std::vector { Op::Command, Op::Command, Op::Command }));
    EXPECT_EQ(transport.calls[0].bytes, Hex("AA 55 CC 33 00 01", 64));
    EXPECT_EQ(transport.calls[1].bytes, Hex("AA 55 CC 33 01 02", 64));
    EXPECT_EQ(transport.calls[2].bytes, Hex("AA 55 CC 33 02 03", 64));
    EXPECT_EQ(clock.Sleeps(), (std::vector<int> { 20, 20, 170 }));
}

TEST_F(Senders, KeyFunctionPacingDependsOnSingleOrBulk)
{
    Type3xxSender sender(transport, clock);
    EXPECT_TRUE(sender.SendKeyFunction(1, 0x29, 5, KeyWritePacing::Bulk));
    EXPECT_EQ(clock.Sleeps(), std::vector<int> { 16 });
    EXPECT_EQ(transport.calls[0].atMs, 1016);
    clock.ClearSleeps();
    EXPECT_TRUE(sender.SendKeyFunction(2, 0x29, 0, KeyWritePacing::Single));
    EXPECT_EQ(clock.Sleeps(), std::vector<int> { 200 });
    EXPECT_EQ(transport.calls[1].atMs, 1016);
    EXPECT_EQ(transport.calls[1].bytes, Hex("AA 55 CC 33 04 02 29 00", 64));
}

TEST_F(Senders, SimpleType3xxCommandsUseTheirOperationAndPause)
{
    Type3xxSender sender(transport, clock);
    struct Case {
        char const* name;
        std::function<bool()> send;
        Op op;
        std::string bytes;
        std::vector<int> sleeps;
    };
    std::vector<Case> const cases = {
        { "ResetKeyFunctions", [&] { return sender.ResetKeyFunctions(); }, Op::Command, "AA 55 CC 33 0F", { 100 } },
        { "ResetDevice", [&] { return sender.ResetDevice(); }, Op::Command, "AA 55 CC 33 08", { 100 } },
        { "ApplyCustomLight", [&] { return sender.ApplyCustomLight(); }, Op::Command, "AA 55 CC 33 0B", { 10 } },
        { "Command0A", [&] { return sender.SendCommand0A(); }, Op::Data, "AA 55 CC 33 0A", {} },
        { "SetLightMode", [&] { return sender.SendLightMode({ 24, 5, 3, 1, 7 }); }, Op::Command, "AA 55 CC 33 07 17 04 02 01 07", {} },
        { "SetSleepTime", [&] { return SetSleepTime(transport, 4); }, Op::Command, "AA 55 CC 33 0C 04", {} },
        { "SetKeyResponseTime", [&] { return SetKeyResponseTime(transport, 1); }, Op::Command, "AA 55 CC 33 0D 01", {} },
        { "SetFnSwitch", [&] { return SetFnSwitch(transport, true); }, Op::Command, "AA 55 CC 33 10 01", {} },
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(c.name);
        transport.calls.clear();
        clock.ClearSleeps();
        EXPECT_TRUE(c.send());
        ASSERT_EQ(transport.calls.size(), 1u);
        EXPECT_EQ(transport.calls[0].op, c.op);
        EXPECT_EQ(transport.calls[0].bytes, Hex(c.bytes, 64));
        EXPECT_EQ(clock.Sleeps(), c.sleeps);
    }
}

TEST_F(Senders, StoredColoursBeginWhenArmedAndStopAtAFailedFrame)
{
    Type3xxSender sender(transport, clock);
    std::array<std::uint8_t, 600> table {};
    std::atomic<bool> armed { true };
    transport.replies = { std::vector<std::uint8_t> { 0xAA, 0x55, 0xCC, 0x33, 0x09 } };
    EXPECT_TRUE(sender.SendKeyColors(table, armed));
    EXPECT_FALSE(armed);
    ASSERT_EQ(transport.Ops(), (std::vector { Op::CommandWithReply, Op::Report, Op::Report, Op::Report, Op::Report, Op::Report, Op::Report }));
    EXPECT_EQ(transport.calls[0].bytes, Hex("AA 55 CC 33 09", 64));
    EXPECT_EQ(transport.calls[1].bytes, Hex("00 AA 55 CC 33 F6", 65));
    EXPECT_EQ(transport.calls[6].bytes, Hex("00 AA 55 CC 33 FB", 65));
    EXPECT_EQ(clock.Sleeps(), (std::vector<int> { 3, 3, 3, 3, 3, 3 }));

    transport.calls.clear();
    clock.ClearSleeps();
    transport.results = { true, false };
    EXPECT_FALSE(sender.StreamKeyColors(table, armed));
    ASSERT_EQ(transport.Ops(), (std::vector { Op::Report, Op::Report }));
    EXPECT_EQ(transport.calls[1].bytes, Hex("00 AA 55 CC 33 F1", 65));
    EXPECT_TRUE(clock.Sleeps().empty());
}

TEST_F(Senders, Type2xxSlotTableIsNoneWhenTheExchangeFails)
{
    Type2xxSender sender(transport, clock);
    // Reply: macro slot 2 holds key 0x04, remap slot 1 holds key 0x29.
    transport.replies = { Hex("07 00 04 00 00 00 00 00 00 00 00 00 00 00 29", 28) };
    auto const table = sender.ReadMacroSlots();
    ASSERT_TRUE(table.has_value());
    EXPECT_EQ(table->macroSlots[1], 0x04);
    EXPECT_EQ(table->remapSlots[0], 0x29);

    transport.results = { false };
    EXPECT_FALSE(sender.ReadMacroSlots().has_value());
}

TEST_F(Senders, Type2xxSlotsAndReceiverForms)
{
    Type2xxSender sender(transport, clock);
    EXPECT_TRUE(sender.ReadMacroSlots().has_value());
    EXPECT_TRUE(sender.ClearKeySlots());
    EXPECT_TRUE(sender.SetKeySlot(2, 0x29, 0x05));
    ASSERT_EQ(transport.Ops(), (std::vector { Op::Exchange, Op::Exchange, Op::FeatureReport }));
    EXPECT_EQ(transport.calls[0].bytes, Hex("07 FB 01", 28));
    EXPECT_EQ(transport.calls[1].bytes, Hex("AA 55 CC 0F", 28));
    EXPECT_EQ(transport.calls[2].bytes, Hex("07 FA 01 02 29 01 05 01", 65));

    transport.calls.clear();
    std::array<std::uint8_t, 168> block {};
    EXPECT_TRUE(sender.SetMacroSlotData(block));
    EXPECT_EQ(transport.calls.size(), 28u);

    transport.calls.clear();
    clock.ClearSleeps();
    Type2xx::LightMode light;
    light.mode = 2;
    EXPECT_TRUE(sender.SetLightMode(light, true));
    EXPECT_TRUE(sender.ResetDevice(true));
    ASSERT_EQ(transport.Ops(), (std::vector { Op::Data, Op::Data, Op::Data }));
    EXPECT_EQ(transport.calls[0].bytes, Hex("BB AA 99 88 AA 01", 64));
    EXPECT_EQ(transport.calls[2].atMs - transport.calls[1].atMs, 1600);
    EXPECT_EQ(transport.calls[2].bytes, Hex("BB AA 99 88", 64));

    transport.calls.clear();
    clock.ClearSleeps();
    EXPECT_TRUE(sender.SetLightMode(light, false));
    EXPECT_TRUE(sender.ResetDevice(false));
    ASSERT_EQ(transport.Ops(), (std::vector { Op::FeatureReport, Op::FeatureReport }));
    EXPECT_EQ(transport.calls[1].bytes, Hex("07 F0 AA", 65));
    EXPECT_EQ(clock.Sleeps(), std::vector<int> { 100 });
}

TEST_F(Senders, Type1xxTablesArePacedAndAFailedMacroPieceEndsIt)
{
    Type1xxSender sender(transport, clock);
    std::array<std::uint8_t, 360> keys {};
    EXPECT_TRUE(sender.WriteKeyTable(keys));
    EXPECT_EQ(transport.calls.size(), 4u);
    EXPECT_EQ(clock.Sleeps(), (std::vector<int> { 10, 10, 10, 10 }));

    transport.calls.clear();
    clock.ClearSleeps();
    std::vector<std::uint8_t> macro(130, 0x11);
    transport.results = { true, false };
    EXPECT_FALSE(sender.WriteMacroTable(3, macro));
    ASSERT_EQ(transport.calls.size(), 2u);
    EXPECT_EQ(std::vector<std::uint8_t>(transport.calls[1].bytes.begin(), transport.calls[1].bytes.begin() + 7), Hex("00 8E 3B 3B 00 03 11"));
    EXPECT_EQ(clock.Sleeps(), (std::vector<int> { 100, 100 }));

    transport.calls.clear();
    EXPECT_TRUE(sender.SetLightMode(5));
    EXPECT_TRUE(sender.ResetDevice());
    EXPECT_TRUE(sender.SelectCustomLight(3, 4, 2, 1));
    EXPECT_EQ(transport.Ops(), (std::vector { Op::Report, Op::Report, Op::FeatureReport }));
}
