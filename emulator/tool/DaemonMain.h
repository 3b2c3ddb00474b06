#pragma once

#include <string>
#include <vector>

namespace Tessera::Emulator {

// `tessera-emulator daemon [options]`: runs the daemon until "stop", SIGINT or SIGTERM.
int run_daemon(std::vector<std::string> const& args);
// Every other `tessera-emulator <command>`: sends it to the running daemon.
int run_client(std::vector<std::string> const& args);

}
