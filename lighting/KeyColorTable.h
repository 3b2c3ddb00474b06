#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <span>

namespace Tessera {

// The keyboard's per-key colour table: 600 bytes, three per light index
// (0-199), zero where no key was placed. A colour is a COLORREF (red in bits
// 0-7, green 8-15, blue 16-23) and lands as red, green, blue at 3 × index.
// The six colour frames carry the first 324 bytes (light indices 0-107).
//
// Key codes reach a light index through the loaded model's light-index map.
// With an empty map every key goes to index 0; a key the non-empty map does
// not name, or an index outside 0-199, is left out.
//
// Plain data: one thread at a time. Placing never allocates.
class KeyColorTable {
public:
    static constexpr std::size_t kSize = 600;
    static constexpr int kLightIndices = static_cast<int>(kSize / 3);

    void Clear() { m_bytes.fill(0); }
    // False (nothing written) for an index outside 0-199.
    bool PlaceAt(int lightIndex, std::uint32_t color);
    // False when the key has no place in the table.
    bool PlaceKey(int keyCode, std::uint32_t color, std::map<int, int> const& lightIndex);

    std::span<std::uint8_t const, kSize> Bytes() const { return m_bytes; }

private:
    std::array<std::uint8_t, kSize> m_bytes {};
};

// The light index of a key code as the colour table uses it, or -1.
int LightIndexOf(int keyCode, std::map<int, int> const& lightIndex);

}
