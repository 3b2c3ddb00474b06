#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace DeviceEmulatorTest {

// The keyboard emulator's daemon, started as a child process on its own
// socket, and its command-line client.
class EmulatorProcess {
public:
    EmulatorProcess(std::string socketPath, std::vector<std::string> daemonOptions);
    ~EmulatorProcess();
    EmulatorProcess(EmulatorProcess const&) = delete;
    EmulatorProcess& operator=(EmulatorProcess const&) = delete;

    // The daemon accepts connections on its socket.
    bool IsReady() const { return m_ready; }
    // Runs `tessera-emulator --socket <path> <words...>`; true on exit code 0.
    bool Control(std::vector<std::string> const& words) const;
    // The same, returning what the client printed; nullopt when it failed.
    std::optional<std::string> ControlOutput(std::vector<std::string> const& words) const;

    static std::string Executable();
    static std::string HidLibrary();

private:
    std::string m_socketPath;
    pid_t m_pid { -1 };
    bool m_ready { false };
};

}
