#pragma once

#include <lumoui/Graphics.h>
#include <lumoui/Window.h>

#include "window/WindowSystemImpl.h"

namespace LumoUI {

// The tooltip: a small top-most pop-up with the tip text, shown below the
// pointer. It draws itself; it takes no input.
class TooltipWindow : public MWindow {
public:
    LRESULT OnWindowMessage(unsigned msg, WPARAM wParam, LPARAM lParam) override
    {
        if (msg == WM_PAINT) {
            CRect rc;
            GetClientRect(rc);
            WindowSystem::Get().TakeUpdateRect(m_hwnd);
            MImage frame = MImage::Create(rc.Width(), rc.Height());
            {
                MGraphics g(frame);
                g.FillRect(rc, 0xF0202830);
                g.DrawRect(rc, 0xFF10A8FD);
                CRect text = rc;
                text.DeflateRect(4, 3);
                g.DrawText(m_text, text, MFont { L"", 12, FontStyleRegular }, 0xFFFFFFFF, DT_LEFT | DT_TOP | DT_WORDBREAK);
            }
            WindowSystem::Get().Present(m_hwnd, frame, rc);
            return 1;
        }
        return MWindow::OnWindowMessage(msg, wParam, lParam);
    }

    void Show(HWND owner, CString const& text)
    {
        m_text = text;
        CSize size = MGraphics::MeasureText(text, MFont { L"", 12, FontStyleRegular }, 256);
        CPoint at;
        GetCursorPos(at);
        CRect rc(at.x + 12, at.y + 20, at.x + 12 + size.cx + 10, at.y + 20 + size.cy + 8);
        if (!GetSafeHwnd())
            Create(owner, L"tooltip", WS_POPUP, WS_EX_TOPMOST | WS_EX_TOOLWINDOW, rc);
        else
            MoveWindow(rc);
        Invalidate();
        ShowWindow(SW_SHOWNA);
    }

    void Hide() { ShowWindow(SW_HIDE); }

private:
    CString m_text;
};

}
