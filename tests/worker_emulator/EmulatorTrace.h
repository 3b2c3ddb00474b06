#pragma once

#include <string>
#include <vector>

namespace WorkerEmulatorTest {

// One report the emulated keyboard received, from `tessera-emulator trace`.
struct ReceivedReport {
    double milliseconds { 0 };
    std::string direction; // "write", "set-feature", "get-feature", …
    std::string hex;       // lower-case, report ID first
};
std::vector<ReceivedReport> ParseTrace(std::string const& text);

}
