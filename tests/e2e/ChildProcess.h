#pragma once

#include <sys/types.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace E2e {

// A program started by a test, in a process group of its own so that
// everything it starts goes with it. The destructor stops it (SIGTERM, then
// SIGKILL after a grace period).
class ChildProcess {
public:
    struct Options {
        std::vector<std::string> argv;
        std::vector<std::string> env; // the whole environment, KEY=VALUE
        std::string logFile;          // standard output and error; empty: /dev/null
        bool pipeStdin { false };
        bool pipeStdout { false };    // standard output to a pipe (error still to the log)
        int passFd { -1 };            // a descriptor the child keeps (for -displayfd, --print-address)
    };

    static std::unique_ptr<ChildProcess> Start(Options const& options);
    ~ChildProcess();
    ChildProcess(ChildProcess const&) = delete;
    ChildProcess& operator=(ChildProcess const&) = delete;

    pid_t Pid() const { return m_pid; }
    bool IsRunning();
    // The exit code once the process ended within `timeoutMs`; -1 for a
    // signal; std::nullopt while it still runs.
    std::optional<int> WaitExit(int timeoutMs);
    void Stop();

    bool WriteLine(std::string const& line);
    // The next line of standard output, waiting at most `timeoutMs`.
    std::optional<std::string> ReadLine(int timeoutMs);

private:
    ChildProcess() = default;

    pid_t m_pid { -1 };
    std::optional<int> m_exit;
    int m_stdin { -1 };
    int m_stdout { -1 };
    std::string m_buffer;
};

// Runs a program to its end (at most `timeoutMs`) and returns its exit code
// and standard output; exit code -1 when it did not end in time.
struct RunResult {
    int exitCode { -1 };
    std::string output;
};
RunResult RunToEnd(std::vector<std::string> const& argv, std::vector<std::string> const& env, int timeoutMs);

// Reads one line from a descriptor, waiting at most `timeoutMs`.
std::optional<std::string> ReadLineFrom(int fd, int timeoutMs);

}
