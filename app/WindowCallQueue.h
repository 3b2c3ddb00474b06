#pragma once

#include <lumoui/Types.h>

#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace Tessera {

// Hands work from other threads (the worker, the tray's bus thread, the
// single-instance listener) to the window thread: the toolkit's controls
// may only be touched there. A call made on the window thread runs at once;
// from any other thread it is queued, and the window is woken with a posted
// message whose handler calls RunQueued. Calls run in the order they were
// made. Thread-safe; the window thread is the thread that constructed the
// queue.
class WindowCallQueue {
public:
    WindowCallQueue();

    // The window that receives `wakeMessage`; calls queued before it was
    // bound are announced now.
    void Bind(LumoUI::HWND window, unsigned wakeMessage);
    void Call(std::function<void()> call);
    // Window thread: runs every queued call (also those queued meanwhile);
    // returns how many ran.
    int RunQueued();
    bool IsWindowThread() const { return std::this_thread::get_id() == m_windowThread; }
    size_t PendingCount() const;

private:
    void Wake();

    std::thread::id const m_windowThread;
    mutable std::mutex m_mutex;
    std::deque<std::function<void()>> m_calls;
    LumoUI::HWND m_window { nullptr };
    unsigned m_wakeMessage { 0 };
    bool m_wakePosted { false };
};

}
