#include "EmulatorFixture.h"
#include "emulator/firmware/Firmware.h"

#include <gtest/gtest.h>

using namespace Tessera::Emulator;
using namespace EmulatorTest;

namespace {

struct Type1xx : ::testing::Test {
    std::unique_ptr<Firmware> firmware = Firmware::for_device_type(108);
    KeyboardState& state = firmware->state();
};

TEST_F(Type1xx, KeyTablePiecesLandAtTheirLittleEndianOffset)
{
    Bytes fourth = output_report({ 0x8D, 40, 180, 0 });
    fourth[5] = 0x04;  // table byte 180
    fourth[6] = 0x20;
    fourth[44] = 0x99; // table byte 219, the last of 40
    fourth[45] = 0x77; // beyond the length: not stored
    firmware->output(Link::Cable, fourth);
    EXPECT_EQ(to_hex(Bytes(state.keyTable.begin() + 180, state.keyTable.begin() + 182)), "0420");
    EXPECT_EQ(state.keyTable[219], 0x99);
    EXPECT_EQ(state.keyTable[220], 0x00);

    Bytes high = output_report({ 0x8D, 60, 0x2C, 0x01 }); // offset 300
    high[5] = 0x11;
    firmware->output(Link::Cable, high);
    EXPECT_EQ(state.keyTable[300], 0x11);
}


TEST_F(Type1xx, PiecesReachingPastTheTablesAreCutNotOverflowed)
{
    Bytes near_end = output_report({ 0x8D, 60, 0x5E, 0x01 }); // offset 350: 10 bytes fit
    std::fill(near_end.begin() + 5, near_end.end(), 0xAB);
    firmware->output(Link::Cable, near_end);
    EXPECT_EQ(state.keyTable[359], 0xAB);

    firmware->output(Link::Cable, output_report({ 0x8D, 60, 0x68, 0x01, 0xCD })); // offset 360: nothing fits
    EXPECT_EQ(state.ignoredReports, 1);

    Bytes macro = output_report({ 0x8E, 255, 0x84, 0x04, 2 }); // slot 2, offset 1156, length claims 255
    std::fill(macro.begin() + 6, macro.end(), 0x5A);
    firmware->output(Link::Cable, macro);
    auto const& table = state.macroTables.at(2);
    ASSERT_EQ(table.size(), 1200u);
    EXPECT_EQ(table[1156], 0x5A);
    EXPECT_EQ(table[1199], 0x5A);
}

TEST_F(Type1xx, MacroTablePiecesFollowTheirOffsetAndSlot)
{
    Bytes first = output_report({ 0x8E, 59, 0, 0, 0, 0x01, 0x02, 0x04, 0x0A, 0x80 });
    Bytes second = output_report({ 0x8E, 10, 59, 0, 0, 0x33 });
    firmware->output(Link::Cable, first);
    firmware->output(Link::Cable, second);
    auto const& table = state.macroTables.at(0);
    EXPECT_EQ(to_hex(Bytes(table.begin(), table.begin() + 5)), "0102040a80");
    EXPECT_EQ(table[59], 0x33);
}

TEST_F(Type1xx, LightModeParametersAndReset)
{
    firmware->output(Link::Cable, output_report({ 0x88, 0x00, 0x05 }));
    EXPECT_EQ(state.light.mode, 5);
    firmware->output(Link::Cable, output_report({ 0x89, 0x00, 0x93, 0x10, 0x20, 0x30, 0x04 }));
    EXPECT_EQ(state.light.extra, 0x93);
    EXPECT_EQ(to_hex(Bytes(state.light.color.begin(), state.light.color.end())), "102030");
    EXPECT_EQ(state.light.brightness, 4);

    firmware->set_feature(Link::Cable, feature_report({ 0x07, 0xFF, 0xFF, 0x02, 0x03, 0x01, 0x00, 0x02 }));
    EXPECT_EQ(state.light.customSet, 2);
    EXPECT_EQ(state.light.mode, 2);

    firmware->output(Link::Cable, output_report({ 0xFF, 0xFE, 0xAA, 0xFF }));
    EXPECT_EQ(state.deviceResets, 1);
    EXPECT_EQ(state.light.customSet, -1);
}

}
