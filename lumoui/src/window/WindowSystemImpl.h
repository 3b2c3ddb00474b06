#pragma once

#include "window/Backend.h"
#include "window/NativeWindow.h"

#include <lumoui/WindowSystem.h>

#include <array>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <set>
#include <vector>

namespace LumoUI {

class MWindow;

// The process-wide window system behind the free functions of
// <lumoui/WindowSystem.h>. Window thread only unless a member says otherwise.
class WindowSystem {
public:
    static WindowSystem& Get();
    static void RequestHeadless();
    static bool HeadlessRequested();

    Backend& GetBackend();
    bool IsHeadless() const { return m_headless; }

    HWND CreateWindow(MWindow* object, HWND owner, CString const& title, unsigned style, unsigned exStyle, CRect rc);
    bool DestroyWindow(HWND hwnd);
    // Any thread.
    bool IsAlive(HWND hwnd) const;
    NativeWindow* Find(HWND hwnd) const;

    bool Post(HWND hwnd, unsigned msg, WPARAM wParam, LPARAM lParam);
    void PostQuit(int code);
    LRESULT Send(HWND hwnd, unsigned msg, WPARAM wParam, LPARAM lParam);
    bool Get(MSG& msg, bool block, bool remove);
    LRESULT Dispatch(MSG const& msg);
    void Wait(int timeoutMs);
    // True when nothing is queued, due or waiting to be painted.
    bool IsIdle();

    bool Invalidate(HWND hwnd, CRect const* rc);
    // The region to paint (and clears it); empty when nothing.
    CRect TakeUpdateRect(HWND hwnd);
    void Present(HWND hwnd, MImage const& frame, CRect dirty);

    void Show(HWND hwnd, int cmd);
    void SetBounds(HWND hwnd, CRect rc, bool sendSize);
    void SetTitle(HWND hwnd, CString const& title);
    void Enable(HWND hwnd, bool enable);
    void Activate(HWND hwnd);
    HWND Active() const { return m_active; }
    HWND SetCapture(HWND hwnd);
    bool ReleaseCapture();
    HWND Capture() const { return m_capture; }
    void TrackLeave(HWND hwnd);
    void BeginMove(HWND hwnd, CPoint screen);
    void SetCursor(CursorKind cursor);

    unsigned SetTimer(HWND hwnd, unsigned id, unsigned ms);
    bool KillTimer(HWND hwnd, unsigned id);

    short KeyState(unsigned vk) const;
    // The window's current input-method composition; false for a dead window.
    bool Composition(HWND hwnd, CString& text, int& cursor) const;
    void SetTextInputRect(HWND hwnd, CRect clientRect);
    CPoint CursorPos() const { return m_cursor; }
    uint32_t Now() const;

    // Input from the backend (or the test driver).
    void HandleEvent(BackendEvent const& event);
    void PumpBackend();

private:
    WindowSystem();
    void PostLocked(MSG const& msg);
    void DeliverMouse(BackendEvent const& event);
    void DeliverKey(BackendEvent const& event);
    bool NextTimer(MSG& msg, bool remove, int& waitMs);
    bool NextPaint(MSG& msg, int& waitMs);
    void SetKey(unsigned vk, bool down);
    unsigned MouseFlags() const;

    std::unique_ptr<Backend> m_backend;
    bool m_headless { false };
    mutable std::mutex m_mutex;
    std::deque<MSG> m_queue;
    std::set<HWND> m_live;
    std::vector<std::unique_ptr<NativeWindow>> m_windows;
    std::array<std::atomic<bool>, 256> m_keys {};
    HWND m_active { nullptr };
    HWND m_capture { nullptr };
    HWND m_hover { nullptr };
    HWND m_moving { nullptr };
    CPoint m_move_origin;
    CRect m_move_start;
    CPoint m_cursor;
    bool m_buttons[3] { false, false, false };
    bool m_alt_pending { false };
    HWND m_last_move_window { nullptr };
    CPoint m_last_move;
    struct LastClick {
        HWND window { nullptr };
        int button { -1 };
        uint32_t time { 0 };
        CPoint at;
    } m_last_click;
};

}
