#pragma once

#include "app/CUIMessageBox.h"
#include "app/PopupWindows.h"

#include <lumoui/Dialog.h>

#include <mutex>

namespace Tessera {

// The busy indicator shown while a queued task runs: a 102 × 102 window
// titled "WaitDlg", always on top and draggable, playing "loading.gif" on
// the grey RGB(51, 51, 51). No buttons; the worker ends it with DoOK.
class WaitDlg final : public LumoUI::MDialog {
public:
    static constexpr int kSize = 102;
    enum : unsigned { kIdAnimation = 30 };

    bool CreateWait(LumoUI::MWindow* parent);

    void InitUI(LumoUI::CRect client) override;
    int OnInitDialog() override;

private:
    PopupRegistration m_registration { this };
};

// The main window's one wait dialog. A page announces a wait (Expect) before
// it queues the task and then shows the dialog (Show); the worker closes it
// after the task (Close). A task that ends before the dialog appears makes
// Show return at once, so the window never waits for a close that already
// came.
class WaitDialogSlot {
public:
    // Window thread.
    void Expect();
    // Window thread: shows the dialog modally over `parent` until Close.
    // Returns false when the wait had already ended.
    bool Show(LumoUI::MWindow* parent, ModalRunner const& runner = DefaultModalRunner());
    // Any thread.
    void Close();
    bool IsOpen() const;

private:
    mutable std::mutex m_mutex;
    WaitDlg* m_open { nullptr };
    bool m_expected { false };
    bool m_closed { false };
};

}
