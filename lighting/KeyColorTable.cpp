#include "lighting/KeyColorTable.h"

namespace Tessera {

int LightIndexOf(int keyCode, std::map<int, int> const& lightIndex)
{
    if (lightIndex.empty())
        return 0;
    auto const found = lightIndex.find(keyCode);
    return found == lightIndex.end() ? -1 : found->second;
}

bool KeyColorTable::PlaceAt(int lightIndex, std::uint32_t color)
{
    if (lightIndex < 0 || lightIndex >= kLightIndices)
        return false;
    auto const at = 3 * static_cast<std::size_t>(lightIndex);
    m_bytes[at] = static_cast<std::uint8_t>(color & 0xFF);
    m_bytes[at + 1] = static_cast<std::uint8_t>((color >> 8) & 0xFF);
    m_bytes[at + 2] = static_cast<std::uint8_t>((color >> 16) & 0xFF);
    return true;
}

bool KeyColorTable::PlaceKey(int keyCode, std::uint32_t color, std::map<int, int> const& lightIndex)
{
    return PlaceAt(LightIndexOf(keyCode, lightIndex), color);
}

}
