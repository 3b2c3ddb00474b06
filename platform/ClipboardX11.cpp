#include "platform/Clipboard.h"

#include "platform/base/Utf8.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <poll.h>
#include <unistd.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace Tessera {

namespace {

// Owns the CLIPBOARD selection with an unmapped window and answers the
// requests of other programs on its own display connection and thread.
class X11Clipboard : public Clipboard {
public:
    explicit X11Clipboard(Display* display)
        : m_display(display)
    {
        m_window = XCreateSimpleWindow(m_display, DefaultRootWindow(m_display), 0, 0, 1, 1, 0, 0, 0);
        m_clipboard = XInternAtom(m_display, "CLIPBOARD", False);
        m_utf8 = XInternAtom(m_display, "UTF8_STRING", False);
        m_targets = XInternAtom(m_display, "TARGETS", False);
        m_text = XInternAtom(m_display, "TEXT", False);
        if (pipe(m_wake) != 0)
            m_wake[0] = m_wake[1] = -1;
        m_thread = std::thread([this] { Serve(); });
    }

    ~X11Clipboard() override
    {
        m_stop = true;
        if (m_wake[1] >= 0 && write(m_wake[1], "x", 1) < 0) { }
        m_thread.join();
        XDestroyWindow(m_display, m_window);
        XCloseDisplay(m_display);
        for (int fd : m_wake) {
            if (fd >= 0)
                close(fd);
        }
    }

    bool SetText(std::wstring const& text) override
    {
        {
            std::lock_guard lock(m_mutex);
            m_contents = WideToUtf8(text);
            m_fetched = false;
        }
        XSetSelectionOwner(m_display, m_clipboard, m_window, CurrentTime);
        XFlush(m_display);
        return XGetSelectionOwner(m_display, m_clipboard) == m_window;
    }

    bool WaitUntilFetched(std::chrono::milliseconds timeout) override
    {
        std::unique_lock lock(m_mutex);
        return m_served.wait_for(lock, timeout, [this] { return m_fetched; });
    }

    void Clear() override
    {
        {
            std::lock_guard lock(m_mutex);
            m_contents.clear();
        }
        if (XGetSelectionOwner(m_display, m_clipboard) == m_window)
            XSetSelectionOwner(m_display, m_clipboard, None, CurrentTime);
        XFlush(m_display);
    }

private:
    void Serve()
    {
        pollfd fds[2] = { { ConnectionNumber(m_display), POLLIN, 0 }, { m_wake[0], POLLIN, 0 } };
        while (!m_stop) {
            while (XPending(m_display)) {
                XEvent event;
                XNextEvent(m_display, &event);
                if (event.type == SelectionRequest)
                    Answer(event.xselectionrequest);
            }
            poll(fds, m_wake[0] >= 0 ? 2 : 1, 200);
        }
    }

    void Answer(XSelectionRequestEvent const& request)
    {
        XSelectionEvent reply {};
        reply.type = SelectionNotify;
        reply.display = request.display;
        reply.requestor = request.requestor;
        reply.selection = request.selection;
        reply.target = request.target;
        reply.time = request.time;
        reply.property = None;
        Atom property = request.property != None ? request.property : request.target;
        if (request.target == m_targets) {
            Atom targets[] = { m_targets, m_utf8, XA_STRING, m_text };
            XChangeProperty(m_display, request.requestor, property, XA_ATOM, 32, PropModeReplace,
                            reinterpret_cast<unsigned char*>(targets), 4);
            reply.property = property;
        } else if (request.target == m_utf8 || request.target == XA_STRING || request.target == m_text) {
            std::lock_guard lock(m_mutex);
            XChangeProperty(m_display, request.requestor, property, request.target == m_text ? m_utf8 : request.target,
                            8, PropModeReplace, reinterpret_cast<unsigned char const*>(m_contents.data()),
                            static_cast<int>(m_contents.size()));
            reply.property = property;
            m_fetched = true;
            m_served.notify_all();
        }
        XSendEvent(m_display, request.requestor, False, NoEventMask, reinterpret_cast<XEvent*>(&reply));
        XFlush(m_display);
    }

    Display* m_display;
    Window m_window { 0 };
    Atom m_clipboard { 0 }, m_utf8 { 0 }, m_targets { 0 }, m_text { 0 };
    int m_wake[2] { -1, -1 };
    std::atomic<bool> m_stop { false };
    std::mutex m_mutex;
    std::condition_variable m_served;
    std::string m_contents;
    bool m_fetched { false };
    std::thread m_thread;
};

}

std::unique_ptr<Clipboard> CreateClipboard()
{
    // Xlib 1.8 locks every display by default; the serving thread and the
    // caller share this connection.
    XInitThreads();
    if (Display* display = XOpenDisplay(nullptr))
        return std::make_unique<X11Clipboard>(display);
    return nullptr;
}

}
