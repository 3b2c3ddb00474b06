#include "lighting/KeyColorFrames.h"

#include <algorithm>

namespace Tessera {

void FillStoredColors(KeyColorTable& table, std::vector<KeyLightData> const& rows, std::map<int, int> const& lightIndex)
{
    table.Clear();
    for (auto const& row : rows)
        table.PlaceKey(row.key_code, static_cast<std::uint32_t>(row.key_rgb), lightIndex);
}

KeyColorTable const& LiveFrameBuilder::Build(KeyColorSource& source, std::map<int, int> const& lightIndex)
{
    m_table.Clear();
    auto const count = std::min(source.CopyKeyColors(m_keys), m_keys.size());
    for (std::size_t i = 0; i < count; ++i)
        m_table.PlaceKey(m_keys[i].keyCode, m_keys[i].color, lightIndex);
    return m_table;
}

}
