// Message routing of the paint manager: mouse, keyboard, focus, timers and
// the animation tick.

#include <lumoui/Control.h>
#include <lumoui/Dialog.h>
#include <lumoui/PaintManager.h>

#include "window/WindowSystemImpl.h"

namespace LumoUI {

namespace {

CPoint PointOf(LPARAM lParam) { return { GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam) }; }
constexpr CPoint kOutside { -1, -1 };

}

unsigned PaintManager::GetModifierCode()
{
    unsigned code = 0;
    if (GetKeyState(VK_MENU) & 0x8000)
        code = MODIFIER_ALT;
    else if (GetKeyState(VK_SHIFT) & 0x8000)
        code = MODIFIER_SHIFT;
    if (GetKeyState(VK_CONTROL) & 0x8000)
        code |= MODIFIER_CTRL;
    return code;
}

LRESULT PaintManager::OnWindowMessage(unsigned msg, WPARAM wParam, LPARAM lParam)
{
    if (m_controls.FindFirst([&](MControl* c) { return c->OnWindowMessage(msg, wParam, lParam) != 0; }))
        return 0;
    LRESULT handled = 0;
    switch (msg) {
    case WM_PAINT: handled = OnPaint(); break;
    case WM_GETMINMAXINFO: {
        if (auto* info = reinterpret_cast<MINMAXINFO*>(lParam)) {
            if (m_min_size.cx > 0) info->ptMinTrackSize.x = m_min_size.cx;
            if (m_min_size.cy > 0) info->ptMinTrackSize.y = m_min_size.cy;
            if (m_max_size.cx > 0) info->ptMaxTrackSize.x = info->ptMaxSize.x = m_max_size.cx;
            if (m_max_size.cy > 0) info->ptMaxTrackSize.y = info->ptMaxSize.y = m_max_size.cy;
        }
        handled = 1;
        break;
    }
    case WM_CREATE:
    case WM_DESTROY:
    case WM_SIZE:
    case WM_MOUSEHOVER:
        handled = 1;
        break;
    case WM_CHAR: OnChar(wParam); handled = 1; break;
    case WM_LUMO_COMPOSITION: OnComposition(); handled = 1; break;
    case WM_NCACTIVATE: handled = OnNcActivate(wParam); break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: handled = OnKeyDown(wParam); break;
    case WM_KEYUP:
    case WM_SYSKEYUP: handled = 0; break;
    case WM_TIMER: OnTimer(wParam); return 0;
    case WM_LUMO_ANIMATE:
        RunAnimationTick();
        handled = 1;
        break;
    case WM_MOUSEMOVE: handled = OnMouseMove(wParam, PointOf(lParam)); break;
    case WM_LBUTTONDOWN: handled = OnLButtonDown(wParam, PointOf(lParam)); break;
    case WM_LBUTTONUP: handled = OnLButtonUp(wParam, PointOf(lParam)); break;
    case WM_LBUTTONDBLCLK: handled = OnLButtonDblClk(wParam, PointOf(lParam)); break;
    case WM_RBUTTONDOWN: handled = OnRButtonDown(wParam, PointOf(lParam)); break;
    case WM_RBUTTONUP: handled = OnRButtonUp(wParam, PointOf(lParam)); break;
    case WM_RBUTTONDBLCLK: handled = OnRButtonDblClk(wParam, PointOf(lParam)); break;
    case WM_MOUSEWHEEL: handled = OnMouseWheel(wParam, lParam); break;
    case WM_MOUSELEAVE: handled = OnMouseLeave(); break;
    default: break;
    }
    return handled ? 1 : 0;
}

int PaintManager::PreTranslateMessage(MSG* msg)
{
    if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN) || msg->wParam != VK_TAB)
        return 0;
    unsigned code = GetModifierCode();
    MControl* next = nullptr;
    if (code == MODIFIER_NONE)
        next = GetNextFocusableControl();
    else if (code == MODIFIER_SHIFT)
        next = GetPrevFocusableControl();
    else
        return 0;
    if (next && next != m_focus) {
        SetFocusControl(next);
        return 1;
    }
    return 0;
}

// ---- focus ----

bool PaintManager::IsDescendant(MControl const* control, MControl const* ancestor)
{
    if (!control || !ancestor || control == ancestor)
        return false;
    for (MObject* up = control->GetParantObject(); up; ) {
        auto const* parent = dynamic_cast<MControl const*>(up);
        if (!parent)
            return false;
        if (parent == ancestor)
            return true;
        up = parent->GetParantObject();
    }
    return false;
}

void PaintManager::SetFocusControl(MControl* control)
{
    if (control == m_focus)
        return;
    MControl* old = m_focus;
    m_focus = control;
    if (old)
        old->SetControlFocus(0);
    if (control)
        control->SetControlFocus(1);
}

MControl* PaintManager::GetNextFocusableControl()
{
    auto items = m_controls.Snapshot();
    int n = static_cast<int>(items.size());
    int start = -1;
    for (int i = 0; i < n; ++i)
        if (items[i] == m_focus)
            start = i;
    for (int k = 1; k <= n; ++k) {
        MControl* c = items[(start + k + n) % n];
        if (c->IsVisible() && c->IsEnabled() && c->IsTabStop())
            return c;
    }
    return nullptr;
}

MControl* PaintManager::GetPrevFocusableControl()
{
    auto items = m_controls.Snapshot();
    int n = static_cast<int>(items.size());
    int start = n; // without focus, the scan starts from the end
    for (int i = 0; i < n; ++i)
        if (items[i] == m_focus)
            start = i;
    for (int k = 1; k <= n; ++k) {
        MControl* c = items[((start - k) % n + n) % n];
        if (c->IsVisible() && c->IsEnabled() && c->IsTabStop())
            return c;
    }
    return nullptr;
}

void PaintManager::SetCapture()
{
    WindowSystem::Get().SetCapture(m_hwnd);
    m_captured = true;
}

void PaintManager::ReleaseCapture()
{
    if (WindowSystem::Get().Capture() == m_hwnd)
        WindowSystem::Get().ReleaseCapture();
    m_captured = false;
}

// ---- mouse ----

bool PaintManager::HoverTakes(CPoint pt, unsigned flags) const
{
    return m_hover && m_hover->IsVisible() && m_hover->GetRresponse() && (m_hover->PtInRect(pt) || m_hover->OnCheckMouseResponse(flags, pt));
}

LRESULT PaintManager::OnMouseMove(WPARAM flags, CPoint pt)
{
    if (!m_tracking) {
        WindowSystem::Get().TrackLeave(m_hwnd);
        m_tracking = true;
    }
    if (m_hover && m_hover->IsVisible() && (m_hover->PtInRect(pt) || m_pressed || m_hover->OnCheckMouseResponse(static_cast<unsigned>(flags), pt))) {
        m_hover->OnMouseMove(static_cast<unsigned>(flags), pt);
        return 1;
    }
    ClearTooltip();
    if (m_pressed)
        return 0;
    MControl* hover = nullptr;
    m_controls.ForEach([&](MControl* c) {
        c->OnMouseMove(static_cast<unsigned>(flags), pt);
        if (c->IsVisible() && c->GetRresponse() && c->PtInRect(pt))
            hover = c;
    });
    m_hover = hover;
    return hover ? 1 : 0;
}

LRESULT PaintManager::OnLButtonDown(WPARAM flags, CPoint pt)
{
    m_dblclk = false;
    // A focused control nested in the control under the press keeps the
    // focus; the control routing the press passes it on if another child
    // takes the press.
    bool const focusInside = IsDescendant(m_focus, m_hover);
    if (m_focus && m_focus != m_hover && !focusInside) {
        m_focus->SetControlFocus(0);
        m_focus = nullptr;
    }
    if (m_hover && m_hover->IsVisible() && m_hover->GetRresponse() && m_hover->PtInRect(pt)) {
        m_pressed = true;
        if (!focusInside)
            SetFocusControl(m_hover);
        m_hover->OnLButtonDown(static_cast<unsigned>(flags), pt);
        if (!m_captured)
            SetCapture();
        return 1;
    }
    if (m_drag_window)
        StartWindowDrag(pt);
    return 0;
}

void PaintManager::StartWindowDrag(CPoint pt)
{
    ReleaseCapture();
    CPoint screen = pt;
    if (NativeWindow* w = WindowSystem::Get().Find(m_hwnd))
        screen = pt + w->rect.TopLeft();
    LumoUI::SendMessageW(m_hwnd, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(screen.x, screen.y));
}

LRESULT PaintManager::OnLButtonUp(WPARAM flags, CPoint pt)
{
    if (m_captured)
        ReleaseCapture();
    m_pressed = false;
    LRESULT used = 0;
    if (m_hover && m_hover->IsVisible() && m_hover->GetRresponse()) {
        CRect before = m_hover->GetRect();
        used = m_hover->OnLButtonUp(static_cast<unsigned>(flags), pt);
        if (!before.PtInRect(pt))
            m_hover = nullptr;
    }
    m_dblclk = false;
    return used;
}

LRESULT PaintManager::OnLButtonDblClk(WPARAM flags, CPoint pt)
{
    m_dblclk = true;
    if (!m_hover || !m_hover->IsVisible() || !m_hover->GetRresponse())
        return 0;
    // The control may clear m_hover (a double click that opens a pop-up):
    // decide on the rectangle it had before the call.
    CRect before = m_hover->GetRect();
    LRESULT used = m_hover->OnLButtonDblClk(static_cast<unsigned>(flags), pt);
    if (!before.PtInRect(pt))
        m_hover = nullptr;
    return used;
}

LRESULT PaintManager::OnRButtonDown(WPARAM flags, CPoint pt)
{
    if (m_focus && m_focus != m_hover) {
        m_focus->SetControlFocus(0);
        m_focus = nullptr;
    }
    if (m_hover && m_hover->IsVisible() && m_hover->GetRresponse() && m_hover->PtInRect(pt)) {
        m_right_pressed = true;
        m_hover->OnRButtonDown(static_cast<unsigned>(flags), pt);
        if (!m_captured)
            SetCapture();
        return 1;
    }
    return 0;
}

LRESULT PaintManager::OnRButtonUp(WPARAM flags, CPoint pt)
{
    if (m_captured)
        ReleaseCapture();
    m_right_pressed = false;
    if (!m_hover || !m_hover->IsVisible() || !m_hover->GetRresponse())
        return 0;
    CRect before = m_hover->GetRect();
    LRESULT used = m_hover->OnRButtonUp(static_cast<unsigned>(flags), pt);
    if (!before.PtInRect(pt))
        m_hover = nullptr;
    return used;
}

LRESULT PaintManager::OnRButtonDblClk(WPARAM flags, CPoint pt)
{
    if (!m_hover || !m_hover->IsVisible() || !m_hover->GetRresponse())
        return 0;
    return m_hover->OnRButtonDblClk(static_cast<unsigned>(flags), pt);
}

LRESULT PaintManager::OnMouseWheel(WPARAM wParam, LPARAM lParam)
{
    CPoint pt = PointOf(lParam);
    if (NativeWindow* w = WindowSystem::Get().Find(m_hwnd))
        pt = pt - w->rect.TopLeft();
    int delta = GET_WHEEL_DELTA_WPARAM(wParam);
    int notches = std::abs(delta) / WHEEL_DELTA;
    unsigned direction = delta <= 0 ? 1 : 0;
    bool any = false;
    for (int i = 0; i < notches; ++i) {
        if (m_hover && m_hover->OnScroll(1, direction, pt)) {
            any = true;
            continue;
        }
        if (m_controls.FindFirst([&](MControl* c) { return c->OnScroll(1, direction, pt) != 0; }))
            any = true;
    }
    return any ? 1 : 0;
}

void PaintManager::LeaveHover(bool asButtonUp)
{
    MControl* hover = m_hover;
    m_hover = nullptr;
    if (!hover)
        return;
    if (asButtonUp)
        hover->OnLButtonUp(0, kOutside);
    else
        hover->OnMouseMove(0, kOutside);
}

LRESULT PaintManager::OnMouseLeave()
{
    ClearTooltip();
    m_tracking = false;
    if (!m_pressed)
        LeaveHover(false);
    return 1;
}

LRESULT PaintManager::OnNcActivate(WPARAM active)
{
    if (active == 0) {
        m_tracking = false;
        m_captured = false;
        m_dblclk = false;
        bool pressed = m_pressed;
        m_pressed = false;
        LeaveHover(pressed);
    }
    Invalidate();
    return 1;
}

// ---- keyboard ----

LRESULT PaintManager::OnKeyDown(WPARAM vk)
{
    unsigned modifiers = GetModifierCode();
    auto key = static_cast<unsigned>(vk);
    MControl* first = m_focus ? m_focus : m_hover;
    if (first && first->OnKeyDown(key, 1, modifiers))
        return 1;
    m_controls.FindFirst([&](MControl* c) { return c != first && c->OnKeyDown(key, 1, modifiers) != 0; });
    return 1;
}

LRESULT PaintManager::OnChar(WPARAM ch)
{
    if (m_focus)
        return m_focus->OnChar(static_cast<unsigned>(ch));
    return 0;
}

void PaintManager::OnComposition()
{
    CString text;
    int cursor = 0;
    if (m_focus && WindowSystem::Get().Composition(m_hwnd, text, cursor))
        m_focus->OnControlComposition(text, cursor);
}

// ---- control timers ----

int PaintManager::SetTimer(MControl* control, unsigned localId, unsigned elapseMs)
{
    std::lock_guard lock(m_timer_mutex);
    for (auto& record : m_timers) {
        if (record.control == control && record.local_id == localId) {
            if (!record.killed)
                return 0;
            if (!WindowSystem::Get().SetTimer(m_hwnd, record.window_id, elapseMs))
                return 0;
            record.killed = false;
            return 1;
        }
    }
    // Ids 17..256 stay clear of the overlay's (66, 88, 99) and caret (6553) timers.
    unsigned id = 0;
    for (int tries = 0; tries < 240 && !id; ++tries) {
        m_timer_counter = (m_timer_counter + 1) % 240;
        unsigned candidate = m_timer_counter + 17;
        bool reserved = candidate == 66 || candidate == 88 || candidate == 99;
        bool used = std::any_of(m_timers.begin(), m_timers.end(), [&](auto const& r) { return r.window_id == candidate; });
        if (!reserved && !used)
            id = candidate;
    }
    if (!id || !WindowSystem::Get().SetTimer(m_hwnd, id, elapseMs))
        return 0;
    m_timers.push_back({ control, localId, id, false });
    return 1;
}

int PaintManager::KillTimer(MControl* control, unsigned localId)
{
    std::lock_guard lock(m_timer_mutex);
    for (auto& record : m_timers) {
        if (record.control == control && record.local_id == localId && !record.killed) {
            record.killed = true;
            WindowSystem::Get().KillTimer(m_hwnd, record.window_id);
            return 1;
        }
    }
    return 0;
}

void PaintManager::KillTimer(MControl* control)
{
    std::lock_guard lock(m_timer_mutex);
    std::erase_if(m_timers, [&](TimerRecord const& r) {
        if (r.control != control)
            return false;
        WindowSystem::Get().KillTimer(m_hwnd, r.window_id);
        return true;
    });
}

void PaintManager::ClearTimers()
{
    std::lock_guard lock(m_timer_mutex);
    for (auto const& r : m_timers)
        WindowSystem::Get().KillTimer(m_hwnd, r.window_id);
    m_timers.clear();
}

LRESULT PaintManager::OnTimer(WPARAM id)
{
    auto timer = static_cast<unsigned>(id);
    if (timer == 66 || timer == 88 || timer == 99 || timer == 6553) {
        OnMessageTimer(timer);
        return 0;
    }
    std::vector<MControl*> due;
    {
        std::lock_guard lock(m_timer_mutex);
        for (auto const& r : m_timers)
            if (r.window_id == timer && !r.killed)
                due.push_back(r.control);
    }
    for (MControl* control : due)
        control->OnTimer();
    return 0;
}

// ---- animation timer ----

void PaintManager::SetMTimer(unsigned periodMs)
{
    KillMTimer();
    m_animation_timer = RKTimer::SetTimer(periodMs, L"", 0);
}

void PaintManager::KillMTimer(unsigned id)
{
    if (id && id == m_animation_timer) {
        RKTimer::KillTimer(id);
        m_animation_timer = 0;
    }
}

void PaintManager::KillMTimer()
{
    unsigned id = m_animation_timer.exchange(0);
    if (id)
        RKTimer::KillTimer(id);
}

int PaintManager::AddMTimer(MControl* control)
{
    std::lock_guard lock(m_animation_mutex);
    m_animation.push_back(control);
    return 1;
}

int PaintManager::DeleteFSTimer(MControl* control)
{
    std::lock_guard lock(m_animation_mutex);
    auto it = std::find(m_animation.begin(), m_animation.end(), control);
    if (it == m_animation.end())
        return 0;
    m_animation.erase(it);
    return 1;
}

void PaintManager::OnMTimer(unsigned id)
{
    // Timer thread: only ask the window thread for a tick; one request at a
    // time, so a busy window does not pile up ticks.
    if (id != m_animation_timer || m_tick_pending.exchange(true))
        return;
    if (!LumoUI::PostMessageW(m_hwnd, WM_LUMO_ANIMATE, id, 0))
        m_tick_pending = false;
}

void PaintManager::RunAnimationTick()
{
    m_tick_pending = false;
    std::vector<MControl*> listed;
    {
        std::lock_guard lock(m_animation_mutex);
        listed = m_animation;
    }
    for (MControl* control : listed) {
        {
            // The control may have left the list during an earlier tick.
            std::lock_guard lock(m_animation_mutex);
            if (std::find(m_animation.begin(), m_animation.end(), control) == m_animation.end())
                continue;
        }
        if (control->IsRunTimer() && control->IsVisible() && control->IsParentVisible())
            control->OnTimer();
    }
}

}
