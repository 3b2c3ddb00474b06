#include "platform/Clipboard.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <chrono>
#include <thread>

namespace Tessera {

namespace {

class XTestPasteKeys : public PasteKeys {
public:
    explicit XTestPasteKeys(Display* display) : m_display(display) { }
    ~XTestPasteKeys() override { XCloseDisplay(m_display); }

    void PressCtrlV() override
    {
        KeyCode ctrl = XKeysymToKeycode(m_display, XK_Control_L);
        KeyCode v = XKeysymToKeycode(m_display, XK_v);
        Send(ctrl, true);
        Send(v, true);
        XFlush(m_display);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        Send(v, false);
        Send(ctrl, false);
        XFlush(m_display);
    }

private:
    void Send(KeyCode key, bool pressed)
    {
        if (key != 0)
            XTestFakeKeyEvent(m_display, key, pressed ? True : False, CurrentTime);
    }

    Display* m_display;
};

}

std::unique_ptr<PasteKeys> CreatePasteKeys()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return nullptr;
    int event = 0, error = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(display, &event, &error, &major, &minor)) {
        XCloseDisplay(display);
        return nullptr;
    }
    return std::make_unique<XTestPasteKeys>(display);
}

}
