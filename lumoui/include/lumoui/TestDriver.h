#pragma once

#include <lumoui/Export.h>
#include <lumoui/Image.h>
#include <lumoui/Types.h>
#include <lumoui/WindowSystem.h>

namespace LumoUI {

class MWindow;

// Drives the in-memory backend in tests: injects mouse and keyboard input
// into a window as the desktop would (screen coordinates are derived from
// the window's position), runs the message loop until nothing is left to
// do, and captures a window's pixels. Construct it before creating any
// window; it selects the headless backend. Window thread only.
class LUMOUI_API TestDriver {
public:
    TestDriver();

    // Client coordinates of `window`.
    void MouseMove(HWND window, CPoint pt);
    void MouseDown(HWND window, CPoint pt, bool right = false);
    void MouseUp(HWND window, CPoint pt, bool right = false);
    void Click(HWND window, CPoint pt, bool right = false);
    void DoubleClick(HWND window, CPoint pt);
    // The pointer leaves the window.
    void MouseLeave(HWND window);
    // delta in wheel units (120 per notch; negative = towards the user).
    void Wheel(HWND window, CPoint pt, int delta);
    void KeyDown(HWND window, unsigned vk);
    void KeyUp(HWND window, unsigned vk);
    void KeyPress(HWND window, unsigned vk);
    void TypeText(HWND window, CString const& text);
    // An input method's uncommitted text, `cursor` code points into it (an
    // empty text ends the composition); commit with TypeText.
    void Compose(HWND window, CString const& text, int cursor);
    // Where the window last asked the input method to put its candidate
    // window (client coordinates); empty when never.
    CRect TextInputRect(HWND window);
    // Another window became active (the window is deactivated).
    void Deactivate(HWND window);
    void Activate(HWND window);

    // Dispatches every queued message, due timer and pending paint; returns
    // the number of messages dispatched. Stops at WM_QUIT (left queued).
    int RunUntilIdle();
    // Keeps running for ms of real time (for timers).
    void RunFor(int ms);
    // The pixels last presented for the window (client area).
    MImage Capture(HWND window);
    bool SaveCapture(HWND window, CString const& pngPath);
};

}
