#pragma once

#include "lighting/KeyColorSource.h"
#include "lighting/KeyColorTable.h"
#include "store/Records.h"

#include <array>
#include <map>
#include <vector>

namespace Tessera {

// The stored custom layout (rows of light id 128) placed in a fresh table.
void FillStoredColors(KeyColorTable& table, std::vector<KeyLightData> const& rows, std::map<int, int> const& lightIndex);

// Builds the colour table of one live frame from the keyboard picture's
// current colours. Owns fixed buffers, so a frame allocates nothing; one
// builder per thread (the worker keeps one).
class LiveFrameBuilder {
public:
    // More keys than any layout has; further keys of a source are ignored.
    static constexpr std::size_t kMaxKeys = 256;

    KeyColorTable const& Build(KeyColorSource& source, std::map<int, int> const& lightIndex);
    KeyColorTable const& Table() const { return m_table; }

private:
    std::array<KeyColor, kMaxKeys> m_keys {};
    KeyColorTable m_table;
};

}
