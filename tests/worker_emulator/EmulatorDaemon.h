#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace WorkerEmulatorTest {

// The keyboard emulator's daemon as a child process on its own socket, and
// its command-line client with the client's output.
class EmulatorDaemon {
public:
    EmulatorDaemon(std::string socketPath, std::vector<std::string> daemonOptions);
    ~EmulatorDaemon();
    EmulatorDaemon(EmulatorDaemon const&) = delete;
    EmulatorDaemon& operator=(EmulatorDaemon const&) = delete;

    bool IsReady() const { return m_ready; }
    // Runs `tessera-emulator --socket <path> <words...>`; true on exit code 0,
    // with what it printed in `output`.
    bool Control(std::vector<std::string> const& words, std::string* output = nullptr) const;

    static std::string ConfigFile();
    static std::string Executable();
    static std::string HidLibrary();

private:
    std::string m_socketPath;
    pid_t m_pid { -1 };
    bool m_ready { false };
};

// One report the emulated keyboard received, from `tessera-emulator trace`.
struct ReceivedReport {
    double milliseconds { 0 };
    std::string direction; // "write", "set-feature", "get-feature", …
    std::string hex;       // lower-case, report ID first
};
std::vector<ReceivedReport> ParseTrace(std::string const& text);

}
