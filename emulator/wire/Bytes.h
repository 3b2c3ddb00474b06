#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace Tessera::Emulator {

using Bytes = std::vector<std::uint8_t>;

// How the host reaches the keyboard: its own USB cable or its 2.4 GHz receiver.
enum class Link { Cable, Receiver };

char const* link_name(Link link);

// Lower-case hexadecimal text of `bytes`, two digits per byte, no separators.
std::string to_hex(Bytes const& bytes);
// Reads two-digit hexadecimal text; false on odd length or a non-hex digit.
bool from_hex(std::string const& text, Bytes& out);

// Byte `index` of `bytes`, or 0 past its end (short reports read as zero-padded).
inline std::uint8_t byte_at(Bytes const& bytes, std::size_t index)
{
    return index < bytes.size() ? bytes[index] : 0;
}

}
