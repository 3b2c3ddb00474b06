#include "ControlsFixture.h"

#include <lumoui/CirclePalette.h>

#include <gtest/gtest.h>

using namespace LumoUI;

namespace ControlsTest {

namespace {

// A 140 × 140 wheel image: left half red, right half blue.
class PaletteTest : public ::testing::Test, public ControlsFixture {
protected:
    void SetUp() override
    {
        std::vector<uint32_t> pixels(140 * 140);
        for (int y = 0; y < 140; ++y)
            for (int x = 0; x < 140; ++x)
                pixels[y * 140 + x] = x < 70 ? 0xFFFF0000 : 0xFF0000FF;
        WriteSkin("img_circlepalette.png", MImage::FromARGB(140, 140, pixels));
        palette = Create<CirclePalette>(L"CirclePalette", 111, CRect(30, 30, 170, 170));
        ASSERT_EQ(palette->SetImage(L"img_circlepalette.png", 1), 1);
    }

    CirclePalette* palette { nullptr };
    CPoint const centre { 100, 100 };
};

TEST_F(PaletteTest, PressInsideTheRadiusReportsTheDrawnColour)
{
    Click({ 60, 100 });  // 40 left of the centre: red
    Click({ 150, 120 }); // distance 53: blue
    EXPECT_EQ(dialog->notices, (std::vector<Notice> {
                                   { 111, NOTIFY_COLORCHANGED, 0, static_cast<LPARAM>(RGB(255, 0, 0)) },
                                   { 111, NOTIFY_COLORCHANGED, 0, static_cast<LPARAM>(RGB(0, 0, 255)) },
                               }));
    EXPECT_EQ(palette->GetThumbPoint(), CPoint(150, 120));
}

TEST_F(PaletteTest, PointsBeyond65PixelsAreIgnored)
{
    // (146, 146): 46² + 46² = 4232, distance 65.05 → 65, accepted;
    // (150, 145): 50² + 45² = 4525, distance 67.3, ignored.
    Click({ 150, 145 });
    EXPECT_TRUE(dialog->notices.empty());
    Click({ 146, 146 });
    EXPECT_EQ(dialog->notices.size(), 1u);
}

TEST_F(PaletteTest, SmallDragMovesAreIgnored)
{
    Click({ 120, 100 });
    dialog->notices.clear();
    Press({ 120, 100 }); // on the thumb: starts a drag
    Move({ 125, 104 });  // 5 and 4: ignored
    Move({ 126, 100 });  // 6: taken
    Move({ 300, 300 });  // outside the radius: ignored
    Release({ 300, 300 });
    ASSERT_EQ(dialog->notices.size(), 2u);
    EXPECT_EQ(palette->GetThumbPoint(), CPoint(126, 100));
    EXPECT_FALSE(palette->IsDragging());
}

}

}
