#include "EmulatorProcess.h"

#include <test_support/Paths.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <thread>

extern char** environ;

namespace DeviceEmulatorTest {

namespace {

// Starts `arguments`; with `outputFd` set, its standard output goes there.
pid_t Spawn(std::vector<std::string> const& arguments, int outputFd = -1)
{
    std::vector<char*> argv;
    for (auto const& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (outputFd >= 0)
        posix_spawn_file_actions_adddup2(&actions, outputFd, STDOUT_FILENO);
    pid_t pid = -1;
    int const result = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return result == 0 ? pid : -1;
}

bool CanConnect(std::string const& path)
{
    int const fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    bool const connected = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return connected;
}

}

std::string EmulatorProcess::Executable()
{
    return (TestSupport::build_dir() / "bin" / "tessera-emulator").string();
}

std::string EmulatorProcess::HidLibrary()
{
    return (TestSupport::build_dir() / "lib" / "libtessera-hidapi.so").string();
}

EmulatorProcess::EmulatorProcess(std::string socketPath, std::vector<std::string> daemonOptions)
    : m_socketPath(std::move(socketPath))
{
    std::vector<std::string> arguments { Executable(), "daemon", "--socket", m_socketPath, "--config",
        (TestSupport::source_dir() / "data" / "config.xml").string() };
    arguments.insert(arguments.end(), daemonOptions.begin(), daemonOptions.end());
    m_pid = Spawn(arguments);
    if (m_pid < 0)
        return;
    for (int attempt = 0; attempt < 250 && !m_ready; ++attempt) {
        m_ready = CanConnect(m_socketPath);
        if (!m_ready)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

EmulatorProcess::~EmulatorProcess()
{
    if (m_pid < 0)
        return;
    kill(m_pid, SIGTERM);
    int status = 0;
    waitpid(m_pid, &status, 0);
}

bool EmulatorProcess::Control(std::vector<std::string> const& words) const
{
    std::vector<std::string> arguments { Executable(), "--socket", m_socketPath };
    arguments.insert(arguments.end(), words.begin(), words.end());
    pid_t const pid = Spawn(arguments);
    if (pid < 0)
        return false;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::optional<std::string> EmulatorProcess::ControlOutput(std::vector<std::string> const& words) const
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return std::nullopt;
    std::vector<std::string> arguments { Executable(), "--socket", m_socketPath };
    arguments.insert(arguments.end(), words.begin(), words.end());
    pid_t const pid = Spawn(arguments, fds[1]);
    close(fds[1]);
    std::string output;
    char chunk[4096];
    ssize_t received;
    while ((received = read(fds[0], chunk, sizeof chunk)) > 0)
        output.append(chunk, static_cast<std::size_t>(received));
    close(fds[0]);
    if (pid < 0)
        return std::nullopt;
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return output;
}

}
