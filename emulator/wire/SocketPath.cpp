#include "emulator/wire/SocketPath.h"

#include <cstdlib>
#include <sys/un.h>
#include <unistd.h>

namespace Tessera::Emulator {

std::string default_socket_path()
{
    if (char const* explicit_path = std::getenv("TESSERA_EMULATOR_SOCKET"); explicit_path && *explicit_path)
        return explicit_path;
    if (char const* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime)
        return std::string(runtime) + "/tessera-emulator.sock";
    return "/tmp/tessera-emulator-" + std::to_string(getuid()) + ".sock";
}

std::size_t max_socket_path()
{
    return sizeof(sockaddr_un::sun_path) - 1;
}

}
