// Pixels of the keyboard picture's display modes. The picture is black; the
// fixture's key A spans (40, 30)-(90, 80) on screen, B (100, 30)-(150, 80),
// C (40, 90)-(90, 140).
#include "KeyboardFixture.h"

using namespace LumoUI;
using namespace KeyboardTests;

namespace {

constexpr ARGB kCyan = 0xFF00FFFF;
constexpr ARGB kRed = 0xFFFF0000;
constexpr ARGB kTileBlue = 0xFF007ACC;

// The outline is two pixels wide on the key's edge; anti-aliasing may soften
// one of them, so look for the colour on a short horizontal run across it.
bool HasColourAcross(MImage const& image, CPoint edge, ARGB color)
{
    for (int dx = -2; dx <= 2; ++dx)
        if (image.GetPixel(edge.x + dx, edge.y) == color)
            return true;
    return false;
}

int GreenAcross(MImage const& image, CPoint edge)
{
    int best = 0;
    for (int dx = -2; dx <= 2; ++dx)
        best = std::max(best, static_cast<int>((image.GetPixel(edge.x + dx, edge.y) >> 8) & 0xFF));
    return best;
}

class KeyboardPaintTest : public KeyboardFixture {
protected:
    MImage Paint() { return window.GetPaintManager().PaintToImage(); }
    static constexpr CPoint kLeftEdgeA { 40, 55 };
    static constexpr CPoint kLeftEdgeB { 100, 55 };
    static constexpr CPoint kLeftEdgeC { 40, 115 };
};

TEST_F(KeyboardPaintTest, TilesModeFillsEveryKeyWithoutPicture)
{
    keyboard->SetKeyboardCtrlMode(KBMODE_NONE);
    MImage image = Paint();
    EXPECT_EQ(image.GetPixel(43, 33), kTileBlue);
    EXPECT_EQ(image.GetPixel(147, 77), kTileBlue);
    EXPECT_NE(image.GetPixel(95, 85), kTileBlue) << "the gap between keys stays background";
}

TEST_F(KeyboardPaintTest, KeySelectionModeOutlinesCheckedKeysAndFramesMarkedOnes)
{
    keyboard->SetKeyboardCtrlMode(KBMODE_CUSTOM);
    keyboard->SetKeyCheck(4, 1);
    keyboard->GetKeyItems()[2]->mark = 1;
    MImage image = Paint();
    EXPECT_TRUE(HasColourAcross(image, kLeftEdgeA, kCyan));
    EXPECT_FALSE(HasColourAcross(image, kLeftEdgeB, kCyan)) << "B is neither checked, hovered nor selected";
    EXPECT_TRUE(HasColourAcross(image, kLeftEdgeC, kRed));
    EXPECT_EQ(image.GetPixel(65, 55), 0xFF000000u) << "outlines are not filled";
}

TEST_F(KeyboardPaintTest, HoveredKeyIsOutlinedInKeySelectionMode)
{
    keyboard->SetKeyboardCtrlMode(KBMODE_CUSTOM);
    driver.MouseMove(Hwnd(), kOnB);
    Pump();
    EXPECT_TRUE(HasColourAcross(Paint(), kLeftEdgeB, kCyan));
}

TEST_F(KeyboardPaintTest, PictureModesDrawNothingWithoutPicture)
{
    keyboard->SetKeyboardCtrlMode(KBMODE_CUSTOM);
    keyboard->SetKeyCheck(4, 1);
    keyboard->SetKeyboardImage(MImage());
    MImage image = Paint();
    EXPECT_FALSE(HasColourAcross(image, kLeftEdgeA, kCyan));
    EXPECT_EQ(image.GetPixel(65, 55), image.GetPixel(500, 500)) << "only the window background shows";
}

TEST_F(KeyboardPaintTest, LightingModeTakesOutlineAlphaFromTheCurrentFrame)
{
    keyboard->SetKeyboardCtrlMode(KBMODE_LIGHT);
    uint8_t const frames[] = { 0x80, 0xFF, 0x00, /* frame 1 */ 0x20, 0x40, 0xFF };
    keyboard->SetLightModeData(frames, 6);
    keyboard->SetLightSpeed(7);
    MImage image = Paint();
    // (A, 0, 255, 255) over black gives green = A.
    EXPECT_NEAR(GreenAcross(image, kLeftEdgeA), 0x80, 3);
    EXPECT_NEAR(GreenAcross(image, kLeftEdgeB), 0xFF, 3);
    EXPECT_NEAR(GreenAcross(image, kLeftEdgeC), 0x00, 3);

    keyboard->OnControlTimer();
    image = Paint();
    EXPECT_NEAR(GreenAcross(image, kLeftEdgeA), 0x20, 3);
    EXPECT_NEAR(GreenAcross(image, kLeftEdgeB), 0x40, 3);
}

TEST_F(KeyboardPaintTest, LightingModeWithoutFramesOutlinesInFullCyan)
{
    keyboard->SetKeyboardCtrlMode(KBMODE_LIGHT);
    EXPECT_TRUE(HasColourAcross(Paint(), kLeftEdgeC, kCyan));
}

TEST_F(KeyboardPaintTest, PaintAndMusicModesOutlineEachKeyInItsColour)
{
    keyboard->SetKeyColor(4, 0x0000FF); // COLORREF red
    keyboard->SetKeyColor(5, 0xFF0000); // COLORREF blue
    for (int mode : { KBMODE_USERLIGHT, KBMODE_MUSIC }) {
        keyboard->SetKeyboardCtrlMode(mode);
        MImage image = Paint();
        EXPECT_TRUE(HasColourAcross(image, kLeftEdgeA, 0xFFFF0000)) << "mode " << mode;
        EXPECT_TRUE(HasColourAcross(image, kLeftEdgeB, 0xFF0000FF)) << "mode " << mode;
    }
}

TEST_F(KeyboardPaintTest, UnknownModeDrawsOnlyTheBackground)
{
    keyboard->SetKeyboardCtrlMode(KBMODE_NONE);
    MImage tiles = Paint();
    keyboard->SetKeyboardCtrlMode(99);
    MImage image = Paint();
    EXPECT_NE(tiles.GetPixel(43, 33), image.GetPixel(43, 33));
    EXPECT_EQ(image.GetPixel(43, 33), image.GetPixel(500, 500));
}

}
