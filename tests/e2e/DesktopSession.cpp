#include "DesktopSession.h"

#include <test_support/Paths.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <thread>
#include <unistd.h>

namespace E2e {

namespace {

std::string Which(std::string const& program)
{
    char const* path = std::getenv("PATH");
    std::string list = path ? path : "/usr/bin:/bin";
    size_t start = 0;
    while (start <= list.size()) {
        size_t end = list.find(':', start);
        std::string folder = list.substr(start, end == std::string::npos ? std::string::npos : end - start);
        std::string candidate = folder + "/" + program;
        if (!folder.empty() && access(candidate.c_str(), X_OK) == 0)
            return candidate;
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return {};
}

std::string Program()
{
    // The program under test: the program folder's tessera, unless a test
    // run names another build of it.
    if (char const* program = std::getenv("TESSERA_E2E_PROGRAM"))
        return program;
    return (TestSupport::dist_dir() / "tessera").string();
}

std::string EmulatorTool() { return (TestSupport::build_dir() / "bin" / "tessera-emulator").string(); }
std::string TrayHostTool() { return (TestSupport::build_dir() / "bin" / "fake-tray-host").string(); }

}

std::string DesktopSession::MissingTool()
{
    for (char const* tool : { "Xvfb", "openbox", "dbus-daemon", "xdotool" }) {
        if (Which(tool).empty())
            return tool;
    }
    return {};
}

bool DesktopSession::WaitFor(std::function<bool()> const& condition, int timeoutMs)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (condition())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}

DesktopSession::DesktopSession(Options options)
    : m_options(std::move(options))
{
    for (char const* folder : { "run", "config", "data", "home" })
        std::filesystem::create_directories(m_dir.path() / folder);
    std::filesystem::permissions(m_dir.path() / "run", std::filesystem::perms::owner_all, std::filesystem::perm_options::replace);
    if (!m_options.exitMode.empty()) {
        std::filesystem::create_directories(m_dir.path() / "config" / "Tessera");
        std::ofstream(m_dir.path() / "config" / "Tessera" / "settings.ini") << "[Settings]\nexit_mode=" << m_options.exitMode << "\n";
    }
    if (StartX() && StartBus() && StartEmulator(m_options.emulator))
        StartTrayHost();
}

DesktopSession::~DesktopSession()
{
    m_tessera.reset();
    m_trayHost.reset();
    m_emulator.reset();
    m_bus.reset();
    m_windowManager.reset();
    m_x.reset();
}

std::string DesktopSession::Log(std::string const& name) const { return (m_dir.path() / (name + ".log")).string(); }

std::vector<std::string> DesktopSession::Environment() const
{
    auto folder = [this](char const* name) { return (m_dir.path() / name).string(); };
    return {
        "PATH=" + std::string(std::getenv("PATH") ? std::getenv("PATH") : "/usr/bin:/bin"),
        "HOME=" + folder("home"),
        "DISPLAY=" + m_display,
        "DBUS_SESSION_BUS_ADDRESS=" + m_busAddress,
        "XDG_RUNTIME_DIR=" + folder("run"),
        "XDG_CONFIG_HOME=" + folder("config"),
        "XDG_DATA_HOME=" + folder("data"),
        "LC_ALL=" + m_options.locale,
        "SDL_VIDEODRIVER=x11",
        "TESSERA_HIDAPI=" + (TestSupport::build_dir() / "lib" / "libtessera-hidapi.so").string(),
        "TESSERA_EMULATOR_SOCKET=" + m_emulatorSocket,
        "ASAN_OPTIONS=" + std::string(std::getenv("ASAN_OPTIONS") ? std::getenv("ASAN_OPTIONS") : ""),
        "LSAN_OPTIONS=" + std::string(std::getenv("LSAN_OPTIONS") ? std::getenv("LSAN_OPTIONS") : ""),
    };
}

bool DesktopSession::StartX()
{
    int fds[2];
    if (pipe(fds) != 0) {
        m_error = "no pipe";
        return false;
    }
    m_x = ChildProcess::Start({ .argv = { Which("Xvfb"), "-displayfd", std::to_string(fds[1]), "-screen", "0", "1600x900x24", "-nolisten", "tcp", "-noreset" },
        .env = { "PATH=/usr/bin:/bin" }, .logFile = Log("xvfb"), .pipeStdin = false, .pipeStdout = false, .passFd = fds[1] });
    close(fds[1]);
    auto number = m_x ? ReadLineFrom(fds[0], kStartTimeoutMs) : std::nullopt;
    close(fds[0]);
    if (!number || number->empty()) {
        m_error = "Xvfb did not start";
        return false;
    }
    m_display = ":" + *number;
    m_windowManager = ChildProcess::Start({ .argv = { Which("openbox"), "--sm-disable" }, .env = { "DISPLAY=" + m_display, "HOME=" + (m_dir.path() / "home").string(), "PATH=/usr/bin:/bin" },
        .logFile = Log("openbox"), .pipeStdin = false, .pipeStdout = false, .passFd = -1 });
    if (!m_windowManager || !WaitFor([this] { return WindowManagerRunning(m_display); }, kStartTimeoutMs)) {
        m_error = "openbox did not start";
        return false;
    }
    return true;
}

bool DesktopSession::StartBus()
{
    int fds[2];
    if (pipe(fds) != 0)
        return false;
    m_bus = ChildProcess::Start({ .argv = { Which("dbus-daemon"), "--session", "--nofork", "--nopidfile", "--print-address=" + std::to_string(fds[1]) },
        .env = { "PATH=/usr/bin:/bin", "HOME=" + (m_dir.path() / "home").string() }, .logFile = Log("dbus"), .pipeStdin = false, .pipeStdout = false, .passFd = fds[1] });
    close(fds[1]);
    auto address = m_bus ? ReadLineFrom(fds[0], kStartTimeoutMs) : std::nullopt;
    close(fds[0]);
    if (!address || address->empty()) {
        m_error = "dbus-daemon did not start";
        return false;
    }
    m_busAddress = *address;
    return true;
}

bool DesktopSession::StartEmulator(std::vector<std::string> const& options)
{
    m_emulatorSocket = (m_dir.path() / "run" / "emulator.sock").string();
    std::vector<std::string> argv { EmulatorTool(), "daemon", "--socket", m_emulatorSocket };
    argv.insert(argv.end(), options.begin(), options.end());
    m_emulator = ChildProcess::Start({ .argv = argv, .env = Environment(), .logFile = Log("emulator"), .pipeStdin = false, .pipeStdout = false, .passFd = -1 });
    if (!m_emulator || !WaitFor([this] { return Emulator({ "ping" }); }, kStartTimeoutMs)) {
        m_error = "the keyboard emulator did not start";
        return false;
    }
    return true;
}

bool DesktopSession::StartTrayHost()
{
    if (!m_options.trayHost)
        return true;
    m_trayHost = ChildProcess::Start({ .argv = { TrayHostTool() }, .env = Environment(), .logFile = Log("tray-host"), .pipeStdin = true, .pipeStdout = true, .passFd = -1 });
    auto line = m_trayHost ? m_trayHost->ReadLine(kStartTimeoutMs) : std::nullopt;
    if (line != "ready") {
        m_error = "the fake tray host did not start";
        return false;
    }
    return true;
}

bool DesktopSession::Emulator(std::vector<std::string> const& words)
{
    std::vector<std::string> argv { EmulatorTool(), "--socket", m_emulatorSocket };
    argv.insert(argv.end(), words.begin(), words.end());
    return RunToEnd(argv, Environment(), 10000).exitCode == 0;
}

bool DesktopSession::StartTessera()
{
    m_tessera = ChildProcess::Start({ .argv = { Program() }, .env = Environment(), .logFile = Log("tessera"), .pipeStdin = false, .pipeStdout = false, .passFd = -1 });
    return m_tessera && WaitFor([this] { return FindWindow("Tessera") != 0; }, kStartTimeoutMs);
}

RunResult DesktopSession::RunTessera(std::vector<std::string> const& arguments, int timeoutMs)
{
    std::vector<std::string> argv { Program() };
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return RunToEnd(argv, Environment(), timeoutMs);
}

std::string DesktopSession::SettingsFile() const { return (m_dir.path() / "config" / "Tessera" / "settings.ini").string(); }

unsigned long DesktopSession::FindWindow(std::string const& title)
{
    RunResult found = RunToEnd({ Which("xdotool"), "search", "--onlyvisible", "--name", "^" + title + "$" }, Environment(), 10000);
    if (found.exitCode != 0 || found.output.empty())
        return 0;
    return std::strtoul(found.output.c_str(), nullptr, 10);
}

bool DesktopSession::Click(unsigned long window, int x, int y)
{
    if (!window)
        return false;
    std::string id = std::to_string(window);
    // The pointer arrives first, so the toolkit knows what is under it when
    // the button goes down, as with a person's click.
    return RunToEnd({ Which("xdotool"), "mousemove", "--window", id, std::to_string(x), std::to_string(y) }, Environment(), 10000).exitCode == 0
        && RunToEnd({ Which("xdotool"), "click", "--window", id, "1" }, Environment(), 10000).exitCode == 0;
}

bool DesktopSession::ClickUntil(std::string const& title, int x, int y, std::function<bool()> const& condition, int timeoutMs)
{
    // A click can be lost while the program is busy (the worker disables the
    // window while it talks to the keyboard), so it is repeated until the
    // condition shows that it arrived.
    return WaitFor([&] { return condition() || (Click(FindWindow(title), x, y) && WaitFor(condition, 3000)); }, timeoutMs);
}

std::string DesktopSession::SaveScreenshot(unsigned long window, std::string const& name)
{
    auto folder = TestSupport::build_dir() / "screenshots" / "e2e";
    std::filesystem::create_directories(folder);
    std::string path = (folder / (name + ".png")).string();
    return SavePng(Capture(window), path) ? path : std::string {};
}

}
