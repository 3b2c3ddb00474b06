#include "window/WindowSystemImpl.h"

#include <lumoui/Messages.h>
#include <lumoui/Window.h>

#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <thread>

namespace LumoUI {

namespace {

std::atomic<bool> s_headless_requested { false };

// Two presses within this time and distance make a double click.
constexpr uint32_t kDoubleClickMs = 500;
constexpr int kDoubleClickDistance = 4;
// A window is repainted at most once per this many milliseconds (about 60
// frames a second), even when an animation invalidates it continuously.
constexpr uint32_t kPaintIntervalMs = 15;

bool EnvWantsHeadless()
{
    char const* value = std::getenv("LUMOUI_BACKEND");
    return value && std::strcmp(value, "headless") == 0;
}

}

WindowSystem& WindowSystem::Get()
{
    static WindowSystem s_system;
    return s_system;
}

void WindowSystem::RequestHeadless() { s_headless_requested = true; }
bool WindowSystem::HeadlessRequested() { return s_headless_requested || EnvWantsHeadless(); }

WindowSystem::WindowSystem()
{
    if (!HeadlessRequested())
        m_backend = MakeSdlBackend();
    if (!m_backend) {
        m_backend = MakeHeadlessBackend();
        m_headless = true;
    }
}

Backend& WindowSystem::GetBackend() { return *m_backend; }

uint32_t WindowSystem::Now() const
{
    using namespace std::chrono;
    static auto const s_start = steady_clock::now();
    return static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now() - s_start).count());
}

HWND WindowSystem::CreateWindow(MWindow* object, HWND owner, CString const& title, unsigned style, unsigned exStyle, CRect rc)
{
    auto window = std::make_unique<NativeWindow>();
    HWND hwnd = window.get();
    window->object = object;
    window->owner = IsAlive(owner) ? owner : nullptr;
    window->title = title;
    window->style = style & ~WS_VISIBLE;
    window->ex_style = exStyle;
    window->rect = rc;
    if (!m_backend->CreateSurface(hwnd, rc, style, exStyle))
        return nullptr;
    m_backend->SetTitle(hwnd, title);
    {
        std::lock_guard lock(m_mutex);
        m_windows.push_back(std::move(window));
        m_live.insert(hwnd);
    }
    object->BindHandle(hwnd);
    Send(hwnd, WM_NCCREATE, 0, 0);
    if (Send(hwnd, WM_CREATE, 0, 0) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    if (!IsAlive(hwnd))
        return nullptr;
    Send(hwnd, WM_SIZE, 0, MAKELPARAM(rc.Width(), rc.Height()));
    if (style & WS_VISIBLE)
        Show(hwnd, SW_SHOW);
    return hwnd;
}

bool WindowSystem::DestroyWindow(HWND hwnd)
{
    NativeWindow* window = Find(hwnd);
    if (!window)
        return false;
    // Owned pop-ups go first, as on the desktop.
    std::vector<HWND> owned;
    {
        std::lock_guard lock(m_mutex);
        for (auto const& w : m_windows)
            if (w->alive && w->owner == hwnd)
                owned.push_back(w.get());
    }
    for (HWND child : owned)
        DestroyWindow(child);
    if (!window->alive)
        return false;
    if (window->visible)
        Show(hwnd, SW_HIDE);
    Send(hwnd, WM_DESTROY, 0, 0);
    {
        std::lock_guard lock(m_mutex);
        window->alive = false;
        m_live.erase(hwnd);
        std::erase_if(m_queue, [hwnd](MSG const& m) { return m.hwnd == hwnd; });
    }
    window->timers.clear();
    if (m_capture == hwnd)
        ReleaseCapture();
    if (m_hover == hwnd)
        m_hover = nullptr;
    if (m_moving == hwnd)
        m_moving = nullptr;
    m_backend->DestroySurface(hwnd);
    MWindow* object = window->object;
    window->object = nullptr;
    if (object) {
        object->DefWindowProc(WM_NCDESTROY, 0, 0);
        object->BindHandle(nullptr);
        object->OnDestroyMessage(hwnd);
    }
    if (m_active == hwnd) {
        m_active = nullptr;
        if (IsAlive(window->owner))
            Activate(window->owner);
    }
    return true;
}

bool WindowSystem::IsAlive(HWND hwnd) const
{
    if (!hwnd)
        return false;
    std::lock_guard lock(m_mutex);
    return m_live.count(hwnd) != 0;
}

NativeWindow* WindowSystem::Find(HWND hwnd) const { return IsAlive(hwnd) ? hwnd : nullptr; }

void WindowSystem::PostLocked(MSG const& msg) { m_queue.push_back(msg); }

bool WindowSystem::Post(HWND hwnd, unsigned msg, WPARAM wParam, LPARAM lParam)
{
    {
        std::lock_guard lock(m_mutex);
        if (hwnd && !m_live.count(hwnd))
            return false;
        PostLocked(MSG { hwnd, msg, wParam, lParam, Now(), m_cursor });
    }
    m_backend->Wake();
    return true;
}

void WindowSystem::PostQuit(int code) { Post(nullptr, WM_QUIT, static_cast<WPARAM>(code), 0); }

LRESULT WindowSystem::Send(HWND hwnd, unsigned msg, WPARAM wParam, LPARAM lParam)
{
    NativeWindow* window = Find(hwnd);
    if (!window || !window->object)
        return 0;
    return window->object->OnWindowMessage(msg, wParam, lParam);
}

void WindowSystem::PumpBackend()
{
    std::vector<BackendEvent> events;
    m_backend->Poll(events);
    for (auto const& event : events)
        HandleEvent(event);
}

bool WindowSystem::NextTimer(MSG& msg, bool remove, int& waitMs)
{
    uint32_t now = Now();
    std::vector<HWND> windows;
    {
        std::lock_guard lock(m_mutex);
        windows.assign(m_live.begin(), m_live.end());
    }
    for (HWND hwnd : windows) {
        for (auto& timer : hwnd->timers) {
            auto remaining = static_cast<int32_t>(timer.due - now);
            if (remaining <= 0) {
                msg = MSG { hwnd, WM_TIMER, timer.id, 0, now, m_cursor };
                if (remove)
                    timer.due = now + timer.period;
                return true;
            }
            waitMs = std::min(waitMs, static_cast<int>(remaining));
        }
    }
    return false;
}

bool WindowSystem::NextPaint(MSG& msg, int& waitMs)
{
    uint32_t now = Now();
    std::lock_guard lock(m_mutex);
    for (HWND hwnd : m_live) {
        if (!hwnd->visible || hwnd->invalid.IsRectEmpty() || (hwnd->style & WS_MINIMIZE))
            continue;
        auto since = static_cast<int32_t>(now - hwnd->last_paint);
        if (hwnd->painted_once && since < static_cast<int32_t>(kPaintIntervalMs)) {
            waitMs = std::min(waitMs, static_cast<int>(kPaintIntervalMs) - since);
            continue;
        }
        msg = MSG { hwnd, WM_PAINT, 0, 0, now, m_cursor };
        return true;
    }
    return false;
}

bool WindowSystem::Get(MSG& msg, bool block, bool remove)
{
    for (;;) {
        PumpBackend();
        {
            std::lock_guard lock(m_mutex);
            if (!m_queue.empty()) {
                msg = m_queue.front();
                if (remove) {
                    m_queue.pop_front();
                    // Key state follows the messages as they are taken, so a
                    // handler sees the modifiers of its own key press.
                    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN)
                        SetKey(static_cast<unsigned>(msg.wParam), true);
                    else if (msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP)
                        SetKey(static_cast<unsigned>(msg.wParam), false);
                }
                return true;
            }
        }
        int waitMs = 1000;
        if (NextPaint(msg, waitMs))
            return true;
        if (NextTimer(msg, remove, waitMs))
            return true;
        if (!block)
            return false;
        m_backend->Wait(std::max(waitMs, 1));
    }
}

bool WindowSystem::IsIdle()
{
    MSG msg;
    int waitMs = 1 << 30;
    PumpBackend();
    {
        std::lock_guard lock(m_mutex);
        if (!m_queue.empty())
            return false;
    }
    if (NextPaint(msg, waitMs) || NextTimer(msg, false, waitMs))
        return false;
    // A throttled paint still waits.
    std::lock_guard lock(m_mutex);
    for (HWND hwnd : m_live)
        if (hwnd->visible && !hwnd->invalid.IsRectEmpty() && !(hwnd->style & WS_MINIMIZE))
            return false;
    return true;
}

void WindowSystem::Wait(int timeoutMs) { m_backend->Wait(timeoutMs); }

LRESULT WindowSystem::Dispatch(MSG const& msg)
{
    if (!msg.hwnd)
        return 0;
    LRESULT result = Send(msg.hwnd, msg.message, msg.wParam, msg.lParam);
    if (msg.message == WM_PAINT && IsAlive(msg.hwnd)) {
        // A window that did not paint must not be asked again and again.
        std::lock_guard lock(m_mutex);
        msg.hwnd->invalid = CRect {};
        msg.hwnd->last_paint = Now();
        msg.hwnd->painted_once = true;
    }
    return result;
}

bool WindowSystem::Invalidate(HWND hwnd, CRect const* rc)
{
    {
        std::lock_guard lock(m_mutex);
        if (!hwnd || !m_live.count(hwnd))
            return false;
        CRect client(0, 0, hwnd->rect.Width(), hwnd->rect.Height());
        CRect add = client;
        if (rc && !add.IntersectRect(*rc, client))
            return true;
        hwnd->invalid.UnionRect(hwnd->invalid, add);
    }
    m_backend->Wake();
    return true;
}

CRect WindowSystem::TakeUpdateRect(HWND hwnd)
{
    std::lock_guard lock(m_mutex);
    if (!hwnd || !m_live.count(hwnd))
        return {};
    CRect rc = hwnd->invalid;
    hwnd->invalid = CRect {};
    return rc;
}

void WindowSystem::Present(HWND hwnd, MImage const& frame, CRect dirty)
{
    NativeWindow* window = Find(hwnd);
    if (!window)
        return;
    window->frame = frame;
    m_backend->Present(hwnd, frame, dirty);
}

void WindowSystem::Show(HWND hwnd, int cmd)
{
    NativeWindow* window = Find(hwnd);
    if (!window)
        return;
    bool show = cmd != SW_HIDE;
    if (cmd == SW_MINIMIZE || cmd == SW_SHOWMINIMIZED)
        window->style |= WS_MINIMIZE;
    else if (cmd == SW_RESTORE || cmd == SW_SHOWNORMAL)
        window->style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
    else if (cmd == SW_MAXIMIZE)
        window->style |= WS_MAXIMIZE;
    bool changed = window->visible != show;
    window->visible = show;
    if (show)
        window->style |= WS_VISIBLE;
    else
        window->style &= ~WS_VISIBLE;
    bool activate = show && cmd != SW_SHOWNA && cmd != SW_SHOWNOACTIVATE && !(window->style & WS_MINIMIZE);
    if (show && (window->style & WS_MINIMIZE))
        m_backend->Minimize(hwnd);
    else
        m_backend->Show(hwnd, show, activate);
    if (changed)
        Send(hwnd, WM_SHOWWINDOW, show ? 1 : 0, 0);
    if (show)
        Invalidate(hwnd, nullptr);
    if (activate)
        Activate(hwnd);
    else if (!show && m_active == hwnd) {
        m_active = nullptr;
        Send(hwnd, WM_NCACTIVATE, 0, 0);
        if (IsAlive(window->owner) && window->owner->visible)
            Activate(window->owner);
    }
}

void WindowSystem::SetBounds(HWND hwnd, CRect rc, bool sendSize)
{
    NativeWindow* window = Find(hwnd);
    if (!window)
        return;
    bool resized = rc.Size() != window->rect.Size();
    bool moved = rc.TopLeft() != window->rect.TopLeft();
    if (!resized && !moved)
        return;
    Send(hwnd, WM_WINDOWPOSCHANGING, 0, 0);
    {
        std::lock_guard lock(m_mutex);
        window->rect = rc;
    }
    m_backend->SetBounds(hwnd, rc);
    if (moved)
        Send(hwnd, WM_MOVE, 0, MAKELPARAM(rc.left, rc.top));
    if (resized && sendSize) {
        Send(hwnd, WM_SIZE, 0, MAKELPARAM(rc.Width(), rc.Height()));
        Invalidate(hwnd, nullptr);
    }
    Send(hwnd, WM_WINDOWPOSCHANGED, 0, 0);
}

void WindowSystem::SetTitle(HWND hwnd, CString const& title)
{
    if (NativeWindow* window = Find(hwnd)) {
        window->title = title;
        m_backend->SetTitle(hwnd, title);
    }
}

void WindowSystem::Enable(HWND hwnd, bool enable)
{
    NativeWindow* window = Find(hwnd);
    if (!window)
        return;
    bool was = !(window->style & WS_DISABLED);
    if (was == enable)
        return;
    if (enable)
        window->style &= ~WS_DISABLED;
    else
        window->style |= WS_DISABLED;
    if (!enable && m_capture == hwnd)
        ReleaseCapture();
    Send(hwnd, WM_ENABLE, enable ? 1 : 0, 0);
}

void WindowSystem::Activate(HWND hwnd)
{
    if (!IsAlive(hwnd) || m_active == hwnd)
        return;
    HWND previous = m_active;
    m_active = hwnd;
    if (IsAlive(previous)) {
        Send(previous, WM_NCACTIVATE, 0, 0);
        Send(previous, WM_ACTIVATE, 0, 0);
    }
    Send(hwnd, WM_NCACTIVATE, 1, 0);
    Send(hwnd, WM_ACTIVATE, 1, 0);
}

HWND WindowSystem::SetCapture(HWND hwnd)
{
    HWND previous = m_capture;
    if (!IsAlive(hwnd))
        return previous;
    m_capture = hwnd;
    m_backend->CaptureMouse(true);
    return previous;
}

bool WindowSystem::ReleaseCapture()
{
    if (!m_capture)
        return false;
    m_capture = nullptr;
    m_backend->CaptureMouse(false);
    return true;
}

void WindowSystem::TrackLeave(HWND hwnd)
{
    if (NativeWindow* window = Find(hwnd))
        window->track_leave = true;
}

void WindowSystem::BeginMove(HWND hwnd, CPoint screen)
{
    NativeWindow* window = Find(hwnd);
    if (!window || !m_buttons[0])
        return;
    m_moving = hwnd;
    m_move_origin = screen;
    m_move_start = window->rect;
}

void WindowSystem::SetCursor(CursorKind cursor) { m_backend->SetCursor(cursor); }

unsigned WindowSystem::SetTimer(HWND hwnd, unsigned id, unsigned ms)
{
    NativeWindow* window = Find(hwnd);
    if (!window)
        return 0;
    ms = std::max(ms, 1u);
    for (auto& timer : window->timers) {
        if (timer.id == id) {
            timer.period = ms;
            timer.due = Now() + ms;
            return id;
        }
    }
    window->timers.push_back({ id, ms, Now() + ms });
    m_backend->Wake();
    return id;
}

bool WindowSystem::KillTimer(HWND hwnd, unsigned id)
{
    NativeWindow* window = Find(hwnd);
    if (!window)
        return false;
    return std::erase_if(window->timers, [id](auto const& t) { return t.id == id; }) > 0;
}

short WindowSystem::KeyState(unsigned vk) const
{
    if (vk >= m_keys.size())
        return 0;
    return m_keys[vk] ? static_cast<short>(0x8000) : 0;
}

void WindowSystem::SetKey(unsigned vk, bool down)
{
    if (vk < m_keys.size())
        m_keys[vk] = down;
    auto both = [&](unsigned generic, unsigned left, unsigned right) {
        if (vk == left || vk == right)
            m_keys[generic] = m_keys[left] || m_keys[right];
    };
    both(VK_SHIFT, VK_LSHIFT, VK_RSHIFT);
    both(VK_CONTROL, VK_LCONTROL, VK_RCONTROL);
    both(VK_MENU, VK_LMENU, VK_RMENU);
}

unsigned WindowSystem::MouseFlags() const
{
    unsigned flags = 0;
    if (m_buttons[0])
        flags |= MK_LBUTTON;
    if (m_buttons[1])
        flags |= MK_RBUTTON;
    if (m_buttons[2])
        flags |= MK_MBUTTON;
    if (m_keys[VK_SHIFT])
        flags |= MK_SHIFT;
    if (m_keys[VK_CONTROL])
        flags |= MK_CONTROL;
    return flags;
}

void WindowSystem::HandleEvent(BackendEvent const& event)
{
    using T = BackendEvent::Type;
    static bool const s_trace = std::getenv("LUMOUI_TRACE") != nullptr;
    if (s_trace)
        std::fprintf(stderr, "lumoui: event %d window %p at %d,%d button %d vk %u\n", static_cast<int>(event.type),
            static_cast<void*>(event.window), event.screen.x, event.screen.y, event.button, event.vk);
    switch (event.type) {
    case T::MouseMove:
    case T::MouseDown:
    case T::MouseUp:
    case T::Wheel:
    case T::MouseLeave:
        DeliverMouse(event);
        break;
    case T::KeyDown:
    case T::KeyUp:
    case T::Text:
    case T::Composition:
        DeliverKey(event);
        break;
    case T::FocusGained:
        if (IsAlive(event.window))
            Activate(event.window);
        break;
    case T::FocusLost:
        if (IsAlive(event.window) && m_active == event.window) {
            m_active = nullptr;
            if (m_capture == event.window)
                ReleaseCapture();
            Post(event.window, WM_NCACTIVATE, 0, 0);
            Post(event.window, WM_ACTIVATE, 0, 0);
        }
        break;
    case T::CloseRequest:
        if (IsAlive(event.window) && !(event.window->style & WS_DISABLED))
            Post(event.window, WM_CLOSE, 0, 0);
        break;
    case T::Exposed:
        Invalidate(event.window, nullptr);
        break;
    case T::Moved:
        if (NativeWindow* window = Find(event.window)) {
            CRect rc = window->rect;
            rc.MoveToXY(event.screen.x, event.screen.y);
            std::lock_guard lock(m_mutex);
            window->rect = rc;
        }
        break;
    }
}

void WindowSystem::DeliverMouse(BackendEvent const& event)
{
    using T = BackendEvent::Type;
    if (event.type != T::MouseLeave)
        m_cursor = event.screen;
    if (event.type == T::MouseDown && event.button >= 0 && event.button < 3)
        m_buttons[event.button] = true;
    if (event.type == T::MouseUp && event.button >= 0 && event.button < 3)
        m_buttons[event.button] = false;

    if (m_moving) {
        if (event.type == T::MouseMove && IsAlive(m_moving)) {
            CRect rc = m_move_start;
            rc.OffsetRect(event.screen.x - m_move_origin.x, event.screen.y - m_move_origin.y);
            SetBounds(m_moving, rc, false);
        }
        if (event.type == T::MouseUp && event.button == 0)
            m_moving = nullptr;
        return;
    }

    if (event.type == T::MouseLeave) {
        HWND window = event.window;
        if (m_capture == window)
            return;
        if (NativeWindow* w = Find(window); w && w->track_leave) {
            w->track_leave = false;
            Post(window, WM_MOUSELEAVE, 0, 0);
        }
        if (m_hover == window)
            m_hover = nullptr;
        return;
    }

    HWND target = m_capture ? m_capture : event.window;
    NativeWindow* window = Find(target);
    if (!window)
        return;
    // The pointer moved from one of our windows to another one.
    if (!m_capture && m_hover != target) {
        if (NativeWindow* old = Find(m_hover); old && old->track_leave) {
            old->track_leave = false;
            Post(m_hover, WM_MOUSELEAVE, 0, 0);
        }
        m_hover = target;
    }
    if (window->style & WS_DISABLED)
        return;
    CPoint client = event.screen - window->rect.TopLeft();
    LPARAM at = MAKELPARAM(client.x, client.y);
    unsigned flags = MouseFlags();
    // A press or release where the pointer was never reported (motion
    // events can be coalesced away) is preceded by a move there, so that
    // hover state is current when the button message arrives.
    if (event.type != T::MouseMove && event.type != T::Wheel && (m_last_move_window != target || m_last_move != client))
        Post(target, WM_MOUSEMOVE, flags, at);
    if (event.type != T::Wheel) {
        m_last_move_window = target;
        m_last_move = client;
    }
    switch (event.type) {
    case T::MouseMove:
        Post(target, WM_MOUSEMOVE, flags, at);
        break;
    case T::MouseDown: {
        uint32_t now = Now();
        bool dbl = m_last_click.window == target && m_last_click.button == event.button
            && now - m_last_click.time <= kDoubleClickMs
            && std::abs(m_last_click.at.x - event.screen.x) <= kDoubleClickDistance
            && std::abs(m_last_click.at.y - event.screen.y) <= kDoubleClickDistance;
        m_last_click = dbl ? LastClick {} : LastClick { target, event.button, now, event.screen };
        static constexpr unsigned kDown[3] = { WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN };
        static constexpr unsigned kDbl[3] = { WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK, WM_MBUTTONDOWN };
        int b = std::clamp(event.button, 0, 2);
        if (target != m_active && !(window->ex_style & WS_EX_TOOLWINDOW))
            Activate(target);
        Post(target, dbl ? kDbl[b] : kDown[b], flags, at);
        break;
    }
    case T::MouseUp: {
        static constexpr unsigned kUp[3] = { WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP };
        Post(target, kUp[std::clamp(event.button, 0, 2)], flags, at);
        break;
    }
    case T::Wheel:
        Post(target, WM_MOUSEWHEEL, (static_cast<WPARAM>(static_cast<uint16_t>(event.delta)) << 16) | flags,
            MAKELPARAM(event.screen.x, event.screen.y));
        break;
    default:
        break;
    }
}

void WindowSystem::DeliverKey(BackendEvent const& event)
{
    using T = BackendEvent::Type;
    HWND target = IsAlive(m_active) ? m_active : event.window;
    NativeWindow* window = Find(target);
    if (!window || (window->style & WS_DISABLED)) {
        if (event.type == T::KeyDown || event.type == T::KeyUp)
            SetKey(event.vk, event.type == T::KeyDown);
        return;
    }
    bool alt = m_alt_pending;
    if (event.vk == VK_LMENU || event.vk == VK_RMENU)
        m_alt_pending = event.type == T::KeyDown;
    switch (event.type) {
    case T::KeyDown:
        Post(target, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, event.vk, 1);
        break;
    case T::KeyUp:
        Post(target, alt ? WM_SYSKEYUP : WM_KEYUP, event.vk, 1);
        break;
    case T::Text:
        for (wchar_t ch : event.text)
            Post(target, WM_CHAR, static_cast<WPARAM>(ch), 1);
        break;
    case T::Composition:
        // Only the latest composition matters; the message, queued after
        // the characters before it, tells the window to fetch it.
        window->composition = event.text;
        window->composition_cursor = std::clamp(event.cursor, 0, static_cast<int>(event.text.size()));
        Post(target, WM_LUMO_COMPOSITION, 0, 0);
        break;
    default:
        break;
    }
}

bool WindowSystem::Composition(HWND hwnd, CString& text, int& cursor) const
{
    NativeWindow* window = Find(hwnd);
    if (!window)
        return false;
    text = window->composition;
    cursor = window->composition_cursor;
    return true;
}

void WindowSystem::SetTextInputRect(HWND hwnd, CRect clientRect)
{
    NativeWindow* window = Find(hwnd);
    if (!window)
        return;
    window->text_input_rect = clientRect;
    m_backend->SetTextInputRect(hwnd, clientRect);
}

// ---- free functions ----

bool GetMessageW(MSG& msg)
{
    WindowSystem::Get().Get(msg, true, true);
    return msg.message != WM_QUIT;
}
bool PeekMessageW(MSG& msg, bool remove) { return WindowSystem::Get().Get(msg, false, remove); }
void TranslateMessage(MSG const&) { }
LRESULT DispatchMessageW(MSG const& msg) { return WindowSystem::Get().Dispatch(msg); }
bool PostMessageW(HWND hwnd, unsigned msg, WPARAM wParam, LPARAM lParam)
{
    if (!hwnd)
        return false;
    return WindowSystem::Get().Post(hwnd, msg, wParam, lParam);
}
LRESULT SendMessageW(HWND hwnd, unsigned msg, WPARAM wParam, LPARAM lParam) { return WindowSystem::Get().Send(hwnd, msg, wParam, lParam); }
void PostQuitMessage(int exitCode) { WindowSystem::Get().PostQuit(exitCode); }
bool IsWindow(HWND hwnd) { return WindowSystem::Get().IsAlive(hwnd); }
bool InvalidateRect(HWND hwnd, CRect const* rc, bool) { return WindowSystem::Get().Invalidate(hwnd, rc); }
short GetKeyState(unsigned vk) { return WindowSystem::Get().KeyState(vk); }
short GetAsyncKeyState(unsigned vk) { return WindowSystem::Get().KeyState(vk); }
bool GetCursorPos(CPoint& pt)
{
    auto& system = WindowSystem::Get();
    if (!system.GetBackend().CursorPos(pt))
        pt = system.CursorPos();
    return true;
}
HWND GetForegroundWindow() { return WindowSystem::Get().Active(); }
HWND GetCapture() { return WindowSystem::Get().Capture(); }
void SetCursor(CursorKind cursor) { WindowSystem::Get().SetCursor(cursor); }
CRect GetWorkArea(CPoint pt) { return WindowSystem::Get().GetBackend().WorkArea(pt); }
uint32_t GetTickCount() { return WindowSystem::Get().Now(); }
void WaitMessage(int timeoutMs) { WindowSystem::Get().Wait(timeoutMs); }
bool SaveWindowPng(HWND hwnd, CString const& pngPath)
{
    NativeWindow* window = WindowSystem::Get().Find(hwnd);
    return window && !window->frame.IsNull() && window->frame.SavePng(pngPath);
}
void SetTextInputRect(HWND hwnd, CRect clientRect) { WindowSystem::Get().SetTextInputRect(hwnd, clientRect); }
void UseHeadlessBackend() { WindowSystem::RequestHeadless(); }
bool IsHeadlessBackend() { return WindowSystem::Get().IsHeadless(); }

}
