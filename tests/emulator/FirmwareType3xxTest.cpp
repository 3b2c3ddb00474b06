#include "EmulatorFixture.h"
#include "emulator/firmware/Firmware.h"

#include <gtest/gtest.h>

using namespace Tessera::Emulator;
using namespace EmulatorTest;

namespace {

struct Type3xx : ::testing::Test {
    std::unique_ptr<Firmware> firmware = Firmware::for_device_type(301);
    KeyboardState& state = firmware->state();
    void SetUp() override { state.battery = 60; }
};

struct StatusCase {
    char const* name;
    Link link;
    bool powered;
    Bytes expected;
};

TEST_F(Type3xx, StatusReplyCarriesBatteryAndLinkState)
{
    StatusCase const cases[] = {
        { "cable", Link::Cable, true, input_report({ 0xAA, 0x55, 0xCC, 0x33, 0x0E, 60, 3 }) },
        { "cable, keyboard switch off", Link::Cable, false, input_report({ 0xAA, 0x55, 0xCC, 0x33, 0x0E, 60, 3 }) },
        { "receiver", Link::Receiver, true, input_report({ 0xAA, 0x55, 0xCC, 0x33, 0x0E, 60, 1 }) },
        { "receiver, keyboard off", Link::Receiver, false, input_report({ 0xAA, 0x55, 0xCC, 0x33, 0x0E, 0, 0 }) },
    };
    for (auto const& c : cases) {
        state.powered = c.powered;
        auto replies = firmware->output(c.link, output_report({ 0xAA, 0x55, 0xCC, 0x33, 0x0E }));
        ASSERT_EQ(replies.size(), 1u) << c.name;
        EXPECT_EQ(to_hex(replies[0]), to_hex(c.expected)) << c.name;
    }
}

TEST_F(Type3xx, CommandsOtherThanStatusAndBeginColorsAreNotAnswered)
{
    // An echo would be read by the host's status listener as a link-state report.
    int const silent[] = { 0x00, 0x04, 0x07, 0x08, 0x0A, 0x0B, 0x0C, 0x0D, 0x0F, 0x10, 0xF0, 0xF6, 0x55 };
    for (int code : silent)
        EXPECT_TRUE(firmware->output(Link::Cable, output_report({ 0xAA, 0x55, 0xCC, 0x33, code, 1, 4, 5 })).empty())
            << "code " << code;
}

TEST_F(Type3xx, BeginKeyColorsIsAcknowledgedInTheStatusShape)
{
    auto replies = firmware->output(Link::Receiver, output_report({ 0xAA, 0x55, 0xCC, 0x33, 0x09 }));
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(to_hex(replies[0]), to_hex(input_report({ 0xAA, 0x55, 0xCC, 0x33, 0x09, 60, 1 })));
    EXPECT_TRUE(state.colorsArmed);
}

TEST_F(Type3xx, KeyFunctionIsStoredPerLayerAndValueZeroRestoresTheDefault)
{
    firmware->output(Link::Cable, output_report({ 0xAA, 0x55, 0xCC, 0x33, 0x04, 0x01, 0x04, 0x05 }));
    firmware->output(Link::Cable, output_report({ 0xAA, 0x55, 0xCC, 0x33, 0x04, 0x02, 0x04, 0x29 }));
    EXPECT_EQ(state.keyValues.at({ 1, 0x04 }), 0x05);
    EXPECT_EQ(state.keyValues.at({ 2, 0x04 }), 0x29);
    firmware->output(Link::Cable, output_report({ 0xAA, 0x55, 0xCC, 0x33, 0x04, 0x01, 0x04, 0x00 }));
    EXPECT_EQ(state.keyValues.count({ 1, 0x04 }), 0u);
    EXPECT_EQ(state.keyValues.size(), 1u);
}

TEST_F(Type3xx, KeyFunctionWithALayerOtherThanOneOrTwoIsIgnored)
{
    firmware->output(Link::Cable, output_report({ 0xAA, 0x55, 0xCC, 0x33, 0x04, 0x00, 0x04, 0x05 }));
    firmware->output(Link::Cable, output_report({ 0xAA, 0x55, 0xCC, 0x33, 0x04, 0x03, 0x04, 0x05 }));
    EXPECT_TRUE(state.keyValues.empty());
    EXPECT_EQ(state.ignoredReports, 2);
}

TEST_F(Type3xx, ReportWithoutSignatureChangesNothing)
{
    firmware->output(Link::Cable, output_report({ 0xAA, 0x55, 0xCC, 0x34, 0x04, 0x01, 0x04, 0x05 }));
    EXPECT_TRUE(state.keyValues.empty());
    EXPECT_EQ(state.ignoredReports, 1);
}

Bytes macro_frame(int frame, std::initializer_list<int> first_bytes)
{
    Bytes report = output_report({ 0xAA, 0x55, 0xCC, 0x33, frame });
    int at = 6; // report ID + signature + code
    for (int value : first_bytes)
        report[static_cast<std::size_t>(at++)] = static_cast<std::uint8_t>(value);
    return report;
}

TEST_F(Type3xx, ThreeMacroFramesFormOneBlockForTheKeyOfItsLayer)
{
    // Layer 2, key 0x1E, play once, 2 steps: A down 10 ms, A up 10 ms.
    firmware->output(Link::Cable, macro_frame(0, { 0x02, 0x1E, 0x01, 0x02, 0x04, 0x01, 0x04, 0x81 }));
    firmware->output(Link::Cable, macro_frame(1, { 0x11 }));
    EXPECT_TRUE(state.macroBlocks.empty()) << "the block is only complete after frame 2";
    firmware->output(Link::Cable, macro_frame(2, { 0x22 }));
    ASSERT_EQ(state.macroBlocks.count({ 2, 0x1E }), 1u);
    Bytes const& block = state.macroBlocks.at({ 2, 0x1E });
    ASSERT_EQ(block.size(), 162u);
    EXPECT_EQ(to_hex(Bytes(block.begin(), block.begin() + 8)), "021e010204010481");
    EXPECT_EQ(block[54], 0x11);
    EXPECT_EQ(block[108], 0x22);
}

TEST_F(Type3xx, MacroFramesOutOfOrderAreDropped)
{
    firmware->output(Link::Cable, macro_frame(0, { 0x01, 0x1E }));
    firmware->output(Link::Cable, macro_frame(2, { 0x22 }));
    firmware->output(Link::Cable, macro_frame(1, { 0x11 }));
    EXPECT_TRUE(state.macroBlocks.empty());
}

TEST_F(Type3xx, SetKeyFunctionReplacesAMacroOnTheSameKey)
{
    firmware->output(Link::Cable, macro_frame(0, { 0x01, 0x1E }));
    firmware->output(Link::Cable, macro_frame(1, {}));
    firmware->output(Link::Cable, macro_frame(2, {}));
    firmware->output(Link::Cable, output_report({ 0xAA, 0x55, 0xCC, 0x33, 0x04, 0x01, 0x1E, 0x00 }));
    EXPECT_TRUE(state.macroBlocks.empty());
}

TEST_F(Type3xx, LightModeSettingsAndResets)
{
    firmware->output(Link::Cable, output_report({ 0xAA, 0x55, 0xCC, 0x33, 0x07, 0x17, 0x03, 0x01, 0x02, 0x06 }));
    EXPECT_EQ(state.light.mode, 0x17);
    EXPECT_EQ(state.light.brightness, 0x03);
    EXPECT_EQ(state.light.speed, 0x01);
    EXPECT_EQ(state.light.direction, 0x02);
    EXPECT_EQ(state.light.colorIndex, 0x06);
    firmware->output(Link::Cable, output_report({ 0xAA, 0x55, 0xCC, 0x33, 0x0B }));
    EXPECT_TRUE(state.light.customApplied);

    firmware->output(Link::Cable, output_report({ 0xAA, 0x55, 0xCC, 0x33, 0x0C, 0x03 }));
    firmware->output(Link::Cable, output_report({ 0xAA, 0x55, 0xCC, 0x33, 0x0D, 0x02 }));
    firmware->output(Link::Cable, output_report({ 0xAA, 0x55, 0xCC, 0x33, 0x10, 0x01 }));
    EXPECT_EQ(state.sleepTime, 3);
    EXPECT_EQ(state.keyResponseTime, 2);
    EXPECT_EQ(state.fnSwitch, 1);

    firmware->output(Link::Cable, output_report({ 0xAA, 0x55, 0xCC, 0x33, 0x04, 0x01, 0x04, 0x05 }));
    firmware->output(Link::Cable, output_report({ 0xAA, 0x55, 0xCC, 0x33, 0x0F }));
    EXPECT_TRUE(state.keyValues.empty());
    EXPECT_EQ(state.sleepTime, 3) << "resetting key functions keeps the settings";

    firmware->output(Link::Cable, output_report({ 0xAA, 0x55, 0xCC, 0x33, 0x08 }));
    EXPECT_EQ(state.sleepTime, 0);
    EXPECT_EQ(state.fnSwitch, 0);
    EXPECT_EQ(state.light.mode, 0);
    EXPECT_EQ(state.battery, 60) << "a reset keeps the battery level";
    EXPECT_EQ(state.deviceResets, 1);
}

TEST_F(Type3xx, ColourFramesFillTheirTableAtFrameTimes54)
{
    Bytes stored = output_report({ 0xAA, 0x55, 0xCC, 0x33, 0xFB });
    stored[6] = 0x10;     // light 90, red
    stored[59] = 0x7F;    // light 107, blue: the last byte a frame carries
    stored[60] = 0xEE;    // past the frame's 54 colour bytes: not a colour
    firmware->output(Link::Cable, stored);
    EXPECT_EQ(state.storedColors[270], 0x10);
    EXPECT_EQ(state.storedColors[323], 0x7F);
    EXPECT_EQ(state.storedFrames, 1);

    Bytes streamed = output_report({ 0xAA, 0x55, 0xCC, 0x33, 0xF1, 0x01, 0x02, 0x03 });
    firmware->output(Link::Cable, streamed);
    EXPECT_EQ(to_hex(Bytes(state.streamedColors.begin() + 54, state.streamedColors.begin() + 57)), "010203");
    EXPECT_EQ(state.storedColors[54], 0) << "a streamed frame leaves the stored layout alone";
}

TEST_F(Type3xx, KeyboardSwitchedOffTakesNoCommandsThroughTheReceiver)
{
    state.powered = false;
    firmware->output(Link::Receiver, output_report({ 0xAA, 0x55, 0xCC, 0x33, 0x04, 0x01, 0x04, 0x05 }));
    EXPECT_TRUE(state.keyValues.empty());
    firmware->output(Link::Cable, output_report({ 0xAA, 0x55, 0xCC, 0x33, 0x04, 0x01, 0x04, 0x05 }));
    EXPECT_EQ(state.keyValues.size(), 1u) << "the cable powers the keyboard";
}

}
