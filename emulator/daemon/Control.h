#pragma once

#include "emulator/daemon/DeviceHub.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace Tessera::Emulator {

// Output of one control command: lines for the user, and whether it succeeded.
struct ControlResult {
    bool ok { true };
    std::vector<std::string> lines;
    std::string error;
};

// What control commands act on.
struct ControlContext {
    DeviceHub& hub;
    std::filesystem::path layoutFolder;     // layout files <device_info>.xml for "render"; may be empty
    std::function<void()> requestStop;      // called by "stop"
};

// Runs one control command (the words after "ctl"), e.g. {"plug", "cable"},
// {"fault", "fail-writes", "3"}, {"dump"}. Thread-safe as DeviceHub is.
ControlResult run_control(ControlContext const& context, std::vector<std::string> words);

// The commands and their arguments, one per line, for the client's help text.
std::string control_help();

}
