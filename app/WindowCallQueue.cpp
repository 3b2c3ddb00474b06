#include "app/WindowCallQueue.h"

#include <lumoui/WindowSystem.h>

namespace Tessera {

WindowCallQueue::WindowCallQueue()
    : m_windowThread(std::this_thread::get_id())
{
}

void WindowCallQueue::Bind(LumoUI::HWND window, unsigned wakeMessage)
{
    {
        std::lock_guard lock(m_mutex);
        m_window = window;
        m_wakeMessage = wakeMessage;
        m_wakePosted = false;
        if (m_calls.empty())
            return;
    }
    Wake();
}

void WindowCallQueue::Call(std::function<void()> call)
{
    if (IsWindowThread()) {
        call();
        return;
    }
    {
        std::lock_guard lock(m_mutex);
        m_calls.push_back(std::move(call));
        // One wake-up message covers every call queued until it is handled.
        if (m_wakePosted || !m_window)
            return;
        m_wakePosted = true;
    }
    Wake();
}

void WindowCallQueue::Wake()
{
    LumoUI::HWND window;
    unsigned message;
    {
        std::lock_guard lock(m_mutex);
        window = m_window;
        message = m_wakeMessage;
        m_wakePosted = true;
    }
    if (window && !LumoUI::PostMessageW(window, message, 0, 0)) {
        std::lock_guard lock(m_mutex);
        m_wakePosted = false;
    }
}

int WindowCallQueue::RunQueued()
{
    int count = 0;
    for (;;) {
        std::function<void()> call;
        {
            std::lock_guard lock(m_mutex);
            if (m_calls.empty()) {
                m_wakePosted = false;
                return count;
            }
            call = std::move(m_calls.front());
            m_calls.pop_front();
        }
        call();
        ++count;
    }
}

size_t WindowCallQueue::PendingCount() const
{
    std::lock_guard lock(m_mutex);
    return m_calls.size();
}

}
