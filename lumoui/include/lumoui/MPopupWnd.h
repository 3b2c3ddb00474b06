#pragma once

#include <lumoui/Dialog.h>
#include <lumoui/Export.h>

namespace LumoUI {

// "MPopupWnd": a borderless pop-up dialog with its own paint manager and
// control factory. It is shown and activated when created and closes itself
// (posts WM_CLOSE) when it loses the activation, e.g. when the user clicks
// into another window. The object outlives its window; its owner deletes
// it. Window thread only.
class LUMOUI_API MPopupWnd : public MDialog {
public:
    MPopupWnd();
    ~MPopupWnd() override;

    // Creates and shows the pop-up at `screenRect`, owned by `owner`. Null
    // on failure.
    HWND CreatePopup(HWND owner, CRect screenRect, wchar_t const* name = L"Popup Window");
    // Posts WM_CLOSE once; nothing when the window is gone.
    void ClosePopup();
    bool IsOpen() const { return GetSafeHwnd() != nullptr; }
    // True when the pop-up was closed by losing the activation less than
    // `ms` milliseconds ago.
    bool ClosedByDeactivationWithin(uint32_t ms) const;
    // Forgets such a close (the owner closed the pop-up itself).
    void ForgetDeactivation() { m_deactivated = false; }

    int OnNcActivate(int active) override;

protected:
    // Called when the pop-up loses the activation; default closes it.
    virtual void OnDeactivate();

private:
    bool m_closing { false };
    bool m_deactivated { false };
    uint32_t m_deactivated_at { 0 };
};

}
