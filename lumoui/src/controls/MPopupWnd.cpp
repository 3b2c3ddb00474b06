#include <lumoui/MPopupWnd.h>

namespace LumoUI {

MPopupWnd::MPopupWnd() = default;

MPopupWnd::~MPopupWnd() = default;

HWND MPopupWnd::CreatePopup(HWND owner, CRect screenRect, wchar_t const* name)
{
    if (GetSafeHwnd())
        return GetSafeHwnd();
    m_closing = false;
    HWND hwnd = Create(owner, name ? name : L"Popup Window", WS_POPUP, WS_EX_TOOLWINDOW | WS_EX_TOPMOST, screenRect);
    if (!hwnd)
        return nullptr;
    EnableWndDrag(0);
    ShowWindow(SW_SHOW);
    return hwnd;
}

void MPopupWnd::ClosePopup()
{
    if (m_closing || !GetSafeHwnd())
        return;
    m_closing = true;
    PostMessageW(WM_CLOSE, 0, 0);
}

int MPopupWnd::OnNcActivate(int active)
{
    if (!active && GetSafeHwnd() && !m_closing) {
        m_deactivated = true;
        m_deactivated_at = GetTickCount();
        OnDeactivate();
    }
    return MDialog::OnNcActivate(active);
}

bool MPopupWnd::ClosedByDeactivationWithin(uint32_t ms) const
{
    return m_deactivated && GetTickCount() - m_deactivated_at < ms;
}

void MPopupWnd::OnDeactivate()
{
    ClosePopup();
}

}
