#include <lumoui/Control.h>
#include <lumoui/Dialog.h>

#include "window/WindowSystemImpl.h"

namespace LumoUI {

namespace {

MDialog::AirBladderHandler& airBladderHandler()
{
    static MDialog::AirBladderHandler s_handler;
    return s_handler;
}

CPoint PointOf(LPARAM lParam) { return { GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam) }; }

}

MDialog::MDialog() = default;

MDialog::~MDialog()
{
    // Destroy while the dialog is still whole, so its hooks run.
    if (IsWindow(m_hwnd))
        DestroyWindow();
    m_paint_manager.DestroyData();
}

wchar_t const* MDialog::GetClassNameW() { return L"MDialog"; }
LRESULT MDialog::OnBaseMessage(unsigned id, unsigned code, WPARAM wParam, LPARAM lParam) { return OnMessage(id, code, wParam, lParam); }
LRESULT MDialog::OnControlUpdate(CRect rc, int markDirty, MControl* ctrl) { return m_paint_manager.OnControlUpdate(rc, markDirty, ctrl); }
ControlList* MDialog::GetChildControlList() { return &m_paint_manager.GetControls(); }

LRESULT MDialog::OnWindowMessage(unsigned msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE: OnCreate(); break;
    case WM_DESTROY: OnDestroy(); break;
    case WM_SIZE: OnSize(static_cast<unsigned>(wParam), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); break;
    case WM_PAINT: OnPaint(); break;
    case WM_CLOSE: OnClose(); break;
    case WM_WINDOWPOSCHANGING: OnWindowPosChanging(); break;
    case WM_WINDOWPOSCHANGED: OnWindowPosChanged(); break;
    case WM_NCACTIVATE: OnNcActivate(static_cast<int>(wParam)); break;
    case WM_TIMER: OnTimer(static_cast<unsigned>(wParam)); break;
    case WM_MOUSEMOVE: OnMouseMove(wParam, PointOf(lParam)); break;
    case WM_LBUTTONDOWN: OnLButtonDown(wParam, PointOf(lParam)); break;
    case WM_LBUTTONUP: OnLButtonUp(wParam, PointOf(lParam)); break;
    case WM_LBUTTONDBLCLK: OnLButtonDblClk(wParam, PointOf(lParam)); break;
    case WM_RBUTTONDOWN: OnRButtonDown(wParam, PointOf(lParam)); break;
    case WM_RBUTTONUP: OnRButtonUp(wParam, PointOf(lParam)); break;
    case WM_RBUTTONDBLCLK: OnRButtonDblClk(wParam, PointOf(lParam)); break;
    case WM_MOUSEHOVER: OnMouseHover(wParam, lParam); break;
    case WM_MOUSELEAVE: OnMouseLeave(wParam, lParam); break;
    case WM_MOUSEWHEEL: OnMouseWheel(wParam, lParam); break;
    case WM_KEYDOWN: OnKeyDown(wParam, lParam); break;
    case WM_GETMINMAXINFO: OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam)); break;
    case WM_ERASEBKGND: return 1;
    case WM_MDIALOG_CLOSE: return OnUserCloseWindow(wParam, lParam);
    default: break;
    }
    LRESULT result = m_paint_manager.OnWindowMessage(msg, wParam, lParam);
    if (result)
        return result;
    return DefWindowProc(msg, wParam, lParam);
}

int MDialog::PreTranslateMessage(MSG* msg) { return m_paint_manager.PreTranslateMessage(msg); }

int MDialog::OnInitDialog()
{
    m_paint_manager.Init(m_hwnd, this);
    GetClientRect(m_client);
    InitUI(m_client);
    return 1;
}

void MDialog::OnDestroyMessage(HWND hwnd)
{
    if (hwnd == m_paint_manager.GetPaintWnd())
        m_paint_manager.DestroyData();
    PostNcDestroy();
}

CPoint MDialog::GetAirBladderPoint(MControl* ctrl, unsigned type)
{
    if (!ctrl)
        return {};
    CRect rc = ctrl->GetRect();
    CPoint pt(type == 1 ? rc.CenterPoint().x : type == 2 ? rc.right : rc.left, rc.bottom);
    ClientToScreen(pt);
    return pt;
}

void MDialog::OnMinimize() { ShowWindow(SW_MINIMIZE); }
void MDialog::OnMaximize() { ShowWindow(IsZoomed() ? SW_RESTORE : SW_MAXIMIZE); }
void MDialog::InitUI(CRect) { }
void MDialog::UISize(CRect) { }
LRESULT MDialog::OnMessage(unsigned, unsigned, WPARAM, LPARAM) { return 0; }

LRESULT MDialog::OnUserCloseWindow(WPARAM wParam, LPARAM lParam)
{
    PostMessageW(WM_CLOSE, wParam, lParam);
    return 1;
}

int MDialog::OnCreate()
{
    if (NativeWindow* w = WindowSystem::Get().Find(m_hwnd))
        w->style = (w->style & 0xFF3BFFFF) | 0x06000008;
    return 1;
}

int MDialog::OnSize(unsigned, int, int)
{
    if (!IsIconic())
        SetupBackTranslucent();
    GetClientRect(m_client);
    if (m_client.Width() > 1 && m_client.Height() > 1)
        UISize(m_client);
    Invalidate();
    return 0;
}

int MDialog::OnMouseMove(WPARAM, CPoint) { return 0; }
int MDialog::OnMouseLeave(WPARAM, LPARAM) { return 0; }
int MDialog::OnMouseHover(WPARAM, LPARAM) { return 0; }
int MDialog::OnMouseWheel(WPARAM, LPARAM) { return 0; }
int MDialog::OnLButtonDown(WPARAM, CPoint) { return 0; }
int MDialog::OnLButtonUp(WPARAM, CPoint) { return 0; }
int MDialog::OnLButtonDblClk(WPARAM, CPoint) { return 0; }
int MDialog::OnRButtonDown(WPARAM, CPoint) { return 0; }
int MDialog::OnRButtonUp(WPARAM, CPoint) { return 0; }
int MDialog::OnRButtonDblClk(WPARAM, CPoint) { return 0; }
int MDialog::OnKeyDown(WPARAM, LPARAM) { return 0; }
int MDialog::OnNcHitTest(CPoint) { return 0; }
int MDialog::OnGetMinMaxInfo(MINMAXINFO*) { return 0; }
int MDialog::OnNcActivate(int) { return 0; }
int MDialog::OnWindowPosChanging() { return 0; }
int MDialog::OnWindowPosChanged() { return 0; }
int MDialog::OnPaint() { return 0; }
void MDialog::OnTimer(unsigned) { }
int MDialog::OnNcPaint() { return 0; }
int MDialog::OnClose() { return 1; }
int MDialog::OnDestroy() { return 0; }
int MDialog::PostNcDestroy() { return 0; }

MControl* MDialog::CreateControl(wchar_t const* cls, unsigned id, CRect rc, wchar_t const* title, int visible, int enabled)
{
    return m_paint_manager.CreateControl(1, this, cls, id, rc, title, visible, enabled);
}

MControl* MDialog::CreateArea(wchar_t const* cls, unsigned id, CRect rc, wchar_t const* title, int visible, int enabled)
{
    return m_paint_manager.CreateControl(0, this, cls, id, rc, title, visible, enabled);
}

MControl* MDialog::GetControl(unsigned id) { return m_paint_manager.GetControl(id); }
ControlList* MDialog::GetControls() { return &m_paint_manager.GetControls(); }
int MDialog::LoadBKImage(CString const& file) { return m_paint_manager.LoadBKImage(file); }
int MDialog::LoadBKImage(unsigned resId, CString const& resType) { return m_paint_manager.LoadBKImage(resId, resType); }
void MDialog::SetBackMode(enumBackMode mode, int param) { m_paint_manager.SetBackMode(mode, param); }
void MDialog::SetLayeredWindow(int on) { m_paint_manager.SetLayeredWindow(on); }
void MDialog::EnableWndDrag(int on) { m_paint_manager.EnableWndDrag(on); }
void MDialog::SetFocusControl(MControl* ctrl) { m_paint_manager.SetFocusControl(ctrl); }
void MDialog::SetMTimer(unsigned periodMs) { m_paint_manager.SetMTimer(periodMs); }
void MDialog::KillMTimer(unsigned id) { m_paint_manager.KillMTimer(id); }

void MDialog::DoOK() { PostMessageW(WM_MDIALOG_CLOSE, IDOK, 0); }
void MDialog::DoCancel() { PostMessageW(WM_MDIALOG_CLOSE, IDCANCEL, 0); }
void MDialog::DoClose() { PostMessageW(WM_MDIALOG_CLOSE, IDCANCEL, 0); }
void MDialog::DoYes() { PostMessageW(WM_MDIALOG_CLOSE, IDYES, 0); }
void MDialog::DoNo() { PostMessageW(WM_MDIALOG_CLOSE, IDNO, 0); }

void MDialog::SetTooltip(CString const& text, CRect rc) { m_paint_manager.SetTooltip(text.c_str(), rc); }
void MDialog::ClearTooltip() { m_paint_manager.ClearTooltip(); }
void MDialog::SetTooltipCtrlID(int id) { m_paint_manager.SetTooltipCtrlID(id); }
int MDialog::GetTooltipCtrlID() { return m_paint_manager.GetTooltipCtrlID(); }

void MDialog::SetMessage(CString const& text, CRect rc, MsgLevel level)
{
    if (rc.IsRectEmpty()) {
        GetClientRect(m_client);
        int left = (m_client.Width() - 200) / 2;
        int bottom = m_client.bottom - 2 + m_message_offset;
        rc = CRect(left, bottom - 58, left + 200, bottom);
    }
    m_paint_manager.SetMessage(text, rc, level);
}

void MDialog::SetProgress(int percent, CString const& text, CRect rc) { m_paint_manager.SetProgress(percent, text, rc); }

int MDialog::SetAirBladderMsg(wchar_t const* text, CPoint screenPt, AIRBLADDER_TYPE type)
{
    if (screenPt.x == 0 || screenPt.y == 0 || !airBladderHandler())
        return 0;
    return airBladderHandler()(*this, text, screenPt, type);
}

void MDialog::SetAirBladderHandler(AirBladderHandler handler) { airBladderHandler() = std::move(handler); }

void MDialog::CreateShadow(int size, bool show)
{
    SetSize(size);
    m_shadow_show = show;
}

int MDialog::SetSize(int size)
{
    if (size < -35 || size > 35)
        return 0;
    m_shadow_size = size;
    return 1;
}

int MDialog::SetSharpness(int sharpness)
{
    if (sharpness < 0 || sharpness > 20)
        return 0;
    m_shadow_sharpness = sharpness;
    return 1;
}

int MDialog::SetDarkness(int darkness)
{
    if (darkness < 0 || darkness > 255)
        return 0;
    m_shadow_darkness = darkness;
    return 1;
}

int MDialog::SetPosition(int x, int y)
{
    if (x < -20 || x > 20 || y < -20 || y > 20)
        return 0;
    m_shadow_position = { x, y };
    return 1;
}

int MDialog::SetShadowColor(COLORREF color)
{
    m_shadow_color = color;
    return 1;
}

void MDialog::SetScrollResID(unsigned vertical, unsigned horizontal) { m_paint_manager.SetScrollResID(vertical, horizontal); }

void MDialog::SetupBackTranslucent()
{
    if (m_alpha != 255) {
        ModifyExStyle(0, WS_EX_LAYERED);
        WindowSystem::Get().GetBackend().SetOpacity(m_hwnd, m_alpha / 255.0f);
    } else if (m_color_key != 0xFFFFFF) {
        ModifyExStyle(0, WS_EX_LAYERED);
    }
}

}
