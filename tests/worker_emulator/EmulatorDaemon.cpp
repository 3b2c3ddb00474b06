#include "EmulatorDaemon.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <sstream>
#include <thread>

extern char** environ;

namespace WorkerEmulatorTest {

namespace {

pid_t Spawn(std::vector<std::string> const& arguments, posix_spawn_file_actions_t const* actions)
{
    std::vector<char*> argv;
    for (auto const& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], actions, nullptr, argv.data(), environ) != 0)
        return -1;
    return pid;
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

std::string EmulatorDaemon::ConfigFile()
{
    return std::string(WORKER_EMULATOR_SOURCE_DIR) + "/data/config.xml";
}

std::string EmulatorDaemon::Executable()
{
    return std::string(WORKER_EMULATOR_BUILD_DIR) + "/bin/tessera-emulator";
}

std::string EmulatorDaemon::HidLibrary()
{
    return std::string(WORKER_EMULATOR_BUILD_DIR) + "/lib/libtessera-hidapi.so";
}

EmulatorDaemon::EmulatorDaemon(std::string socketPath, std::vector<std::string> daemonOptions)
    : m_socketPath(std::move(socketPath))
{
    std::vector<std::string> arguments { Executable(), "daemon", "--socket", m_socketPath, "--config",
        ConfigFile() };
    arguments.insert(arguments.end(), daemonOptions.begin(), daemonOptions.end());
    m_pid = Spawn(arguments, nullptr);
    if (m_pid < 0)
        return;
    for (int attempt = 0; attempt < 250 && !m_ready; ++attempt) {
        m_ready = CanConnect(m_socketPath);
        if (!m_ready)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

EmulatorDaemon::~EmulatorDaemon()
{
    if (m_pid < 0)
        return;
    kill(m_pid, SIGTERM);
    int status = 0;
    waitpid(m_pid, &status, 0);
}

bool EmulatorDaemon::Control(std::vector<std::string> const& words, std::string* output) const
{
    std::vector<std::string> arguments { Executable(), "--socket", m_socketPath };
    arguments.insert(arguments.end(), words.begin(), words.end());
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    pid_t const pid = Spawn(arguments, &actions);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    std::string text;
    char buffer[65536];
    for (ssize_t got; (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(got));
    close(pipeEnds[0]);
    if (pid < 0)
        return false;
    int status = 0;
    waitpid(pid, &status, 0);
    if (output)
        *output = std::move(text);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::vector<ReceivedReport> ParseTrace(std::string const& text)
{
    std::vector<ReceivedReport> reports;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        ReceivedReport report;
        std::string path;
        if (fields >> report.milliseconds >> report.direction >> path >> report.hex)
            reports.push_back(report);
    }
    return reports;
}

}
