#pragma once

// The seam between the window system and the desktop: one SDL2 (X11)
// implementation and one in-memory implementation for tests.

#include <lumoui/Image.h>
#include <lumoui/Types.h>
#include <lumoui/WindowSystem.h>

#include <memory>
#include <vector>

namespace LumoUI {

struct BackendEvent {
    enum class Type {
        MouseMove,
        MouseDown,
        MouseUp,
        Wheel,
        MouseLeave,
        KeyDown,
        KeyUp,
        Text,
        Composition, // text: uncommitted input-method text ("" ends it); cursor
        FocusGained,
        FocusLost,
        CloseRequest,
        Exposed,
        Moved,
    };
    Type type { Type::MouseMove };
    HWND window { nullptr };
    CPoint screen; // mouse events and Moved: screen coordinates
    int button { 0 }; // 0 left, 1 right, 2 middle
    int delta { 0 }; // wheel, 120 per notch, positive = away from the user
    unsigned vk { 0 };
    CString text;
    int cursor { 0 }; // Composition: code points into text
};

class Backend {
public:
    virtual ~Backend() = default;
    virtual bool CreateSurface(HWND window, CRect screenRect, unsigned style, unsigned exStyle) = 0;
    virtual void DestroySurface(HWND window) = 0;
    virtual void Show(HWND window, bool show, bool activate) = 0;
    // Iconifies the window: it stays reachable from the desktop's task bar.
    virtual void Minimize(HWND window) = 0;
    virtual void SetBounds(HWND window, CRect screenRect) = 0;
    virtual void SetTitle(HWND window, CString const& title) = 0;
    // frame holds the whole client area; only dirty needs to reach the screen.
    virtual void Present(HWND window, MImage const& frame, CRect dirty) = 0;
    virtual void Raise(HWND window) = 0;
    virtual void SetOpacity(HWND window, float opacity) = 0;
    virtual void CaptureMouse(bool on) = 0;
    virtual void SetCursor(CursorKind cursor) = 0;
    virtual CRect WorkArea(CPoint screenPoint) = 0;
    virtual bool CursorPos(CPoint& screenPoint) = 0;
    // Non-blocking: appends every pending event.
    virtual void Poll(std::vector<BackendEvent>& out) = 0;
    // Blocks until an event arrives, Wake is called or timeoutMs pass.
    virtual void Wait(int timeoutMs) = 0;
    // Any thread.
    virtual void Wake() = 0;
    // Plain-text clipboard; false when it could not be written, empty when
    // it holds no text. Window thread.
    virtual bool SetClipboardText(CString const& text) = 0;
    virtual CString ClipboardText() = 0;
    // Where an input method should place its candidate window: the caret of
    // the focused edit, in the window's client coordinates.
    virtual void SetTextInputRect(HWND window, CRect clientRect) = 0;
};

std::unique_ptr<Backend> MakeHeadlessBackend();
// Null when no display can be opened.
std::unique_ptr<Backend> MakeSdlBackend();

}
