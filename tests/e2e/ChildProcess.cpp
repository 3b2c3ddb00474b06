#include "ChildProcess.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace E2e {

namespace {

using Clock = std::chrono::steady_clock;

std::vector<char*> Pointers(std::vector<std::string> const& texts)
{
    std::vector<char*> pointers;
    for (auto const& text : texts)
        pointers.push_back(const_cast<char*>(text.c_str()));
    pointers.push_back(nullptr);
    return pointers;
}

int RemainingMs(Clock::time_point deadline)
{
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

}

std::unique_ptr<ChildProcess> ChildProcess::Start(Options const& options)
{
    int in[2] = { -1, -1 };
    int out[2] = { -1, -1 };
    if ((options.pipeStdin && pipe2(in, O_CLOEXEC) != 0) || (options.pipeStdout && pipe2(out, O_CLOEXEC) != 0))
        return nullptr;
    auto argv = Pointers(options.argv);
    auto env = Pointers(options.env);
    pid_t pid = fork();
    if (pid < 0)
        return nullptr;
    if (pid == 0) {
        setpgid(0, 0);
        int log = options.logFile.empty() ? open("/dev/null", O_WRONLY) : open(options.logFile.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        dup2(options.pipeStdin ? in[0] : open("/dev/null", O_RDONLY), 0);
        dup2(options.pipeStdout ? out[1] : log, 1);
        dup2(log, 2);
        if (options.passFd >= 0)
            fcntl(options.passFd, F_SETFD, 0);
        execve(argv[0], argv.data(), env.data());
        _exit(127);
    }
    setpgid(pid, pid);
    auto child = std::unique_ptr<ChildProcess>(new ChildProcess());
    child->m_pid = pid;
    if (options.pipeStdin) {
        close(in[0]);
        child->m_stdin = in[1];
    }
    if (options.pipeStdout) {
        close(out[1]);
        child->m_stdout = out[0];
    }
    return child;
}

ChildProcess::~ChildProcess()
{
    Stop();
    if (m_stdin >= 0)
        close(m_stdin);
    if (m_stdout >= 0)
        close(m_stdout);
}

bool ChildProcess::IsRunning() { return !WaitExit(0).has_value(); }

std::optional<int> ChildProcess::WaitExit(int timeoutMs)
{
    auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!m_exit) {
        int status = 0;
        pid_t done = waitpid(m_pid, &status, WNOHANG);
        if (done == m_pid)
            m_exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        else if (done < 0)
            m_exit = -1;
        else if (Clock::now() >= deadline)
            break;
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return m_exit;
}

void ChildProcess::Stop()
{
    if (m_pid <= 0 || m_exit)
        return;
    kill(-m_pid, SIGTERM);
    if (!WaitExit(3000)) {
        kill(-m_pid, SIGKILL);
        WaitExit(3000);
    }
    // Whatever the group started goes too.
    kill(-m_pid, SIGKILL);
}

bool ChildProcess::WriteLine(std::string const& line)
{
    std::string text = line + "\n";
    return m_stdin >= 0 && write(m_stdin, text.data(), text.size()) == static_cast<ssize_t>(text.size());
}

std::optional<std::string> ChildProcess::ReadLine(int timeoutMs)
{
    auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (auto end = m_buffer.find('\n'); end != std::string::npos) {
            std::string line = m_buffer.substr(0, end);
            m_buffer.erase(0, end + 1);
            return line;
        }
        if (m_stdout < 0)
            return std::nullopt;
        pollfd fd { m_stdout, POLLIN, 0 };
        if (poll(&fd, 1, RemainingMs(deadline)) <= 0)
            return std::nullopt;
        char buffer[512];
        ssize_t got = read(m_stdout, buffer, sizeof buffer);
        if (got <= 0)
            return std::nullopt;
        m_buffer.append(buffer, static_cast<size_t>(got));
    }
}

std::optional<std::string> ReadLineFrom(int fd, int timeoutMs)
{
    auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    std::string line;
    for (;;) {
        pollfd poller { fd, POLLIN, 0 };
        if (poll(&poller, 1, RemainingMs(deadline)) <= 0)
            return std::nullopt;
        char c;
        if (read(fd, &c, 1) != 1)
            return std::nullopt;
        if (c == '\n')
            return line;
        line += c;
    }
}

RunResult RunToEnd(std::vector<std::string> const& argv, std::vector<std::string> const& env, int timeoutMs)
{
    auto child = ChildProcess::Start({ .argv = argv, .env = env, .logFile = {}, .pipeStdin = false, .pipeStdout = true, .passFd = -1 });
    RunResult result;
    if (!child)
        return result;
    auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (auto line = child->ReadLine(RemainingMs(deadline)))
        result.output += *line + "\n";
    if (auto code = child->WaitExit(RemainingMs(deadline)))
        result.exitCode = *code;
    return result;
}

}
