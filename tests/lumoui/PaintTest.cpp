#include "LumoTestSupport.h"

#include <test_support/TempDir.h>

#include <gtest/gtest.h>

using namespace LumoTest;

namespace {

// A 12 × 12 source: 3-pixel corners red (TL), green (TR), blue (BL),
// white (BR); edges yellow; centre black.
MImage NineGridSource()
{
    std::vector<uint32_t> px(144);
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 12; ++x) {
            bool left = x < 3, right = x >= 9, top = y < 3, bottom = y >= 9;
            uint32_t c = 0xFF000000;
            if (left && top) c = 0xFFFF0000;
            else if (right && top) c = 0xFF00FF00;
            else if (left && bottom) c = 0xFF0000FF;
            else if (right && bottom) c = 0xFFFFFFFF;
            else if (left || right || top || bottom) c = 0xFFFFFF00;
            px[y * 12 + x] = c;
        }
    }
    return MImage::FromARGB(12, 12, px);
}

}

TEST(NineGrid, CornersStayUnscaledAndTheCentreStretches)
{
    MImage target = MImage::Create(40, 30);
    {
        MGraphics g(target);
        g.DrawImageFrame(NineGridSource(), CRect(0, 0, 40, 30), CRect(0, 0, 12, 12), 3);
    }
    struct Probe {
        int x, y;
        ARGB color;
    } const probes[] = {
        { 0, 0, 0xFFFF0000 }, { 2, 2, 0xFFFF0000 }, { 3, 3, 0xFF000000 },
        { 37, 0, 0xFF00FF00 }, { 39, 2, 0xFF00FF00 }, { 36, 2, 0xFFFFFF00 },
        { 0, 27, 0xFF0000FF }, { 2, 29, 0xFF0000FF },
        { 37, 27, 0xFFFFFFFF }, { 39, 29, 0xFFFFFFFF },
        { 20, 1, 0xFFFFFF00 }, { 1, 15, 0xFFFFFF00 }, { 38, 15, 0xFFFFFF00 }, { 20, 28, 0xFFFFFF00 },
        { 20, 15, 0xFF000000 }, { 33, 24, 0xFF000000 },
    };
    for (auto const& p : probes)
        EXPECT_EQ(target.GetPixel(p.x, p.y), p.color) << p.x << "," << p.y;
}

TEST(Painting, FrameColoursWithoutABackgroundImage)
{
    Window w;
    w.dialog->GetPaintManager().SetBackColor(RGB(9, 13, 19), RGB(16, 168, 253));
    w.driver.RunUntilIdle();
    MImage shot = w.driver.Capture(w.hwnd);
    ASSERT_FALSE(shot.IsNull());
    // Alpha 254 on both; the colours come through unchanged (within rounding).
    EXPECT_EQ(shot.GetPixel(0, 0) & 0xFFFFFF, 0x10A8FDu);
    EXPECT_EQ(shot.GetPixel(399, 150) & 0xFFFFFF, 0x10A8FDu);
    EXPECT_EQ(shot.GetPixel(1, 1) & 0xFFFFFF, 0x090D13u);
    EXPECT_EQ(shot.GetPixel(200, 150) & 0xFFFFFF, 0x090D13u);
}

TEST(Painting, RepaintCoversTheChangedControlAndThoseAboveIt)
{
    Window w;
    auto* low = AddTopLevel<RecordingControl>(*w.dialog, 1, CRect(10, 10, 50, 50));
    auto* above = AddTopLevel<RecordingControl>(*w.dialog, 2, CRect(40, 40, 90, 90));
    auto* apart = AddTopLevel<RecordingControl>(*w.dialog, 3, CRect(200, 200, 220, 220));
    low->fill = 0xFFFF0000;
    above->fill = 0xFF00FF00;
    w.driver.RunUntilIdle();
    int lowDraws = low->draws, aboveDraws = above->draws, apartDraws = apart->draws;
    low->UpdateControl(1, 0);
    w.driver.RunUntilIdle();
    auto& pm = w.dialog->GetPaintManager();
    EXPECT_EQ(pm.GetLastPaintRect(), CRect(10, 10, 90, 90));
    EXPECT_EQ(low->draws, lowDraws + 1);
    EXPECT_EQ(above->draws, aboveDraws + 1);
    EXPECT_EQ(apart->draws, apartDraws);
    MImage shot = w.driver.Capture(w.hwnd);
    EXPECT_EQ(shot.GetPixel(45, 45), 0xFF00FF00u); // the upper control stays on top
    EXPECT_EQ(shot.GetPixel(15, 15), 0xFFFF0000u);
}

TEST(Painting, SetVisibleWithTheSameValueRequestsNoRepaint)
{
    Window w;
    auto* c = AddTopLevel<RecordingControl>(*w.dialog, 1, CRect(10, 10, 50, 50));
    w.driver.RunUntilIdle();
    uint64_t paints = w.dialog->GetPaintManager().GetPaintCount();
    c->SetVisible(1);
    w.driver.RunUntilIdle();
    EXPECT_EQ(w.dialog->GetPaintManager().GetPaintCount(), paints);
    c->SetVisible(0);
    w.driver.RunUntilIdle();
    EXPECT_EQ(w.dialog->GetPaintManager().GetPaintCount(), paints + 1);
}

TEST(Painting, TextInEnglishAndChineseLeavesInk)
{
    for (CString text : { CString(L"Profile"), CString(L"\u914D\u7F6E\u6587\u4EF6") }) {
        MImage image = MImage::Create(120, 30);
        {
            MGraphics g(image);
            g.DrawText(text, CRect(0, 0, 120, 30), MFont { L"", 16, FontStyleRegular }, 0xFFFFFFFF, DT_LEFT | DT_VCENTER);
        }
        int ink = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 120; ++x)
                ink += (image.GetPixel(x, y) >> 24) > 128;
        EXPECT_GT(ink, 40) << ToUtf8(text);
        EXPECT_GT(MGraphics::MeasureText(text, MFont { L"", 16 }).cx, 30);
    }
}

struct ImageCache : ::testing::Test {
    TestSupport::TempDir dir;
    Window<> w;

    void SetUp() override
    {
        Manager::SetAppDirectory(dir.path().wstring());
        std::filesystem::create_directories(dir.path() / "skins" / "theme1" / "icon");
        std::vector<uint32_t> px(80 * 10, 0xFF336699);
        ASSERT_TRUE(MImage::FromARGB(80, 10, px).SavePng((dir.path() / "skins/theme1/icon/strip.png").wstring()));
    }
    void TearDown() override { Manager::SetAppDirectory(L""); }
};

TEST_F(ImageCache, FirstLoadFixesTheFrameCount)
{
    auto* a = AddTopLevel<MControlFont>(*w.dialog, 1, CRect(0, 0, 20, 10));
    auto* b = AddTopLevel<MControlFont>(*w.dialog, 2, CRect(0, 0, 20, 10));
    ASSERT_EQ(a->SetImage(L"icon/strip.png", 4), 1);
    ASSERT_EQ(b->SetImage(L"icon/strip.png", 2), 1);
    EXPECT_EQ(a->GetImageSize(), CSize(20, 10));
    EXPECT_EQ(b->GetImageSize(), CSize(20, 10));
    EXPECT_EQ(b->GetImageCount(), 4);
    EXPECT_EQ(w.dialog->GetPaintManager().GetImageCacheSize(), 1u);
}

TEST_F(ImageCache, MissingFileKeepsThePreviousImageAndCachesNothing)
{
    auto* a = AddTopLevel<MControlFont>(*w.dialog, 1, CRect(0, 0, 20, 10));
    ASSERT_EQ(a->SetImage(L"icon/strip.png", 4), 1);
    EXPECT_EQ(a->SetImage(L"icon/none.png", 1), 0);
    EXPECT_EQ(a->GetImagePath(), L"icon/strip.png");
    EXPECT_EQ(w.dialog->GetPaintManager().GetImageCacheSize(), 1u);
}

TEST_F(ImageCache, BackgroundImageFallsBackToColoursWhenMissing)
{
    EXPECT_EQ(w.dialog->LoadBKImage(L"nothing.png"), 0);
    EXPECT_EQ(w.dialog->LoadBKImage(L"icon/strip.png"), 1);
}

TEST_F(ImageCache, BackslashSkinNamesFindTheSameFile)
{
    auto* a = AddTopLevel<MControlFont>(*w.dialog, 1, CRect(0, 0, 20, 10));
    auto* b = AddTopLevel<MControlFont>(*w.dialog, 2, CRect(0, 0, 20, 10));
    ASSERT_EQ(a->SetImage(L"icon\\strip.png", 4), 1);
    ASSERT_EQ(b->SetImage(L"icon/strip.png", 4), 1);
    EXPECT_EQ(a->GetImageSize(), CSize(20, 10));
    EXPECT_EQ(w.dialog->GetPaintManager().GetImageCacheSize(), 1u);
    EXPECT_EQ(w.dialog->LoadBKImage(L"icon\\strip.png"), 1);
    EXPECT_EQ(PaintManager::GetSkinFile(L"keyboard\\tk301.png"), PaintManager::GetSkinFolder() + L"keyboard/tk301.png");
}

TEST(EmbeddedResources, ScrollBarImagesAreBuiltIn)
{
    EXPECT_EQ(MRender::LoadImageFromIDResource(101, L"PNG").Size(), CSize(40, 7));
    EXPECT_EQ(MRender::LoadImageFromIDResource(102, L"PNG").Size(), CSize(7, 40));
    EXPECT_TRUE(MRender::LoadImageFromIDResource(103, L"PNG").IsNull());
}

TEST(Render, PureBlackNeverMatchesABlackColourKey)
{
    COLORREF black = 0;
    MRender::CheckAlphaColor(black);
    EXPECT_EQ(black, 0x000001u);
    COLORREF red = RGB(255, 0, 0);
    MRender::CheckAlphaColor(red);
    EXPECT_EQ(red, RGB(255, 0, 0));
}

TEST(Painting, ShapesDrawnAfterTextAreNotJoinedToIt)
{
    using Draw = void (*)(MGraphics&, CRect);
    struct Case {
        char const* name;
        Draw draw;
    } const cases[] = {
        { "ellipse", [](MGraphics& g, CRect rc) { g.DrawEllipse(rc, 0xFFFF0000, 2.0f); } },
        { "filled ellipse", [](MGraphics& g, CRect rc) { g.FillEllipse(rc, 0xFFFF0000); } },
        { "arc", [](MGraphics& g, CRect rc) { g.DrawArc(rc, 0, 270, 0xFFFF0000, 2.0f); } },
        { "pie", [](MGraphics& g, CRect rc) { g.FillPie(rc, 45, 90, 0xFFFF0000); } },
    };
    for (auto const& c : cases) {
        MImage target = MImage::Create(200, 60);
        {
            MGraphics g(target);
            g.DrawText(L"Text", CRect(0, 0, 60, 20), MFont { L"", 12 }, 0xFFFFFFFF, DT_LEFT | DT_TOP);
            c.draw(g, CRect(150, 20, 190, 58));
        }
        // Between the text and the shape nothing may be drawn.
        int painted = 0;
        for (int y = 0; y < 60; ++y)
            for (int x = 70; x < 140; ++x)
                painted += target.GetPixel(x, y) != 0 ? 1 : 0;
        EXPECT_EQ(painted, 0) << c.name;
        int shape = 0;
        for (int y = 20; y < 58; ++y)
            for (int x = 150; x < 190; ++x)
                shape += target.GetPixel(x, y) != 0 ? 1 : 0;
        EXPECT_GT(shape, 20) << c.name;
    }
}

TEST(CaptionFont, EmbeddedFontIsOpenSansAtSemiboldWeight)
{
    // fonts-open-sans is a dependency of the toolkit.
    Window w; // initialising a paint manager installs the caption font
    ASSERT_EQ(w.dialog->GetPaintManager().AddGDITempFont(106), 1);
    CString const text = L"Keyboard lighting and macros";
    int const regular = MGraphics::MeasureText(text, MFont { L"Open Sans", 20 }).cx;
    int const semibold = MGraphics::MeasureText(text, MFont { L"Open Sans Semibold", 20 }).cx;
    int const bold = MGraphics::MeasureText(text, MFont { L"Open Sans", 20, FontStyleBold }).cx;
    EXPECT_GT(semibold, regular);
    EXPECT_LT(semibold, bold);
}
