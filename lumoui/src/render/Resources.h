#pragma once

#include <cstdint>
#include <span>

namespace LumoUI {

// Bytes of a resource built into the library (101, 102: scroll-bar PNGs);
// empty for an unknown id.
std::span<uint8_t const> EmbeddedResource(unsigned id);

}
