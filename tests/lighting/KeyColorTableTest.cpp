#include "lighting/KeyColorFrames.h"
#include "lighting/KeyColorTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace Tessera;

namespace {

std::vector<std::uint8_t> Slice(KeyColorTable const& table, std::size_t from, std::size_t count)
{
    auto const bytes = table.Bytes();
    return { bytes.begin() + static_cast<std::ptrdiff_t>(from), bytes.begin() + static_cast<std::ptrdiff_t>(from + count) };
}

bool AllZero(KeyColorTable const& table)
{
    auto const bytes = table.Bytes();
    return std::all_of(bytes.begin(), bytes.end(), [](auto b) { return b == 0; });
}

// A picture whose keys and colours the test sets.
struct FixedColors final : KeyColorSource {
    std::vector<KeyColor> keys;
    std::size_t CopyKeyColors(std::span<KeyColor> out) override
    {
        auto const count = std::min(out.size(), keys.size());
        std::copy_n(keys.begin(), count, out.begin());
        return count;
    }
};

}

TEST(KeyColorTable, ColourLandsAsRedGreenBlueAtThreeTimesTheIndex)
{
    KeyColorTable table;
    // COLORREF 0x00BBGGRR: red 0x11, green 0x22, blue 0x33.
    EXPECT_TRUE(table.PlaceAt(5, 0x00332211));
    EXPECT_EQ(Slice(table, 15, 3), (std::vector<std::uint8_t> { 0x11, 0x22, 0x33 }));
    EXPECT_EQ(Slice(table, 12, 3), (std::vector<std::uint8_t> { 0, 0, 0 }));
    EXPECT_EQ(Slice(table, 18, 3), (std::vector<std::uint8_t> { 0, 0, 0 }));
}

TEST(KeyColorTable, LightIndex107FillsTheLastThreeBytesOfTheSixthFrame)
{
    KeyColorTable table;
    EXPECT_TRUE(table.PlaceAt(107, 0x00CCBBAA));
    // Frame six carries table bytes 270-323.
    EXPECT_EQ(Slice(table, 321, 3), (std::vector<std::uint8_t> { 0xAA, 0xBB, 0xCC }));
}

TEST(KeyColorTable, IndicesOutsideTheTableAreRefused)
{
    KeyColorTable table;
    EXPECT_TRUE(table.PlaceAt(199, 0x00FFFFFF));
    EXPECT_EQ(Slice(table, 597, 3), (std::vector<std::uint8_t> { 0xFF, 0xFF, 0xFF }));
    table.Clear();
    EXPECT_FALSE(table.PlaceAt(200, 0x00FFFFFF));
    EXPECT_FALSE(table.PlaceAt(-1, 0x00FFFFFF));
    EXPECT_TRUE(AllZero(table));
}

TEST(KeyColorTable, KeyCodesGoThroughTheLightIndexMap)
{
    std::map<int, int> const lightIndex { { 0x04, 10 }, { 0x29, 0 }, { 0xE0, 250 } };
    struct Case {
        int keyCode;
        bool placed;
        std::size_t at;
    };
    for (auto const& c : { Case { 0x04, true, 30 }, Case { 0x29, true, 0 }, Case { 0x05, false, 0 }, Case { 0xE0, false, 0 } }) {
        KeyColorTable table;
        EXPECT_EQ(table.PlaceKey(c.keyCode, 0x00030201, lightIndex), c.placed) << c.keyCode;
        if (c.placed)
            EXPECT_EQ(Slice(table, c.at, 3), (std::vector<std::uint8_t> { 1, 2, 3 })) << c.keyCode;
        else
            EXPECT_TRUE(AllZero(table)) << c.keyCode;
    }
}

TEST(KeyColorTable, EmptyMapSendsEveryKeyToIndexZero)
{
    KeyColorTable table;
    EXPECT_TRUE(table.PlaceKey(0x04, 0x00000010, {}));
    EXPECT_TRUE(table.PlaceKey(0x05, 0x00000020, {}));
    EXPECT_EQ(Slice(table, 0, 6), (std::vector<std::uint8_t> { 0x20, 0, 0, 0, 0, 0 }));
}

TEST(StoredColors, NoRowsGiveAnAllDarkTable)
{
    KeyColorTable table;
    table.PlaceAt(3, 0x00FFFFFF);
    FillStoredColors(table, {}, { { 0x04, 3 } });
    EXPECT_TRUE(AllZero(table));
}

TEST(StoredColors, RowsArePlacedByKeyCode)
{
    KeyColorTable table;
    std::vector<KeyLightData> rows(2);
    rows[0].key_code = 0x04;
    rows[0].key_rgb = 0x000000FF;
    rows[1].key_code = 0x05;
    rows[1].key_rgb = 0x00FF0000;
    FillStoredColors(table, rows, { { 0x04, 1 }, { 0x05, 2 } });
    EXPECT_EQ(Slice(table, 3, 6), (std::vector<std::uint8_t> { 0xFF, 0, 0, 0, 0, 0xFF }));
}

TEST(LiveFrameBuilder, EachFrameStartsFromADarkTable)
{
    FixedColors picture;
    picture.keys = { { 0x04, 0x00000011 }, { 0x05, 0x00002200 } };
    std::map<int, int> const lightIndex { { 0x04, 0 }, { 0x05, 1 } };
    LiveFrameBuilder builder;
    EXPECT_EQ(Slice(builder.Build(picture, lightIndex), 0, 6), (std::vector<std::uint8_t> { 0x11, 0, 0, 0, 0x22, 0 }));

    picture.keys = { { 0x05, 0x00330000 } };
    EXPECT_EQ(Slice(builder.Build(picture, lightIndex), 0, 6), (std::vector<std::uint8_t> { 0, 0, 0, 0, 0, 0x33 }));
}

TEST(LiveFrameBuilder, KeysBeyondItsBufferAreIgnored)
{
    FixedColors picture;
    picture.keys.assign(LiveFrameBuilder::kMaxKeys + 10, KeyColor { 0x04, 0x00000001 });
    picture.keys.back() = { 0x05, 0x00000009 };
    LiveFrameBuilder builder;
    auto const& table = builder.Build(picture, { { 0x04, 0 }, { 0x05, 1 } });
    EXPECT_EQ(Slice(table, 0, 6), (std::vector<std::uint8_t> { 1, 0, 0, 0, 0, 0 }));
}
