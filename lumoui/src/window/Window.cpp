#include <lumoui/Window.h>

#include "window/WindowSystemImpl.h"

namespace LumoUI {

namespace {

WindowSystem& ws() { return WindowSystem::Get(); }

}

MWindow::MWindow() = default;

MWindow::~MWindow()
{
    if (ws().IsAlive(m_hwnd)) {
        HWND hwnd = m_hwnd;
        // The object is going away: unbind first so no virtual call reaches it.
        hwnd->object = nullptr;
        m_hwnd = nullptr;
        ws().DestroyWindow(hwnd);
    }
}

wchar_t const* MWindow::GetWindowClassName() { return L"LumoClient"; }
wchar_t const* MWindow::GetSuperClassName() { return nullptr; }

int MWindow::ShowWindow(int nCmdShow)
{
    if (!ws().IsAlive(m_hwnd))
        return 0;
    bool was = m_hwnd->visible;
    ws().Show(m_hwnd, nCmdShow);
    return was ? 1 : 0;
}

LRESULT MWindow::OnWindowMessage(unsigned msg, WPARAM wParam, LPARAM lParam) { return DefWindowProc(msg, wParam, lParam); }
int MWindow::PreTranslateMessage(MSG*) { return 0; }
int MWindow::OnInitDialog() { return 1; }
void MWindow::OnDestroyMessage(HWND) { }

LRESULT MWindow::DefWindowProc(unsigned msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CLOSE:
        DestroyWindow();
        return 0;
    case WM_NCLBUTTONDOWN:
        if (wParam == HTCAPTION && ws().IsAlive(m_hwnd))
            ws().BeginMove(m_hwnd, CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
        return 0;
    case WM_NCACTIVATE:
        return 1;
    default:
        return 0;
    }
}

HWND MWindow::Create(HWND parent, wchar_t const* name, unsigned style, unsigned exStyle, CRect rc)
{
    if (ws().IsAlive(m_hwnd))
        return m_hwnd;
    m_parent = parent;
    HWND hwnd = ws().CreateWindow(this, parent, name ? name : L"", style, exStyle, rc);
    OnInitDialog();
    return hwnd;
}

HWND MWindow::Create(HWND parent) { return Create(parent, L"LumoClient", 0x0000080B, 0, CRect(0, 0, 800, 600)); }
HWND MWindow::Create(HWND parent, CRect rc) { return Create(parent, L"LumoClient", 0x0000080B, 0, rc); }

unsigned MWindow::ShowModal(int nCmdShow)
{
    if (!ws().IsAlive(m_hwnd))
        return 0xFFFFFFFF;
    HWND self = m_hwnd;
    HWND owner = self->owner;
    ShowWindow(nCmdShow);
    ws().Enable(owner, false);
    unsigned result = 0;
    bool quit = false;
    int quitCode = 0;
    MSG msg;
    while (ws().IsAlive(self)) {
        ws().Get(msg, true, true);
        if (msg.message == WM_QUIT) {
            quit = true;
            quitCode = static_cast<int>(msg.wParam);
            break;
        }
        if (msg.message == WM_CLOSE && msg.hwnd == self) {
            result = static_cast<unsigned>(msg.wParam);
            ws().Enable(owner, true);
            ws().Activate(owner);
        }
        // Only the modal window and its own pop-ups get input.
        if (PreTranslateMessage(&msg) == 0)
            ws().Dispatch(msg);
    }
    ws().Enable(owner, true);
    if (ws().IsAlive(owner) && owner->visible)
        ws().Activate(owner);
    if (quit)
        ws().PostQuit(quitCode);
    return result;
}

void MWindow::CenterWindow(MWindow* relativeTo)
{
    if (!ws().IsAlive(m_hwnd))
        return;
    CRect self = m_hwnd->rect;
    HWND reference = relativeTo ? relativeTo->m_hwnd : m_hwnd->owner;
    bool usable = ws().IsAlive(reference) && reference->visible && !(reference->style & WS_MINIMIZE);
    CPoint anchor = usable ? reference->rect.CenterPoint() : self.CenterPoint();
    CRect area = ws().GetBackend().WorkArea(anchor);
    CPoint centre = usable ? reference->rect.CenterPoint() : area.CenterPoint();
    int x = centre.x - self.Width() / 2;
    int y = centre.y - self.Height() / 2;
    if (x + self.Width() > area.right)
        x = area.right - self.Width();
    if (y + self.Height() > area.bottom)
        y = area.bottom - self.Height();
    x = std::max(x, area.left);
    y = std::max(y, area.top);
    SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MWindow::BringToTop()
{
    if (!ws().IsAlive(m_hwnd))
        return;
    ws().GetBackend().Raise(m_hwnd);
    ws().Activate(m_hwnd);
    ShowWindow(IsIconic() ? SW_RESTORE : SW_SHOW);
}

void MWindow::SetIcon(unsigned) { }

bool MWindow::DestroyWindow() { return ws().DestroyWindow(m_hwnd); }

bool MWindow::EnableWindow(bool enable)
{
    if (!ws().IsAlive(m_hwnd))
        return false;
    bool wasDisabled = m_hwnd->style & WS_DISABLED;
    ws().Enable(m_hwnd, enable);
    return wasDisabled;
}

bool MWindow::IsWindowEnabled() const { return ws().IsAlive(m_hwnd) && !(m_hwnd->style & WS_DISABLED); }
bool MWindow::IsWindowVisible() const { return ws().IsAlive(m_hwnd) && m_hwnd->visible; }
bool MWindow::IsIconic() const { return ws().IsAlive(m_hwnd) && (m_hwnd->style & WS_MINIMIZE); }
bool MWindow::IsZoomed() const { return ws().IsAlive(m_hwnd) && (m_hwnd->style & WS_MAXIMIZE); }
bool MWindow::InvalidateRect(CRect rc, int) { return ws().Invalidate(m_hwnd, &rc); }
bool MWindow::Invalidate() { return ws().Invalidate(m_hwnd, nullptr); }
HWND MWindow::SetCapture() { return ws().SetCapture(m_hwnd); }
bool MWindow::ReleaseCapture() { return ws().ReleaseCapture(); }

HWND MWindow::SetFocus()
{
    HWND previous = ws().Active();
    ws().Activate(m_hwnd);
    return previous;
}

unsigned MWindow::SetTimer(unsigned id, unsigned elapseMs) { return ws().SetTimer(m_hwnd, id, elapseMs); }
bool MWindow::KillTimer(unsigned id) { return ws().KillTimer(m_hwnd, id); }

bool MWindow::ClientToScreen(CPoint& pt) const
{
    if (!ws().IsAlive(m_hwnd))
        return false;
    pt = pt + m_hwnd->rect.TopLeft();
    return true;
}

bool MWindow::ClientToScreen(CRect& rc) const
{
    if (!ws().IsAlive(m_hwnd))
        return false;
    rc.OffsetRect(m_hwnd->rect.left, m_hwnd->rect.top);
    return true;
}

bool MWindow::ScreenToClient(CPoint& pt) const
{
    if (!ws().IsAlive(m_hwnd))
        return false;
    pt = pt - m_hwnd->rect.TopLeft();
    return true;
}

bool MWindow::ScreenToClient(CRect& rc) const
{
    if (!ws().IsAlive(m_hwnd))
        return false;
    rc.OffsetRect(-m_hwnd->rect.left, -m_hwnd->rect.top);
    return true;
}

bool MWindow::SetWindowPos(HWND, int x, int y, int cx, int cy, unsigned flags)
{
    if (!ws().IsAlive(m_hwnd))
        return false;
    CRect rc = m_hwnd->rect;
    if (!(flags & SWP_NOMOVE))
        rc.MoveToXY(x, y);
    if (!(flags & SWP_NOSIZE)) {
        rc.right = rc.left + cx;
        rc.bottom = rc.top + cy;
    }
    ws().SetBounds(m_hwnd, rc, true);
    if (flags & SWP_SHOWWINDOW)
        ws().Show(m_hwnd, (flags & SWP_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
    if (flags & SWP_HIDEWINDOW)
        ws().Show(m_hwnd, SW_HIDE);
    return true;
}

bool MWindow::MoveWindow(int x, int y, int width, int height, bool)
{
    return SetWindowPos(nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool MWindow::MoveWindow(CRect const& rc, bool repaint) { return MoveWindow(rc.left, rc.top, rc.Width(), rc.Height(), repaint); }

bool MWindow::GetClientRect(CRect& rc) const
{
    if (!ws().IsAlive(m_hwnd))
        return false;
    rc = CRect(0, 0, m_hwnd->rect.Width(), m_hwnd->rect.Height());
    return true;
}

bool MWindow::GetWindowRect(CRect& rc) const
{
    if (!ws().IsAlive(m_hwnd))
        return false;
    rc = m_hwnd->rect;
    return true;
}

bool MWindow::SetWindowTextW(CString const& text)
{
    if (!ws().IsAlive(m_hwnd))
        return false;
    ws().SetTitle(m_hwnd, text);
    return true;
}

int MWindow::GetWindowTextW(CString& text) const
{
    if (!ws().IsAlive(m_hwnd))
        return 0;
    text = m_hwnd->title;
    return static_cast<int>(text.size());
}

int MWindow::GetWindowTextLengthW() const { return ws().IsAlive(m_hwnd) ? static_cast<int>(m_hwnd->title.size()) : 0; }
unsigned MWindow::GetStyle() const { return ws().IsAlive(m_hwnd) ? m_hwnd->style : 0; }
unsigned MWindow::GetExStyle() const { return ws().IsAlive(m_hwnd) ? m_hwnd->ex_style : 0; }

int MWindow::ModifyStyle(unsigned remove, unsigned add, unsigned swpFlags)
{
    if (!ws().IsAlive(m_hwnd))
        return 0;
    unsigned style = (m_hwnd->style & ~remove) | add;
    if (style == m_hwnd->style)
        return 0;
    m_hwnd->style = style;
    if (swpFlags)
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | swpFlags);
    return 1;
}

int MWindow::ModifyExStyle(unsigned remove, unsigned add, unsigned swpFlags)
{
    if (!ws().IsAlive(m_hwnd))
        return 0;
    unsigned style = (m_hwnd->ex_style & ~remove) | add;
    if (style == m_hwnd->ex_style)
        return 0;
    m_hwnd->ex_style = style;
    if (swpFlags)
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | swpFlags);
    return 1;
}

LRESULT MWindow::SendMessageW(unsigned msg, WPARAM wParam, LPARAM lParam) { return ws().Send(m_hwnd, msg, wParam, lParam); }
bool MWindow::PostMessageW(unsigned msg, WPARAM wParam, LPARAM lParam) { return ws().IsAlive(m_hwnd) && ws().Post(m_hwnd, msg, wParam, lParam); }

}
