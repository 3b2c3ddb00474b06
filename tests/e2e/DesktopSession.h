#pragma once

#include "ChildProcess.h"
#include "Screen.h"

#include <test_support/TempDir.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace E2e {

// A private desktop for one test: Xvfb with openbox, a D-Bus session bus, the
// keyboard emulator's daemon on its own socket, optionally a fake tray host,
// and the real Tessera program of the build's program folder with its own
// settings, data and runtime folders. Everything is stopped at the end.
class DesktopSession {
public:
    struct Options {
        std::vector<std::string> emulator { "--model", "301", "--cable", "--receiver" };
        std::string locale { "en_US.UTF-8" };
        bool trayHost { false };
        std::string exitMode; // stored before the start when not empty
    };

    // Empty when a tool the session needs is not installed.
    static std::string MissingTool();

    explicit DesktopSession(Options options);
    ~DesktopSession();

    // Whether the desktop came up; Error() says what failed.
    bool Ready() const { return m_error.empty(); }
    std::string const& Error() const { return m_error; }

    // Tessera
    bool StartTessera();
    ChildProcess* Tessera() { return m_tessera.get(); }
    RunResult RunTessera(std::vector<std::string> const& arguments, int timeoutMs);
    std::string SettingsFile() const;

    // The desktop
    std::string const& Display() const { return m_display; }
    // The id of the viewable window with exactly this title, or 0.
    unsigned long FindWindow(std::string const& title);
    bool Click(unsigned long window, int x, int y);
    // Clicks the window titled `title` at (x, y) until `condition` holds.
    bool ClickUntil(std::string const& title, int x, int y, std::function<bool()> const& condition, int timeoutMs);
    Picture Capture(unsigned long window) { return CaptureWindow(m_display, window); }
    // Saves the window's pixels under the build folder's e2e screenshots.
    std::string SaveScreenshot(unsigned long window, std::string const& name);

    // The emulator's command-line client; true on exit code 0.
    bool Emulator(std::vector<std::string> const& words);
    ChildProcess* TrayHost() { return m_trayHost.get(); }

    std::vector<std::string> Environment() const;
    std::filesystem::path const& Folder() const { return m_dir.path(); }

    // Polls `condition` every 100 ms until it holds or `timeoutMs` passed.
    static bool WaitFor(std::function<bool()> const& condition, int timeoutMs);

private:
    bool StartX();
    bool StartBus();
    bool StartEmulator(std::vector<std::string> const& options);
    bool StartTrayHost();
    std::string Log(std::string const& name) const;

    Options m_options;
    TestSupport::TempDir m_dir;
    std::string m_error;
    std::string m_display;
    std::string m_busAddress;
    std::string m_emulatorSocket;
    std::unique_ptr<ChildProcess> m_x;
    std::unique_ptr<ChildProcess> m_windowManager;
    std::unique_ptr<ChildProcess> m_bus;
    std::unique_ptr<ChildProcess> m_emulator;
    std::unique_ptr<ChildProcess> m_trayHost;
    std::unique_ptr<ChildProcess> m_tessera;
};

// Test timeouts: generous, the machine may be busy.
inline constexpr int kStartTimeoutMs = 30000;
inline constexpr int kStateTimeoutMs = 30000;

}
