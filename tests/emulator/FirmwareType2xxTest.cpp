#include "EmulatorFixture.h"
#include "emulator/firmware/Firmware.h"

#include <gtest/gtest.h>

using namespace Tessera::Emulator;
using namespace EmulatorTest;

namespace {

struct Type2xx : ::testing::Test {
    std::unique_ptr<Firmware> firmware = Firmware::for_device_type(202);
    KeyboardState& state = firmware->state();

    // The host's 8-byte exchange: one set-feature, then four reads of 8 bytes.
    std::vector<std::string> read_slot_table(Bytes const& request)
    {
        EXPECT_TRUE(firmware->set_feature(Link::Cable, request));
        std::vector<std::string> parts;
        for (int pass = 0; pass < 4; ++pass) {
            auto reply = firmware->get_feature(Link::Cable, 0x07, 8);
            parts.push_back(reply ? to_hex(*reply) : "none");
        }
        return parts;
    }

    void write_macro_slot(Bytes const& buffer)
    {
        for (int report = 0; report < 28; ++report) {
            Bytes piece { 0x07, static_cast<std::uint8_t>(report == 0 ? 0xF1 : 0x00) };
            piece.insert(piece.end(), buffer.begin() + 6 * report, buffer.begin() + 6 * report + 6);
            piece.resize(65, 0);
            firmware->set_feature(Link::Cable, piece);
        }
    }
};

TEST_F(Type2xx, SlotTableIsReadAsFourSevenBytePartsAfterTheReportId)
{
    firmware->set_feature(Link::Cable, feature_report({ 0x07, 0xFA, 0x01, 0x02, 0x2B, 0x01, 0x05, 0x01 }));
    Bytes macro(168, 0);
    macro[0] = 1;
    macro[1] = 1;    // slot
    macro[2] = 0x1E; // key
    macro[3] = 2;    // play count
    write_macro_slot(macro);

    auto parts = read_slot_table(feature_report({ 0x07, 0xFB, 0x01 }, 8));
    std::vector<std::string> const expected {
        "07001e0000000000", // table bytes 0-6: macro slot 1 holds key 1E
        "0700000000000000", // bytes 7-13
        "07002b0000000000", // bytes 14-20: remap slot 2 (byte 15) holds key 2B
        "0700000000000000", // bytes 21-27
    };
    EXPECT_EQ(parts, expected);
    EXPECT_EQ(state.remapValues[2], 0x05);
    EXPECT_EQ(to_hex(Bytes(state.macroSlots.at(1).begin(), state.macroSlots.at(1).begin() + 4)), "01011e02");
}

TEST_F(Type2xx, ClearKeySlotsEmptiesTheTableAndAnswersTheSameReads)
{
    firmware->set_feature(Link::Cable, feature_report({ 0x07, 0xFA, 0x01, 0x0A, 0x2B, 0x01, 0x05, 0x01 }));
    EXPECT_EQ(state.slotTable[23], 0x2B) << "remap slot 10 is table byte 23";
    auto parts = read_slot_table(feature_report({ 0xAA, 0x55, 0xCC, 0x0F }, 8));
    for (auto const& part : parts)
        EXPECT_EQ(part, "0700000000000000");
}

TEST_F(Type2xx, KeySlotOutsideOneToTenIsIgnored)
{
    firmware->set_feature(Link::Cable, feature_report({ 0x07, 0xFA, 0x01, 0x00, 0x2B, 0x01, 0x05, 0x01 }));
    firmware->set_feature(Link::Cable, feature_report({ 0x07, 0xFA, 0x01, 0x0B, 0x2B, 0x01, 0x05, 0x01 }));
    EXPECT_EQ(to_hex(Bytes(state.slotTable.begin(), state.slotTable.end())), std::string(56, '0'));
}

TEST_F(Type2xx, MacroSlotWithKeyZeroFreesTheSlot)
{
    Bytes macro(168, 0);
    macro[0] = 1;
    macro[1] = 13;
    macro[2] = 0x1E;
    write_macro_slot(macro);
    EXPECT_EQ(state.slotTable[13], 0x1E);
    macro[2] = 0;
    write_macro_slot(macro);
    EXPECT_EQ(state.slotTable[13], 0);
    EXPECT_TRUE(state.macroSlots.empty());
}

TEST_F(Type2xx, LightModeByFeatureOnTheCableAndByOutputReportThroughTheReceiver)
{
    struct Case {
        char const* name;
        bool receiver;
        Bytes report;
    };
    Case const cases[] = {
        { "cable", false, feature_report({ 0x07, 0xF7, 0x03, 0x02, 0x01, 0x04, 0x05, 0x06 }) },
        { "receiver", true, output_report({ 0xBB, 0xAA, 0x99, 0x88, 0xAA, 0x03, 0x02, 0x01, 0x04, 0x05, 0x06 }) },
    };
    for (auto const& c : cases) {
        state.light = {};
        if (c.receiver)
            EXPECT_TRUE(firmware->output(Link::Receiver, c.report).empty());
        else
            firmware->set_feature(Link::Cable, c.report);
        EXPECT_EQ(state.light.mode, 3) << c.name;
        EXPECT_EQ(state.light.colorIndex, 2) << c.name;
        EXPECT_EQ(state.light.direction, 1) << c.name;
        EXPECT_EQ(state.light.speed, 4) << c.name;
        EXPECT_EQ(state.light.brightness, 5) << c.name;
        EXPECT_EQ(state.light.extra, 6) << c.name;
    }
}

TEST_F(Type2xx, ResetByFeatureAndByTheReceiverSequence)
{
    firmware->set_feature(Link::Cable, feature_report({ 0x07, 0xFA, 0x01, 0x01, 0x2B, 0x01, 0x05, 0x01 }));
    firmware->set_feature(Link::Cable, feature_report({ 0x07, 0xF0, 0xAA }));
    EXPECT_EQ(state.slotTable[14], 0);
    EXPECT_EQ(state.deviceResets, 1);

    firmware->output(Link::Receiver, output_report({ 0xBB, 0xAA, 0x99, 0x88, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA }));
    firmware->output(Link::Receiver, output_report({ 0xBB, 0xAA, 0x99, 0x88 }));
    EXPECT_EQ(state.deviceResets, 2);
    EXPECT_EQ(state.ignoredReports, 0);
}

TEST_F(Type2xx, AnswersTheStatusQueryOfDiscovery)
{
    state.battery = 40;
    auto replies = firmware->output(Link::Receiver, output_report({ 0xAA, 0x55, 0xCC, 0x33, 0x0E }));
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(to_hex(replies[0]), to_hex(input_report({ 0xAA, 0x55, 0xCC, 0x33, 0x0E, 40, 1 })));
}

TEST_F(Type2xx, FeatureReadOfAnotherReportIdIsNotSupported)
{
    EXPECT_FALSE(firmware->get_feature(Link::Cable, 0x05, 8).has_value());
}

}

namespace {

TEST(SettingsCommands, EveryFamilyTakesTheSignedSettingsCommands)
{
    for (int device_type : { 108, 202, 301 }) {
        auto firmware = Firmware::for_device_type(device_type);
        firmware->output(Link::Cable, output_report({ 0xAA, 0x55, 0xCC, 0x33, 0x0C, 0x05 }));
        firmware->output(Link::Cable, output_report({ 0xAA, 0x55, 0xCC, 0x33, 0x0D, 0x02 }));
        firmware->output(Link::Cable, output_report({ 0xAA, 0x55, 0xCC, 0x33, 0x10, 0x01 }));
        firmware->output(Link::Cable, output_report({ 0xAA, 0x55, 0xCC, 0x33, 0x10, 0x02 }));
        auto const& state = firmware->state();
        EXPECT_EQ(state.sleepTime, 5) << device_type;
        EXPECT_EQ(state.keyResponseTime, 2) << device_type;
        EXPECT_EQ(state.fnSwitch, 1) << device_type << ": an Fn switch value other than 0 or 1 is ignored";
        EXPECT_EQ(state.ignoredReports, 1) << device_type;
    }
}

}
