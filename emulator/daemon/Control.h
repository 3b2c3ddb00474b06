#pragma once

#include "emulator/daemon/DeviceHub.h"

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

// Runs one control command (the words after "ctl"), e.g. {"plug", "cable"},
// {"fault", "fail-writes", "3"}, {"dump"}. `request_stop` is called by "stop".
// Thread-safe as DeviceHub is.
ControlResult run_control(DeviceHub& hub, std::vector<std::string> words, std::function<void()> const& request_stop);

// The commands and their arguments, one per line, for the client's help text.
std::string control_help();

}
