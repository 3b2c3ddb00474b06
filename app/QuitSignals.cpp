#include "app/QuitSignals.h"

#include "app/MainWindowIds.h"

#include <lumoui/WindowSystem.h>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace Tessera {

namespace {

int s_pipe[2] = { -1, -1 };
struct sigaction s_previousTerm {};
struct sigaction s_previousInt {};

void OnSignal(int)
{
    int saved = errno;
    char byte = 1;
    [[maybe_unused]] auto written = write(s_pipe[1], &byte, 1);
    errno = saved;
}

}

bool QuitSignals::Install()
{
    if (m_installed || pipe2(s_pipe, O_CLOEXEC) != 0)
        return m_installed;
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, &s_previousTerm);
    sigaction(SIGINT, &action, &s_previousInt);
    m_thread = std::thread([this] { Deliver(); });
    m_installed = true;
    return true;
}

void QuitSignals::SetWindow(LumoUI::HWND window)
{
    std::lock_guard lock(m_mutex);
    m_window = window;
    m_windowSet.notify_all();
}

void QuitSignals::Deliver()
{
    char byte;
    while (read(s_pipe[0], &byte, 1) == 1) {
        std::unique_lock lock(m_mutex);
        m_windowSet.wait(lock, [this] { return m_window || m_ending; });
        if (m_window)
            LumoUI::PostMessageW(m_window, kMsgQuit, 0, kQuitRequest);
    }
}

QuitSignals::~QuitSignals()
{
    if (!m_installed)
        return;
    sigaction(SIGTERM, &s_previousTerm, nullptr);
    sigaction(SIGINT, &s_previousInt, nullptr);
    {
        std::lock_guard lock(m_mutex);
        m_ending = true;
        m_window = nullptr;
        m_windowSet.notify_all();
    }
    // Closing the write end ends the thread's read.
    close(s_pipe[1]);
    m_thread.join();
    close(s_pipe[0]);
    s_pipe[0] = s_pipe[1] = -1;
}

}
