#pragma once

#include <string>
#include <vector>

namespace WorkerEmulatorTest {

// Runs `tessera-emulator --socket <socket> <words...>` and keeps what it
// printed; true on exit code 0.
bool ControlOutput(std::string const& socketPath, std::vector<std::string> const& words, std::string& output);

// One report the emulated keyboard received, from `tessera-emulator trace`.
struct ReceivedReport {
    double milliseconds { 0 };
    std::string direction; // "write", "set-feature", "get-feature", …
    std::string hex;       // lower-case, report ID first
};
std::vector<ReceivedReport> ParseTrace(std::string const& text);

}
