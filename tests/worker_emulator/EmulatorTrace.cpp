#include "EmulatorTrace.h"

#include "EmulatorProcess.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sstream>

extern char** environ;

namespace WorkerEmulatorTest {

bool ControlOutput(std::string const& socketPath, std::vector<std::string> const& words, std::string& output)
{
    std::vector<std::string> arguments { DeviceEmulatorTest::EmulatorProcess::Executable(), "--socket", socketPath };
    arguments.insert(arguments.end(), words.begin(), words.end());
    std::vector<char*> argv;
    for (auto const& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    pid_t pid = -1;
    bool const spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    output.clear();
    char buffer[65536];
    for (ssize_t got; (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, static_cast<std::size_t>(got));
    close(pipeEnds[0]);
    if (!spawned)
        return false;
    int status = 0;
    waitpid(pid, &status, 0);
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
