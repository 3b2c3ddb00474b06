#include "LumoTestSupport.h"

#include <gtest/gtest.h>

using namespace LumoTest;

namespace {

// Ends itself from its own message loop with the given call.
class SelfClosingDialog : public MDialog {
public:
    explicit SelfClosingDialog(void (MDialog::*end)()) : m_end(end) { }
    int OnInitDialog() override
    {
        MDialog::OnInitDialog();
        (this->*m_end)();
        return 1;
    }

private:
    void (MDialog::*m_end)();
};

}

TEST(ShowModal, ResultCodesOfTheEndingCalls)
{
    TestDriver driver;
    struct Case {
        void (MDialog::*end)();
        unsigned result;
    } const cases[] = {
        { &MDialog::DoOK, IDOK },
        { &MDialog::DoCancel, IDCANCEL },
        { &MDialog::DoClose, IDCANCEL },
        { &MDialog::DoYes, IDYES },
        { &MDialog::DoNo, IDNO },
    };
    for (auto const& c : cases) {
        SelfClosingDialog dialog(c.end);
        ASSERT_NE(dialog.Create(nullptr, L"modal", WS_POPUP, 0, CRect(0, 0, 200, 100)), nullptr);
        EXPECT_EQ(dialog.ShowModal(SW_SHOW), c.result);
        EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
    }
}

TEST(ShowModal, WithoutAWindowReturnsMinusOne)
{
    TestDriver driver;
    RecordingDialog dialog;
    EXPECT_EQ(dialog.ShowModal(SW_SHOW), 0xFFFFFFFFu);
}

TEST(ShowModal, QuitEndsTheNestedLoopAndTheOuterLoop)
{
    TestDriver driver;
    RecordingDialog owner;
    owner.Create(nullptr, L"owner", WS_POPUP, 0, CRect(0, 0, 300, 200));
    owner.ShowWindow(SW_SHOW);

    struct Inner : MDialog {
        int OnInitDialog() override
        {
            MDialog::OnInitDialog();
            PostQuitMessage(7);
            return 1;
        }
    } inner;
    inner.Create(owner.GetSafeHwnd(), L"inner", WS_POPUP, 0, CRect(10, 10, 110, 60));

    unsigned result = inner.ShowModal(SW_SHOW);
    EXPECT_EQ(result, 0u);
    EXPECT_TRUE(owner.IsWindowEnabled());
    // The quit was posted again: the outer loop ends with its code.
    EXPECT_EQ(Manager::MessageLoop(), 7);
    inner.DestroyWindow();
}

TEST(ShowModal, OwnerIsDisabledWhileTheModalLoopRuns)
{
    TestDriver driver;
    RecordingDialog owner;
    owner.Create(nullptr, L"owner", WS_POPUP, 0, CRect(0, 0, 300, 200));
    owner.ShowWindow(SW_SHOW);

    struct Inner : MDialog {
        MDialog* owner { nullptr };
        int seen_enabled { -1 };
        void OnTimer(unsigned id) override
        {
            if (id != 5)
                return;
            KillTimer(5);
            seen_enabled = owner->IsWindowEnabled() ? 1 : 0;
            DoOK();
        }
    } inner;
    inner.owner = &owner;
    inner.Create(owner.GetSafeHwnd(), L"inner", WS_POPUP, 0, CRect(10, 10, 110, 60));
    inner.SetTimer(5, 1);
    EXPECT_EQ(inner.ShowModal(SW_SHOW), IDOK);
    EXPECT_EQ(inner.seen_enabled, 0);
    EXPECT_TRUE(owner.IsWindowEnabled());
}

TEST(Dialog, ShadowSizeOutsideTheRangeIsRefused)
{
    RecordingDialog dialog;
    EXPECT_EQ(dialog.SetSize(35), 1);
    EXPECT_EQ(dialog.SetSize(36), 0);
    EXPECT_EQ(dialog.GetShadowSize(), 35);
    EXPECT_EQ(dialog.SetSize(-36), 0);
}

TEST(Dialog, CenterWindowKeepsALargeWindowOnTheWorkArea)
{
    TestDriver driver;
    RecordingDialog dialog;
    CRect work = GetWorkArea(CPoint(0, 0));
    dialog.Create(nullptr, L"big", WS_POPUP, 0, CRect(0, 0, work.Width() + 300, work.Height() + 200));
    dialog.CenterWindow();
    CRect rc;
    dialog.GetWindowRect(rc);
    EXPECT_EQ(rc.left, work.left);
    EXPECT_EQ(rc.top, work.top);
}

TEST(Dialog, CenterWindowCentresOverAVisibleOwner)
{
    TestDriver driver;
    RecordingDialog owner;
    owner.Create(nullptr, L"owner", WS_POPUP, 0, CRect(100, 100, 500, 400));
    owner.ShowWindow(SW_SHOW);
    RecordingDialog child;
    child.Create(owner.GetSafeHwnd(), L"child", WS_POPUP, 0, CRect(0, 0, 100, 50));
    child.CenterWindow();
    CRect rc;
    child.GetWindowRect(rc);
    EXPECT_EQ(rc, CRect(250, 225, 350, 275));
}

TEST(Dialog, DestroyedWindowWrappersDoNothing)
{
    TestDriver driver;
    RecordingDialog dialog;
    CRect rc(1, 2, 3, 4);
    EXPECT_FALSE(dialog.GetWindowRect(rc));
    EXPECT_EQ(rc, CRect(1, 2, 3, 4));
    EXPECT_FALSE(dialog.PostMessageW(WM_USER));
    EXPECT_EQ(dialog.SendMessageW(WM_USER), 0);
    EXPECT_EQ(dialog.ModifyStyle(0, WS_VISIBLE), 0);
}

TEST(Dialog, CreateStripsCaptionAndSizingFrame)
{
    TestDriver driver;
    RecordingDialog dialog;
    dialog.Create(nullptr, L"styled", WS_POPUP | WS_CAPTION | WS_THICKFRAME, 0, CRect(0, 0, 50, 50));
    EXPECT_EQ(dialog.GetStyle() & (WS_CAPTION | WS_THICKFRAME), 0u);
    EXPECT_NE(dialog.GetStyle() & WS_CLIPCHILDREN, 0u);
}
