#include <lumoui/TestDriver.h>

#include "window/WindowSystemImpl.h"

#include <lumoui/Messages.h>
#include <lumoui/Window.h>

#include <chrono>
#include <thread>

namespace LumoUI {

namespace {

WindowSystem& ws() { return WindowSystem::Get(); }

BackendEvent Mouse(BackendEvent::Type type, HWND window, CPoint client, int button = 0)
{
    BackendEvent e;
    e.type = type;
    e.window = window;
    e.button = button;
    if (NativeWindow* w = ws().Find(window))
        e.screen = client + w->rect.TopLeft();
    return e;
}

}

TestDriver::TestDriver() { UseHeadlessBackend(); }

void TestDriver::MouseMove(HWND window, CPoint pt) { ws().HandleEvent(Mouse(BackendEvent::Type::MouseMove, window, pt)); }
void TestDriver::MouseDown(HWND window, CPoint pt, bool right) { ws().HandleEvent(Mouse(BackendEvent::Type::MouseDown, window, pt, right ? 1 : 0)); }
void TestDriver::MouseUp(HWND window, CPoint pt, bool right) { ws().HandleEvent(Mouse(BackendEvent::Type::MouseUp, window, pt, right ? 1 : 0)); }

void TestDriver::Click(HWND window, CPoint pt, bool right)
{
    MouseMove(window, pt);
    MouseDown(window, pt, right);
    MouseUp(window, pt, right);
}

void TestDriver::DoubleClick(HWND window, CPoint pt)
{
    Click(window, pt);
    Click(window, pt);
}

void TestDriver::MouseLeave(HWND window)
{
    BackendEvent e;
    e.type = BackendEvent::Type::MouseLeave;
    e.window = window;
    ws().HandleEvent(e);
}

void TestDriver::Wheel(HWND window, CPoint pt, int delta)
{
    BackendEvent e = Mouse(BackendEvent::Type::Wheel, window, pt);
    e.delta = delta;
    ws().HandleEvent(e);
}

void TestDriver::KeyDown(HWND window, unsigned vk)
{
    BackendEvent e;
    e.type = BackendEvent::Type::KeyDown;
    e.window = window;
    e.vk = vk;
    ws().HandleEvent(e);
}

void TestDriver::KeyUp(HWND window, unsigned vk)
{
    BackendEvent e;
    e.type = BackendEvent::Type::KeyUp;
    e.window = window;
    e.vk = vk;
    ws().HandleEvent(e);
}

void TestDriver::KeyPress(HWND window, unsigned vk)
{
    KeyDown(window, vk);
    KeyUp(window, vk);
}

void TestDriver::TypeText(HWND window, CString const& text)
{
    BackendEvent e;
    e.type = BackendEvent::Type::Text;
    e.window = window;
    e.text = text;
    ws().HandleEvent(e);
}

void TestDriver::Compose(HWND window, CString const& text, int cursor)
{
    BackendEvent e;
    e.type = BackendEvent::Type::Composition;
    e.window = window;
    e.text = text;
    e.cursor = cursor;
    ws().HandleEvent(e);
}

CRect TestDriver::TextInputRect(HWND window)
{
    NativeWindow* w = ws().Find(window);
    return w ? w->text_input_rect : CRect {};
}

void TestDriver::Deactivate(HWND window)
{
    BackendEvent e;
    e.type = BackendEvent::Type::FocusLost;
    e.window = window;
    ws().HandleEvent(e);
}

void TestDriver::Activate(HWND window)
{
    BackendEvent e;
    e.type = BackendEvent::Type::FocusGained;
    e.window = window;
    ws().HandleEvent(e);
}

int TestDriver::RunUntilIdle()
{
    int dispatched = 0;
    for (int guard = 0; guard < 100000; ++guard) {
        MSG msg;
        if (ws().Get(msg, false, false)) {
            if (msg.message == WM_QUIT)
                return dispatched;
            ws().Get(msg, false, true);
            MWindow* object = nullptr;
            if (NativeWindow* w = ws().Find(msg.hwnd))
                object = w->object;
            if (!object || object->PreTranslateMessage(&msg) == 0)
                ws().Dispatch(msg);
            ++dispatched;
            continue;
        }
        if (ws().IsIdle())
            return dispatched;
        // A paint waits for its frame interval.
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return dispatched;
}

void TestDriver::RunFor(int ms)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        RunUntilIdle();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

MImage TestDriver::Capture(HWND window)
{
    NativeWindow* w = ws().Find(window);
    return w ? w->frame.Clone() : MImage {};
}

bool TestDriver::SaveCapture(HWND window, CString const& pngPath) { return Capture(window).SavePng(pngPath); }

}
