#pragma once

#include <string>

namespace Tessera::Emulator {

// Where the emulator daemon listens: $TESSERA_EMULATOR_SOCKET, else
// $XDG_RUNTIME_DIR/tessera-emulator.sock, else /tmp/tessera-emulator-<uid>.sock.
std::string default_socket_path();

// Longest path a Unix socket address holds (sun_path without its terminating zero).
std::size_t max_socket_path();

}
