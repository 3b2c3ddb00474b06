#include "ControlsFixture.h"

#include <lumoui/MSlider.h>
#include <lumoui/MTabCtrl.h>

#include <gtest/gtest.h>

using namespace LumoUI;

namespace ControlsTest {

namespace {

class SliderTest : public ::testing::Test, public ControlsFixture {
protected:
    // 214 wide with the 14-pixel plain thumb: 200 pixels of travel, so with
    // the range 0..100 every 2 pixels are one step.
    MSlider* slider = Create<MSlider>(L"MSlider", 79, CRect(10, 10, 224, 30));
};

TEST_F(SliderTest, SetProgressClampsToTheMaximumAndIgnoresNegatives)
{
    struct Case {
        int value;
        int expected;
    };
    Case const cases[] = { { 40, 40 }, { 150, 100 }, { -1, 100 }, { 0, 0 }, { 100, 100 } };
    for (Case const& c : cases) {
        EXPECT_EQ(slider->SetProgress(c.value), c.expected) << c.value;
        EXPECT_EQ(slider->GetProgress(), c.expected) << c.value;
    }
    EXPECT_TRUE(dialog->notices.empty());
}

TEST_F(SliderTest, DraggingReportsPositionsAndReleaseClicks)
{
    slider->SetProgress(0);
    CRect const thumb = slider->GetThumbRect();
    ASSERT_EQ(thumb, CRect(10, 13, 24, 27));
    Press({ 17, 20 });
    Move({ 117, 20 }); // 100 pixels right = 50
    Move({ 500, 20 }); // past the end = 100
    Release({ 500, 20 });
    EXPECT_EQ(dialog->notices, (std::vector<Notice> {
                                   { 79, NOTIFY_POSCHANGED, 50, 0 },
                                   { 79, NOTIFY_POSCHANGED, 100, 0 },
                                   { 79, NOTIFY_CLICK, 100, 0 },
                               }));
}

TEST_F(SliderTest, PressOnTheTrackMovesTheThumbThere)
{
    Press({ 67, 20 }); // centre of the thumb at 67: (67 - 17) / 2 = 25
    Release({ 67, 20 });
    EXPECT_EQ(slider->GetProgress(), 25);
    EXPECT_EQ(dialog->notices.front(), (Notice { 79, NOTIFY_POSCHANGED, 25, 0 }));
}

TEST_F(SliderTest, RangeChangeClampsThePosition)
{
    slider->SetProgress(90);
    slider->SetMaxValue(50);
    EXPECT_EQ(slider->GetProgress(), 50);
    slider->SetRange(60, 10); // inverted: ignored
    EXPECT_EQ(slider->GetMaxValue(), 50);
}

TEST_F(SliderTest, MissingThumbImageKeepsThePreviousThumb)
{
    WriteSkin("img_thumb.png", StripImage(10, 10, { 0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF808080 }));
    ASSERT_EQ(slider->SetThumbImage(L"img_thumb.png"), 1);
    EXPECT_EQ(slider->SetThumbImage(L"missing.png"), 0);
    slider->SetProgress(0);
    EXPECT_EQ(slider->GetThumbRect().Width(), 10);
    EXPECT_EQ(Capture().GetPixel(15, 20), 0xFFFF0000u);
}

// ---- tab bar ----

class TabTest : public ::testing::Test, public ControlsFixture {
protected:
    void SetUp() override
    {
        tabs = Create<MTabCtrl>(L"MTabCtrl", 49, CRect(0, 0, 600, 40));
        for (int i = 0; i < 3; ++i) {
            pages[i] = Create<MTabLayout>(L"MTabLayout", 300 + i, CRect(0, 40, 600, 400));
            tabs->InsertItem(50 + i, L"tab", nullptr, pages[i], 100, 0);
        }
        tabs->SetSelectItem(0);
        dialog->notices.clear();
    }

    MTabCtrl* tabs { nullptr };
    MTabLayout* pages[3] {};
};

TEST_F(TabTest, SelectingTheCurrentItemReturnsItAndSendsNothing)
{
    EXPECT_EQ(tabs->SetSelectItem(0), 0);
    EXPECT_TRUE(dialog->notices.empty());
}

TEST_F(TabTest, SelectingAnotherItemSwitchesPages)
{
    EXPECT_EQ(tabs->SetSelectItem(2), 0);
    EXPECT_EQ(tabs->GetSelectItem(), 2);
    EXPECT_EQ(tabs->GetPrevSelectItem(), 0);
    EXPECT_EQ(dialog->notices, (std::vector<Notice> { { 49, NOTIFY_CLICK, 2, 0 } }));
    EXPECT_EQ(pages[0]->IsVisible(), 0);
    EXPECT_EQ(pages[1]->IsVisible(), 0);
    EXPECT_EQ(pages[2]->IsVisible(), 1);
}

TEST_F(TabTest, InvalidIndexesChangeNothing)
{
    EXPECT_EQ(tabs->SetSelectItem(3), 0);
    EXPECT_EQ(tabs->SetSelectItem(-1), 0);
    EXPECT_EQ(tabs->GetItemInfo(3), nullptr);
    EXPECT_EQ(tabs->GetItemID(-1), 0u);
    EXPECT_TRUE(dialog->notices.empty());
}

TEST_F(TabTest, ItemsAreLaidOutFromThePadding)
{
    tabs->SetLeftRightPading(20, 5);
    tabs->SetTopBottomPading(4, 6);
    EXPECT_EQ(tabs->GetItemInfo(0)->rect, CRect(20, 4, 120, 34));
    EXPECT_EQ(tabs->GetItemInfo(1)->rect, CRect(125, 4, 225, 34));
    tabs->SetItemVisible(1, 0);
    EXPECT_EQ(tabs->GetItemInfo(2)->rect, CRect(125, 4, 225, 34));
}

TEST_F(TabTest, PressOnAnItemSendsTabPressThenSelects)
{
    // Items start at the default left padding of 10, 100 wide, 10 apart.
    Click({ 130, 20 });
    EXPECT_EQ(dialog->notices, (std::vector<Notice> { { 49, NOTIFY_TABPRESS, 1, 0 }, { 49, NOTIFY_CLICK, 1, 0 } }));
    EXPECT_EQ(pages[1]->IsVisible(), 1);
}

TEST_F(TabTest, HiddenItemsTakeNoPress)
{
    tabs->SetItemVisible(1, 0);
    Click({ 130, 20 }); // now item 2
    EXPECT_EQ(tabs->GetSelectItem(), 2);
}

TEST_F(TabTest, ChangeAnimationRunsTimer100AndEnds)
{
    tabs->SetChangeAnimation(1);
    tabs->SetSelectItem(1);
    EXPECT_TRUE(tabs->IsAnimating());
    driver.RunFor(400);
    EXPECT_FALSE(tabs->IsAnimating());
}

}

}
