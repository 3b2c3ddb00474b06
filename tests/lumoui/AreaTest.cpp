#include "LumoTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace LumoTest;

namespace {

constexpr ARGB kBackground = 0xFF000000;
constexpr COLORREF kBand = 0x78500C; // R 0x0C, G 0x50, B 0x78

// Draws the area over a black 100 × 40 picture.
MImage Paint(CArea& area)
{
    area.SetControlRect(CRect(0, 0, 100, 40));
    MImage target = MImage::Create(100, 40);
    MGraphics g(target);
    g.FillRect(CRect(0, 0, 100, 40), kBackground);
    area.DrawControl(g, CRect(0, 0, 100, 40));
    return target;
}

void ExpectNear(ARGB actual, ARGB expected, char const* where)
{
    for (int shift : { 0, 8, 16, 24 }) {
        int a = static_cast<int>((actual >> shift) & 0xFF);
        int e = static_cast<int>((expected >> shift) & 0xFF);
        EXPECT_LE(std::abs(a - e), 2) << where << std::hex << " got 0x" << actual << " want 0x" << expected;
    }
}

}

TEST(Area, EvenTransparencyTintsTheBackground)
{
    struct Case {
        int percent;
        ARGB expected;
    } const cases[] = {
        { 50, 0xFF06283C }, // half of 0x0C, 0x50, 0x78
        { 30, 0xFF041824 },
        { 100, 0xFF0C5078 },
        { 0, 0xFF000000 },
        { 150, 0xFF0C5078 }, // clamped
    };
    for (auto const& c : cases) {
        CArea area;
        area.SetTransparent(c.percent, c.percent, kBand);
        MImage shot = Paint(area);
        ExpectNear(shot.GetPixel(5, 5), c.expected, "top left");
        ExpectNear(shot.GetPixel(94, 34), c.expected, "bottom right");
    }
}

TEST(Area, TransitionRunsTopToBottomOrLeftToRight)
{
    CArea vertical;
    vertical.SetTransparent(0, 100, kBand);
    MImage v = Paint(vertical);
    ExpectNear(v.GetPixel(50, 0), 0xFF000000, "vertical top");
    ExpectNear(v.GetPixel(50, 39), 0xFF0C4F76, "vertical bottom"); // 39.5 of 40 rows
    ExpectNear(v.GetPixel(0, 20), v.GetPixel(99, 20), "vertical row is even");

    CArea horizontal;
    horizontal.SetTransparent(100, 0, kBand);
    horizontal.SetTransitionHorizontal(true);
    MImage h = Paint(horizontal);
    ExpectNear(h.GetPixel(0, 20), 0xFF0C4F77, "horizontal left");
    ExpectNear(h.GetPixel(99, 20), 0xFF000000, "horizontal right");
    ExpectNear(h.GetPixel(50, 0), h.GetPixel(50, 39), "horizontal column is even");
}

TEST(Area, FrameDrawsInsideTheRectangleInItsOwnColour)
{
    CArea area;
    area.SetTransparent(100, 100, kBand);
    area.SetFrame(2, 0xFFFF0000, 0);
    MImage shot = Paint(area);
    ExpectNear(shot.GetPixel(0, 0), 0xFFFF0000, "corner");
    ExpectNear(shot.GetPixel(1, 20), 0xFFFF0000, "left edge");
    ExpectNear(shot.GetPixel(99, 39), 0xFFFF0000, "far corner");
    ExpectNear(shot.GetPixel(2, 20), 0xFF0C5078, "inside");

    area.SetFrame(2, 0xFFFF0000, 10); // rounded: the corner stays unframed
    shot = Paint(area);
    ExpectNear(shot.GetPixel(0, 0), 0xFF0C5078, "rounded corner");
    ExpectNear(shot.GetPixel(0, 20), 0xFFFF0000, "rounded left edge");

    area.SetFrame(0, 0xFFFF0000, 0);
    shot = Paint(area);
    ExpectNear(shot.GetPixel(0, 0), 0xFF0C5078, "no frame");
}
