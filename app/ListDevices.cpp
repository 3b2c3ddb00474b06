#include "app/ListDevices.h"

#include <cstdio>

namespace Tessera {

// Stands in until device discovery is part of the program.
int ListDevices(std::wstring const&)
{
    std::fprintf(stderr, "tessera: device discovery is not part of this build yet\n");
    return 1;
}

}
