// Byte builders of key maps and macros, and the rules that pick values and
// slots from stored records.
#include "app/worker/Type2xxKeyMap.h"
#include "app/worker/Type3xxKeyMap.h"
#include "device/MacroBlock.h"
#include "device/MacroStepCodec.h"
#include "device/Type1xxTables.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Tessera;

namespace {

using Bytes = std::vector<std::uint8_t>;

template<typename Span>
Bytes Slice(Span const& bytes, std::size_t from, std::size_t count)
{
    return { bytes.begin() + static_cast<std::ptrdiff_t>(from), bytes.begin() + static_cast<std::ptrdiff_t>(from + count) };
}

// Alternating presses and releases of usages 0x04, 0x05, … with 10 ms each.
std::vector<MacroStep> Steps(int count)
{
    std::vector<MacroStep> steps;
    for (int i = 0; i < count; ++i)
        steps.push_back({ static_cast<std::uint8_t>(0x04 + i / 2 % 26), i % 2 == 1, 10 });
    return steps;
}

KeyMacroData Record(int type, int value, int mask = 0)
{
    KeyMacroData record;
    record.macro_type = type;
    record.macro_value = value;
    record.macro_value2 = mask;
    return record;
}

}

TEST(MacroStepByte, DelaysFrom1551To3100msCountHundredsWithUnitCode10)
{
    EXPECT_EQ(EncodeMacroAction(false, 1551), 0x4F); // 15 × 100 ms
    EXPECT_EQ(EncodeMacroAction(false, 2000), 0x54);
    EXPECT_EQ(EncodeMacroAction(true, 3100), 0xDF);
    EXPECT_EQ(EncodeMacroAction(false, 1550), 0x3F); // 31 × 50 ms
    EXPECT_EQ(EncodeMacroAction(false, 3101), 0x63); // 3 × 1000 ms
}

TEST(Type3xxMacroBlock, SeventyNineStepsFillExactlyTheThreeFrames)
{
    auto const block = Type3xxMacroBlock(1, 0x1E, 2, Steps(79));
    auto const sent = block.Type3xxBlock();
    EXPECT_EQ(Slice(sent, 0, 8), (Bytes { 0x01, 0x1E, 0x02, 79, 0x04, 0x01, 0x04, 0x81 }));
    // Step 79 (index 78): a press of 0x04 + 39 % 26 = 0x11.
    EXPECT_EQ(Slice(sent, 160, 2), (Bytes { 0x11, 0x01 }));
}

TEST(Type3xxMacroBlock, LaterStepsAreNotSentButCounted)
{
    auto const block = Type3xxMacroBlock(2, 0x1E, 1, Steps(81));
    EXPECT_EQ(block.bytes[3], 81);
    EXPECT_EQ(Slice(block.Type3xxBlock(), 160, 2), (Bytes { 0x11, 0x01 }));
    EXPECT_EQ(Slice(block.bytes, 162, 4), (Bytes { 0x11, 0x81, 0x12, 0x01 })); // in the buffer only
}

TEST(Type3xxMacroBlock, MacrosLongerThanTheBufferAreCutAfterStep254)
{
    auto const block = Type3xxMacroBlock(1, 0x1E, 1, Steps(300));
    EXPECT_EQ(block.stepCount, 254);
    EXPECT_EQ(block.bytes[3], 254);
    // Step 254 (index 253) is a release of 0x04 + 126 % 26.
    EXPECT_EQ(Slice(block.bytes, 510, 2), (Bytes { 0x1A, 0x81 }));
}

TEST(Type3xxMacroBlock, ShortcutsCarryTheirFixedSteps)
{
    auto const copy = Type3xxShortcutBlock(2, 0x3A, 2);
    EXPECT_EQ(Slice(copy.Type3xxBlock(), 0, 14),
        (Bytes { 0x02, 0x3A, 0x01, 0x04, 0xE0, 0x01, 0x06, 0x01, 0x06, 0x81, 0xE0, 0x81, 0x00, 0x00 }));
    auto const maximise = Type3xxShortcutBlock(1, 0x3A, 13);
    EXPECT_EQ(Slice(maximise.Type3xxBlock(), 0, 16),
        (Bytes { 0x01, 0x3A, 0x01, 0x06, 0xE2, 0x01, 0x2C, 0x01, 0x1B, 0x01, 0x1B, 0x81, 0x2C, 0x81, 0xE2, 0x81 }));
    auto const unknown = Type3xxShortcutBlock(1, 0x3A, 99);
    EXPECT_EQ(Slice(unknown.Type3xxBlock(), 0, 6), (Bytes { 0x01, 0x3A, 0x01, 0x04, 0x00, 0x00 }));
}

TEST(Type2xxMacroSlotBlock, SlotKeyAndPlayCountThenStepsWithoutACount)
{
    std::vector<MacroStep> const steps { { 0x04, false, 10 }, { 0x04, true, 400 } };
    auto const block = Type2xxMacroSlotBlock(3, 0x1E, 2, steps);
    EXPECT_EQ(Slice(block.Type2xxBlock(), 0, 10), (Bytes { 0x01, 0x03, 0x1E, 0x02, 0x04, 0x01, 0x04, 0xA8, 0x00, 0x00 }));
    auto const cleared = Type2xxMacroSlotBlock(5, 0, 0, {});
    EXPECT_EQ(Slice(cleared.Type2xxBlock(), 0, 6), (Bytes { 0x01, 0x05, 0x00, 0x00, 0x00, 0x00 }));
}

TEST(Type1xxMacroTable, PlayCountStepCountAndThreeBytesPerStep)
{
    std::vector<MacroStep> const steps { { 0x04, false, 300 }, { 0x04, true, 10 } };
    Type1xx::MacroTable const table(0, steps);
    EXPECT_EQ(Slice(table.Bytes(), 0, table.Bytes().size()), (Bytes { 0x01, 0x02, 0x04, 0x2C, 0x81, 0x04, 0x8A, 0x00, 0x00 }));
    Type1xx::MacroTable const loud(999, {});
    EXPECT_EQ(Slice(loud.Bytes(), 0, loud.Bytes().size()), (Bytes { 0xFF, 0x00, 0x00 }));
}

TEST(Type1xxMacroTable, StepCountByteBoundsTheTableAt255Steps)
{
    Type1xx::MacroTable const table(1, Steps(400));
    EXPECT_EQ(table.StepCount(), 255);
    EXPECT_EQ(table.Bytes().size(), 3u * 256u);
    EXPECT_EQ(table.Bytes()[1], 255);
}

TEST(Type1xxMacroTable, ShortcutsUseTheirStepsAt10ms)
{
    auto const table = Type1xx::MacroTable::Shortcut(15);
    EXPECT_EQ(Slice(table.Bytes(), 0, table.Bytes().size()),
        (Bytes { 0x01, 0x04, 0xE2, 0x0A, 0x80, 0x3D, 0x0A, 0x80, 0x3D, 0x8A, 0x00, 0xE2, 0x8A, 0x00, 0x00 }));
}

TEST(Type1xxKeyTable, EntriesOutsideTheTableAreRefused)
{
    Type1xx::KeyTable table;
    EXPECT_TRUE(table.Place(179, 0x1E, 0x20));
    EXPECT_FALSE(table.Place(180, 0x1E, 0x20));
    EXPECT_FALSE(table.Place(-1, 0x1E, 0x20));
    EXPECT_EQ(Slice(table.Bytes(), 356, 4), (Bytes { 0x00, 0x00, 0x1E, 0x20 }));
}

TEST(Type3xxKeyValue, StoredFunctionsGiveTheirValueByte)
{
    struct Case {
        KeyMacroData record;
        std::optional<std::uint8_t> value;
    };
    std::vector<Case> const cases {
        { Record(2, 0x1E, 3), 0x1E },      // modifiers stay in the database
        { Record(2, 0x11E), 0x1E },        // low byte only
        { Record(5, 1), 1 },               // left mouse button
        { Record(1, 1), 1 },               // disabled key
        { Record(6, 0), 0 },               // no value: back to default
        { Record(3, 5), std::nullopt },    // macro block instead
        { Record(7, 2), std::nullopt },    // shortcut block instead
        { Record(0, 4), std::nullopt },
    };
    for (auto const& c : cases)
        EXPECT_EQ(Type3xxKeyValue(&c.record), c.value) << c.record.macro_type << "/" << c.record.macro_value;
    EXPECT_EQ(Type3xxKeyValue(nullptr), std::optional<std::uint8_t>(0));
}

TEST(Type2xxSlots, AKeyKeepsTheSlotItHoldsElseTakesTheFirstFreeOne)
{
    Type2xx::SlotTable table;
    table.remapSlots = { 0x04, 0x00, 0x05, 0x00, 0, 0, 0, 0, 0, 0 };
    table.macroSlots = { 0x3A, 0x3B, 0x00 };
    EXPECT_EQ(ChooseRemapSlot(table, 0x05), 3);
    EXPECT_EQ(ChooseRemapSlot(table, 0x06), 2);
    EXPECT_EQ(ChooseMacroSlot(table, 0x3B), 2);
    EXPECT_EQ(ChooseMacroSlot(table, 0x06), 3);
    table.remapSlots.fill(0x09);
    EXPECT_EQ(ChooseRemapSlot(table, 0x06), 1);
    auto const held = OccupiedSlots(table, 0x3A);
    EXPECT_EQ(held.macroSlot, 1);
    EXPECT_EQ(held.remapSlot, 0);
}
