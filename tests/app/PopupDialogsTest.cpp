// The message box, the wait dialog and the closing of the program's pop-ups.
#include "MainWindowFixture.h"

#include "app/CloseWindowTipDlg.h"
#include "app/CUIMessageBox.h"
#include "app/PopupWindows.h"
#include "app/WaitDlg.h"

#include <lumoui/MPicture.h>

#include <thread>

using namespace MainWindowTest;

namespace {

class PopupDialogs : public MainWindowFixture { };

}

TEST_F(PopupDialogs, MessageBoxButtonsAndResultsByStyle)
{
    struct Case {
        int style;
        std::vector<unsigned> buttons;
        std::vector<int> texts;
        unsigned clicked; // 0: closed with Escape
        int result;
    } const cases[] = {
        { kMessageBoxOk, { 33 }, { 20 }, 33, 1 },
        { kMessageBoxYesNo, { 33, 34 }, { 23, 25 }, 33, 1 },
        { kMessageBoxYesNo, { 33, 34 }, { 23, 25 }, 34, 2 },
        { kMessageBoxYesNo, { 33, 34 }, { 23, 25 }, 0, 2 },
        { 9, {}, {}, 0, 2 },
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << c.style << " button " << c.clicked);
        ModalRunner runner = [&](MDialog& box) {
            CString title;
            box.GetWindowTextW(title);
            EXPECT_EQ(title, L"MessageBox");
            CRect rc;
            box.GetClientRect(rc);
            EXPECT_EQ(rc.Size(), CSize(380, 200));
            for (unsigned id : { 33u, 34u }) {
                auto at = std::find(c.buttons.begin(), c.buttons.end(), id);
                auto* button = dynamic_cast<MControlFont*>(box.GetControl(id));
                EXPECT_EQ(button != nullptr, at != c.buttons.end()) << id;
                if (button && at != c.buttons.end()) {
                    EXPECT_EQ(button->GetTitle(), Text(c.texts[static_cast<size_t>(at - c.buttons.begin())]));
                }
            }
            EXPECT_EQ(dynamic_cast<MControlFont*>(box.GetControl(31))->GetTitle(), Text(170));
            EXPECT_EQ(dynamic_cast<MControlFont*>(box.GetControl(32))->GetTitle(), Text(61));
            if (c.clicked)
                m_driver.Click(box.GetSafeHwnd(), Centre(box.GetControl(c.clicked)));
            else
                m_driver.KeyPress(box.GetSafeHwnd(), VK_ESCAPE);
            return box.ShowModal(SW_SHOWNORMAL);
        };
        EXPECT_EQ(ShowMessageBox(61, nullptr, 170, c.style, runner), c.result);
    }
}

TEST_F(PopupDialogs, ClosingThePopupsAnswersAMessageBoxWithNo)
{
    KeyboardDlg& window = Open();
    ModalRunner runner = [&](MDialog& box) {
        // A device change while the box is open: the worker asks for the pop-ups to close.
        std::thread([&] { window.ClosePopups(); }).join();
        return box.ShowModal(SW_SHOWNORMAL);
    };
    EXPECT_EQ(ShowMessageBox(61, &window, 170, kMessageBoxYesNo, runner), 2);
}

TEST_F(PopupDialogs, PopupsAreClosedOrHiddenByTitle)
{
    struct Case {
        wchar_t const* title;
        int parameter;
    } const cases[] = {
        { L"CloseWindowTipDlg", 0 }, { L"CustomKeyDlg", 0 }, { L"MessageBox", 2 }, { L"WaitDlg", 0 }, { L"Menu Window", 0 },
        { L"KeyboardTip Window", -1 }, { L"ComboWnd", -1 }, { L"Tessera", -2 },
    };
    for (Case const& c : cases)
        EXPECT_EQ(PopupWindows::CloseParameterFor(c.title), c.parameter) << ToUtf8(c.title);

    KeyboardDlg& window = Open();
    CloseWindowTipDlg tip(m_settings);
    ASSERT_TRUE(tip.CreateTip(&window));
    window.ClosePopupWindows();
    m_driver.RunUntilIdle();
    EXPECT_EQ(tip.GetSafeHwnd(), nullptr);
    EXPECT_NE(window.GetSafeHwnd(), nullptr);
}

TEST_F(PopupDialogs, WaitDialogPlaysTheAnimationUntilTheWorkerClosesIt)
{
    KeyboardDlg& window = Open();
    std::thread worker;
    m_modalScript = [&](MDialog& dialog) {
        CRect rc;
        dialog.GetClientRect(rc);
        EXPECT_EQ(rc.Size(), CSize(102, 102));
        auto* gif = dynamic_cast<CGifPicture*>(dialog.GetControl(WaitDlg::kIdAnimation));
        ASSERT_NE(gif, nullptr);
        EXPECT_EQ(gif->GetRect(), CRect(1, 1, 101, 101));
        EXPECT_EQ(gif->GetImageSize(), CSize(100, 100));
        EXPECT_TRUE(dialog.GetExStyle() & WS_EX_TOPMOST);
        worker = std::thread([&] { window.CloseWaitDialog(); });
    };
    window.QueueTaskAndWait(9);
    worker.join();
    EXPECT_EQ(m_modalTitles, std::vector<std::wstring> { L"WaitDlg" });
    EXPECT_EQ(window.Tasks().Size(), 3u);
}

TEST(WaitDialogSlot, ATaskThatEndsBeforeTheDialogAppearsShowsNone)
{
    TestDriver driver;
    WaitDialogSlot slot;
    slot.Expect();
    std::thread([&] { slot.Close(); }).join();
    int runs = 0;
    EXPECT_FALSE(slot.Show(nullptr, [&](MDialog& dialog) { ++runs; return dialog.ShowModal(); }));
    EXPECT_EQ(runs, 0);
    EXPECT_FALSE(slot.IsOpen());
    // A close without an announced wait leaves the next dialog alone.
    slot.Close();
    slot.Expect();
    EXPECT_TRUE(slot.Show(nullptr, [&](MDialog& dialog) {
        EXPECT_TRUE(slot.IsOpen());
        slot.Close();
        return dialog.ShowModal();
    }));
}

TEST(WindowCallQueue, OtherThreadsCallsRunInOrderOnTheWindowThread)
{
    TestDriver driver;
    struct Target : MDialog {
        WindowCallQueue* queue { nullptr };
        LRESULT OnWindowMessage(unsigned msg, WPARAM wParam, LPARAM lParam) override
        {
            if (msg == WM_APP + 1)
                return queue->RunQueued();
            return MDialog::OnWindowMessage(msg, wParam, lParam);
        }
    } target;
    WindowCallQueue queue;
    target.queue = &queue;
    std::vector<int> order;
    std::thread::id const self = std::this_thread::get_id();
    std::thread([&] {
        for (int i = 0; i < 3; ++i)
            queue.Call([&, i] { EXPECT_EQ(std::this_thread::get_id(), self); order.push_back(i); });
    }).join();
    EXPECT_EQ(queue.PendingCount(), 3u);
    // Calls queued before the window existed run once it is bound.
    ASSERT_NE(target.Create(nullptr, L"target", WS_POPUP, 0, CRect(0, 0, 10, 10)), nullptr);
    queue.Bind(target.GetSafeHwnd(), WM_APP + 1);
    driver.RunUntilIdle();
    EXPECT_EQ(order, (std::vector<int> { 0, 1, 2 }));
    // On the window thread a call runs at once.
    queue.Call([&] { order.push_back(3); });
    EXPECT_EQ(order.size(), 4u);
}
