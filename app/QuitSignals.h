#pragma once

#include <lumoui/Types.h>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace Tessera {

// Ends the program the regular way (message 1691 with 610: tray icon
// removed, process ended) when the session asks it to with SIGTERM or the
// terminal with SIGINT. The window system would otherwise take these
// signals and drop them. The handlers only write to a pipe; a thread of this
// object posts the message once the window exists. One object per process.
class QuitSignals {
public:
    QuitSignals() = default;
    ~QuitSignals();
    QuitSignals(QuitSignals const&) = delete;
    QuitSignals& operator=(QuitSignals const&) = delete;

    // Installs the handlers (after the window system set up its own);
    // false when the pipe cannot be made.
    bool Install();
    // The window that receives the request; a signal that came earlier is
    // delivered now.
    void SetWindow(LumoUI::HWND window);

private:
    void Deliver();

    std::thread m_thread;
    bool m_installed { false };
    std::mutex m_mutex;
    std::condition_variable m_windowSet;
    LumoUI::HWND m_window { nullptr };
    bool m_ending { false };
};

}
