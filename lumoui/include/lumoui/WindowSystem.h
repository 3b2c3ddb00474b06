#pragma once

// The toolkit's window system: top-level windows, a per-process message
// queue with (msg, wParam, lParam) dispatch, window timers, capture, key
// state and cursors. Two backends sit behind it: SDL2 on X11 for real
// windows, and an in-memory one for tests (selected with
// UseHeadlessBackend() before the first window, or with the environment
// variable LUMOUI_BACKEND=headless).
//
// Threads: everything runs on the one window thread that created the
// windows, except PostMessageW and InvalidateRect, which any thread may call.

#include <lumoui/Export.h>
#include <lumoui/Types.h>

#include <cstdint>

namespace LumoUI {

struct MSG {
    HWND hwnd { nullptr };
    unsigned message { 0 };
    WPARAM wParam { 0 };
    LPARAM lParam { 0 };
    uint32_t time { 0 };
    CPoint pt;
};

// The system cursors a control can ask for.
enum class CursorKind { Arrow, Wait, Cross, SizeWE, SizeNS, Hand, Help };

// Blocks until a message is available; false when it is WM_QUIT.
LUMOUI_API bool GetMessageW(MSG& msg);
// Non-blocking; with remove false the message stays queued.
LUMOUI_API bool PeekMessageW(MSG& msg, bool remove);
LUMOUI_API void TranslateMessage(MSG const& msg);
LUMOUI_API LRESULT DispatchMessageW(MSG const& msg);
// Any thread. False for a dead window.
LUMOUI_API bool PostMessageW(HWND hwnd, unsigned msg, WPARAM wParam, LPARAM lParam);
// Window thread: calls the window's procedure at once; 0 for a dead window.
LUMOUI_API LRESULT SendMessageW(HWND hwnd, unsigned msg, WPARAM wParam, LPARAM lParam);
LUMOUI_API void PostQuitMessage(int exitCode);
LUMOUI_API bool IsWindow(HWND hwnd);
// Any thread: adds rc (client coordinates; empty = whole client area) to
// the window's update region and wakes the message loop.
LUMOUI_API bool InvalidateRect(HWND hwnd, CRect const* rc, bool erase);
// Key state as the window thread last saw it: bit 15 set while down.
LUMOUI_API short GetKeyState(unsigned vk);
LUMOUI_API short GetAsyncKeyState(unsigned vk);
LUMOUI_API bool GetCursorPos(CPoint& screenPoint);
LUMOUI_API HWND GetForegroundWindow();
LUMOUI_API HWND GetCapture();
LUMOUI_API void SetCursor(CursorKind cursor);
// Work area of the monitor that contains (or is nearest to) the point.
LUMOUI_API CRect GetWorkArea(CPoint screenPoint);
// Milliseconds of a steady clock.
LUMOUI_API uint32_t GetTickCount();
// The window thread sleeps until a message arrives (or ms pass).
LUMOUI_API void WaitMessage(int timeoutMs);

// Writes the pixels last presented in the window (its client area) as PNG;
// false for a dead or never-painted window or an unwritable file.
LUMOUI_API bool SaveWindowPng(HWND hwnd, CString const& pngPath);

// Tells the input method where the text caret is (client coordinates of
// the window), so that its candidate window opens next to it.
LUMOUI_API void SetTextInputRect(HWND hwnd, CRect clientRect);

// Select the in-memory backend; only before the first window is created.
LUMOUI_API void UseHeadlessBackend();
LUMOUI_API bool IsHeadlessBackend();

}
