// Byte-exact checks of the three command families' encoders. Every expected
// report is written out here.
#include "FakeHidBackend.h"
#include "device/MacroStepCodec.h"
#include "device/ProtocolFamily.h"
#include "device/StatusReport.h"
#include "device/Type1xxCodec.h"
#include "device/Type2xxCodec.h"
#include "device/Type3xxCodec.h"

#include <gtest/gtest.h>

#include <functional>
#include <numeric>

using namespace Tessera;
using DeviceTest::Hex;

namespace {

template<std::size_t N>
std::vector<std::uint8_t> ToVector(std::array<std::uint8_t, N> const& bytes)
{
    return { bytes.begin(), bytes.end() };
}

// Bytes first, first+1, … (count of them), for expected payload runs.
std::string ByteRun(unsigned first, unsigned count)
{
    std::string text;
    for (unsigned i = 0; i < count; ++i) {
        char byte[4];
        std::snprintf(byte, sizeof byte, "%02X ", (first + i) & 0xFF);
        text += byte;
    }
    return text;
}

std::string Zeros(unsigned count)
{
    std::string text;
    for (unsigned i = 0; i < count; ++i)
        text += "00 ";
    return text;
}

template<std::size_t N>
std::array<std::uint8_t, N> Counting()
{
    std::array<std::uint8_t, N> bytes {};
    for (std::size_t i = 0; i < N; ++i)
        bytes[i] = static_cast<std::uint8_t>(i);
    return bytes;
}

struct EncodeCase {
    char const* name;
    std::function<std::vector<std::uint8_t>()> encode;
    std::string expected;
    std::size_t size;
};

void CheckCases(std::vector<EncodeCase> const& cases)
{
    for (auto const& c : cases) {
        SCOPED_TRACE(c.name);
        auto const actual = c.encode();
        EXPECT_EQ(actual.size(), c.size);
        EXPECT_EQ(actual, Hex(c.expected, c.size));
    }
}

}

TEST(Type3xxCodec, EveryCommandHasItsFrame)
{
    auto const block = Counting<162>();
    std::vector<EncodeCase> const cases = {
        { "SetKeyFunction base layer", [] { return ToVector(Type3xx::SetKeyFunction(1, 0x29, 0x05)); }, "AA 55 CC 33 04 01 29 05", 64 },
        { "SetKeyFunction back to default", [] { return ToVector(Type3xx::SetKeyFunction(2, 0x04, 0)); }, "AA 55 CC 33 04 02 04 00", 64 },
        { "SetMacroData frame 0", [&] { return ToVector(Type3xx::SetMacroData(0, block)); }, "AA 55 CC 33 00 " + ByteRun(0x00, 54), 64 },
        { "SetMacroData frame 1", [&] { return ToVector(Type3xx::SetMacroData(1, block)); }, "AA 55 CC 33 01 " + ByteRun(0x36, 54), 64 },
        { "SetMacroData frame 2", [&] { return ToVector(Type3xx::SetMacroData(2, block)); }, "AA 55 CC 33 02 " + ByteRun(0x6C, 54), 64 },
        { "SetLightMode", [] { return ToVector(Type3xx::SetLightMode({ 24, 5, 3, 1, 7 })); }, "AA 55 CC 33 07 17 04 02 01 07", 64 },
        { "SetLightMode zero brightness and speed wrap", [] { return ToVector(Type3xx::SetLightMode({ 1, 0, 0, 0, 0 })); }, "AA 55 CC 33 07 00 FF FF 00 00", 64 },
        { "ResetDevice", [] { return ToVector(Type3xx::Frame(Type3xx::Command::ResetDevice)); }, "AA 55 CC 33 08", 64 },
        { "BeginKeyColors", [] { return ToVector(Type3xx::Frame(Type3xx::Command::BeginKeyColors)); }, "AA 55 CC 33 09", 64 },
        { "Command0A", [] { return ToVector(Type3xx::Frame(Type3xx::Command::Command0A)); }, "AA 55 CC 33 0A", 64 },
        { "ApplyCustomLight", [] { return ToVector(Type3xx::Frame(Type3xx::Command::ApplyCustomLight)); }, "AA 55 CC 33 0B", 64 },
        { "SetSleepTime", [] { return ToVector(Type3xx::SetSleepTime(3)); }, "AA 55 CC 33 0C 03", 64 },
        { "SetKeyResponseTime", [] { return ToVector(Type3xx::SetKeyResponseTime(2)); }, "AA 55 CC 33 0D 02", 64 },
        { "GetStatus", [] { return ToVector(BuildStatusRequest()); }, "AA 55 CC 33 0E", 64 },
        { "ResetKeyFunctions", [] { return ToVector(Type3xx::Frame(Type3xx::Command::ResetKeyFunctions)); }, "AA 55 CC 33 0F", 64 },
        { "SetFnSwitch on", [] { return ToVector(Type3xx::SetFnSwitch(true)); }, "AA 55 CC 33 10 01", 64 },
        { "SetFnSwitch off", [] { return ToVector(Type3xx::SetFnSwitch(false)); }, "AA 55 CC 33 10 00", 64 },
    };
    CheckCases(cases);
}

TEST(Type3xxCodec, ColourFramesAreWholeReportsWithFrameCodes)
{
    std::array<std::uint8_t, 600> table {};
    // Light index 107 is the last one the six frames carry.
    table[321] = 0x11;
    table[322] = 0x22;
    table[323] = 0x33;
    table[0] = 0x44;
    table[324] = 0x55; // light index 108: never sent
    std::vector<EncodeCase> const cases = {
        { "stored frame 0", [&] { return ToVector(Type3xx::KeyColorFrame(Type3xx::Command::SetKeyColors, 0, table)); }, "00 AA 55 CC 33 F6 44", 65 },
        { "stored frame 5 ends with index 107", [&] { return ToVector(Type3xx::KeyColorFrame(Type3xx::Command::SetKeyColors, 5, table)); },
            "00 AA 55 CC 33 FB " + Zeros(51) + "11 22 33", 65 },
        { "stream frame 0", [&] { return ToVector(Type3xx::KeyColorFrame(Type3xx::Command::StreamKeyColors, 0, table)); }, "00 AA 55 CC 33 F0 44", 65 },
        { "stream frame 3", [&] { return ToVector(Type3xx::KeyColorFrame(Type3xx::Command::StreamKeyColors, 3, table)); }, "00 AA 55 CC 33 F3", 65 },
    };
    CheckCases(cases);
}

TEST(Type3xxCodec, StatusReportNeedsSignature)
{
    auto const good = DeviceTest::StatusReply(87, 3);
    auto const parsed = ParseStatusReport(good);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->battery, 87);
    EXPECT_EQ(parsed->linkState, 3);

    auto bad = good;
    bad[3] = 0x34;
    EXPECT_FALSE(ParseStatusReport(bad));
    EXPECT_FALSE(ParseStatusReport(std::vector<std::uint8_t>(good.begin(), good.begin() + 6)));
    EXPECT_FALSE((StatusReport { 101, 1 }.HasValidBattery()));
    EXPECT_TRUE((StatusReport { 100, 1 }.HasValidBattery()));
}

TEST(Type2xxCodec, EveryCommandHasItsReport)
{
    auto const block = Counting<168>();
    Type2xx::LightMode light;
    light.mode = 2;
    light.colorIndex = 3;
    light.direction = 1;
    light.speed = 4;
    light.brightness = 5;
    light.customSet = 2;
    Type2xx::LightMode single = light; // light mode 4 carries a colour instead
    single.mode = 4;
    single.brightness = 0;
    single.colorValue = 0x00332211;
    std::vector<EncodeCase> const cases = {
        { "ReadMacroSlots request", [] { return ToVector(Type2xx::ReadMacroSlotsRequest()); }, "07 FB 01 00 00 00 00 00", 28 },
        { "ClearKeySlots request", [] { return ToVector(Type2xx::ClearKeySlotsRequest()); }, "AA 55 CC 0F 00 00 00 00", 28 },
        { "SetKeySlot", [] { return ToVector(Type2xx::SetKeySlot(3, 0x29, 0x05)); }, "07 FA 01 03 29 01 05 01", 65 },
        { "SetMacroSlotData first report", [&] { return ToVector(Type2xx::SetMacroSlotData(0, block)); }, "07 F1 00 01 02 03 04 05", 65 },
        { "SetMacroSlotData second report", [&] { return ToVector(Type2xx::SetMacroSlotData(1, block)); }, "07 00 06 07 08 09 0A 0B", 65 },
        { "SetMacroSlotData last report", [&] { return ToVector(Type2xx::SetMacroSlotData(27, block)); }, "07 00 A2 A3 A4 A5 A6 A7", 65 },
        { "SetLightModeF7 cable", [&] { return ToVector(Type2xx::SetLightModeF7(light)); }, "07 F7 01 03 01 03 04 02", 65 },
        { "SetLightModeF7 receiver", [&] { return ToVector(Type2xx::SetLightModeF7Receiver(light)); }, "BB AA 99 88 AA 01 03 01 03 04 02", 64 },
        { "SetLightModeF7 mode 4 colour, brightness 0", [&] { return ToVector(Type2xx::SetLightModeF7(single)); }, "07 F7 03 03 11 22 00 33", 65 },
        { "SetLightModeF7 receiver mode 4", [&] { return ToVector(Type2xx::SetLightModeF7Receiver(single)); }, "BB AA 99 88 AA 03 03 11 22 00 33", 64 },
        { "ResetDeviceF0 cable", [] { return ToVector(Type2xx::ResetDeviceF0()); }, "07 F0 AA", 65 },
        { "ResetDeviceF0 receiver first", [] { return ToVector(Type2xx::ResetDeviceF0ReceiverFirst()); }, "BB AA 99 88 AA AA AA AA AA AA", 64 },
        { "ResetDeviceF0 receiver second", [] { return ToVector(Type2xx::ResetDeviceF0ReceiverSecond()); }, "BB AA 99 88", 64 },
    };
    CheckCases(cases);
}

TEST(Type2xxCodec, SlotTableSplitsMacroAndRemapSlots)
{
    Feature8Buffer reply {};
    reply[0] = 0xFB;
    reply[1] = 0x29;  // macro slot 1
    reply[13] = 0x04; // macro slot 13
    reply[14] = 0x05; // remap slot 1
    reply[23] = 0x06; // remap slot 10
    reply[24] = 0x07; // beyond the table
    auto const table = Type2xx::ParseSlotTable(reply);
    EXPECT_EQ(table.macroSlots.front(), 0x29);
    EXPECT_EQ(table.macroSlots.back(), 0x04);
    EXPECT_EQ(table.remapSlots.front(), 0x05);
    EXPECT_EQ(table.remapSlots.back(), 0x06);
}

TEST(Type1xxCodec, EveryCommandHasItsReport)
{
    auto const keys = Counting<360>();
    auto const macro = Counting<70>();
    std::vector<EncodeCase> const cases = {
        { "WriteKeyTable first report", [&] { return ToVector(Type1xx::WriteKeyTable(0, keys)); }, "00 8D 3C 00 00 " + ByteRun(0x00, 60), 65 },
        { "WriteKeyTable fourth report is 40 bytes at 180", [&] { return ToVector(Type1xx::WriteKeyTable(3, keys)); }, "00 8D 28 B4 00 " + ByteRun(0xB4, 40), 65 },
        { "WriteMacroTable second piece", [&] { return ToVector(Type1xx::WriteMacroTable(2, 1, macro)); }, "00 8E 0B 3B 00 02 " + ByteRun(0x3B, 11), 65 },
        { "WriteMacroTable first piece", [&] { return ToVector(Type1xx::WriteMacroTable(0, 0, macro)); }, "00 8E 3B 00 00 00 " + ByteRun(0x00, 59), 65 },
        { "SetLightModeType1", [] { return ToVector(Type1xx::SetLightModeType1(5)); }, "00 88 00 05", 65 },
        { "SetLightParamsType1", [] { return ToVector(Type1xx::SetLightParamsType1(true, 2, 3, 0x00332211, 4)); }, "00 89 00 A3 11 22 33 04", 65 },
        { "SetLightParamsType1 masks direction and speed", [] { return ToVector(Type1xx::SetLightParamsType1(false, 7, 0x1F, 0, 9)); }, "00 89 00 3F 00 00 00 09", 65 },
        { "ResetDeviceType1", [] { return ToVector(Type1xx::ResetDeviceType1()); }, "00 FF FE AA FF", 65 },
        { "SelectCustomLightFF", [] { return ToVector(Type1xx::SelectCustomLightFF(3, 4, 2, 1)); }, "07 FF FF 02 04 02 00 01", 65 },
    };
    CheckCases(cases);
}

TEST(Type1xxCodec, MacroTablePiecesCoverEveryByte)
{
    EXPECT_EQ(Type1xx::MacroTablePieceCount(0), 1);
    EXPECT_EQ(Type1xx::MacroTablePieceCount(59), 1);
    EXPECT_EQ(Type1xx::MacroTablePieceCount(60), 2);
    EXPECT_EQ(Type1xx::MacroTablePieceCount(118), 2);
    EXPECT_EQ(Type1xx::MacroTablePieceCount(119), 3);
}

TEST(MacroStepByte, DelayUnitsAndCap)
{
    struct Case {
        bool release;
        int delay;
        std::uint8_t expected;
    };
    Case const cases[] = {
        { false, -5, 0x01 }, { true, -5, 0x80 }, { false, 0, 0x01 }, { true, 10, 0x81 }, { false, 11, 0x01 },
        { false, 100, 0x0A }, { true, 310, 0x9F }, { false, 311, 0x26 }, { false, 1550, 0x3F }, { false, 1551, 0x4F },
        { false, 3100, 0x5F }, { false, 3101, 0x63 }, { false, 31000, 0x7F }, { true, 5000, 0xE5 },
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(c.delay);
        EXPECT_EQ(EncodeMacroAction(c.release, c.delay), c.expected);
    }
}

TEST(MacroStepByte, DelayAbove31sIsCapped)
{
    EXPECT_EQ(EncodeMacroAction(false, 99999), 0x7F);
    EXPECT_EQ(EncodeMacroAction(true, 40000), 0xFF);
}

TEST(BuiltInShortcut, StepListsPressThenReleaseInReverse)
{
    auto flatten = [](int value) {
        std::vector<std::uint8_t> bytes;
        for (auto const& step : BuiltInShortcutSteps(value)) {
            bytes.push_back(step.usage);
            bytes.push_back(step.action);
        }
        return bytes;
    };
    EXPECT_EQ(flatten(1), Hex("E0 01 04 01 04 81 E0 81"));
    EXPECT_EQ(flatten(10), Hex("E2 01 2B 01 2B 81 E2 81"));
    EXPECT_EQ(flatten(13), Hex("E2 01 2C 01 1B 01 1B 81 2C 81 E2 81"));
    EXPECT_EQ(flatten(15), Hex("E2 01 3D 01 3D 81 E2 81"));
    EXPECT_TRUE(flatten(16).empty());
    EXPECT_EQ(BuiltInShortcutStepCount(14), 6);
    EXPECT_EQ(BuiltInShortcutStepCount(0), 4);
}

TEST(Type1xxMacroStep, PressMarksHighByteReleaseMarksLowByte)
{
    EXPECT_EQ(EncodeType1xxMacroStep(false, 0x04, 300), Hex("04 2C 81"));
    EXPECT_EQ(EncodeType1xxMacroStep(true, 0x04, 300), Hex("04 AC 01"));
}

TEST(ProtocolFamily, ChosenByDeviceTypeBoundaries)
{
    EXPECT_EQ(ProtocolFamilyFor(100), ProtocolFamily::Type1xx);
    EXPECT_EQ(ProtocolFamilyFor(200), ProtocolFamily::Type1xx);
    EXPECT_EQ(ProtocolFamilyFor(201), ProtocolFamily::Type2xx);
    EXPECT_EQ(ProtocolFamilyFor(299), ProtocolFamily::Type2xx);
    EXPECT_EQ(ProtocolFamilyFor(300), ProtocolFamily::Type3xx);
    EXPECT_EQ(ProtocolFamilyFor(399), ProtocolFamily::Type3xx);
    EXPECT_EQ(ProtocolFamilyFor(400), ProtocolFamily::None);
}
