#include "device/Type1xxTables.h"

#include <algorithm>

namespace Tessera::Type1xx {

namespace {

constexpr std::size_t kPlayByte = 0;
constexpr std::size_t kCountByte = 1;
constexpr std::size_t kFirstStepByte = 2;
constexpr std::size_t kStepSize = 3;
constexpr int kShortcutDelayMs = 10;
constexpr std::uint8_t kReleaseBit = 0x80;

}

bool KeyTable::Place(int keyIndex, std::uint8_t first, std::uint8_t second)
{
    if (keyIndex < 0 || keyIndex >= kKeyTableEntries)
        return false;
    auto const at = 2 * static_cast<std::size_t>(keyIndex);
    m_bytes[at] = first;
    m_bytes[at + 1] = second;
    return true;
}

MacroTable::MacroTable(int playTimes, std::span<MacroStep const> steps)
{
    m_bytes[kPlayByte] = static_cast<std::uint8_t>(std::clamp(playTimes, 1, 255));
    for (auto const& step : steps) {
        if (m_steps >= kMaxMacroTableSteps)
            break;
        Append(step);
    }
}

MacroTable MacroTable::Shortcut(int shortcutValue)
{
    MacroTable table;
    table.m_bytes[kPlayByte] = 1;
    for (auto const& step : BuiltInShortcutSteps(shortcutValue))
        table.Append({ step.usage, (step.action & kReleaseBit) != 0, kShortcutDelayMs });
    return table;
}

void MacroTable::Append(MacroStep const& step)
{
    auto const encoded = EncodeType1xxMacroStep(step.release, step.usage, step.delayMs);
    auto const at = kFirstStepByte + kStepSize * static_cast<std::size_t>(m_steps);
    std::copy(encoded.begin(), encoded.end(), m_bytes.begin() + static_cast<std::ptrdiff_t>(at));
    ++m_steps;
    m_bytes[kCountByte] = static_cast<std::uint8_t>(m_steps);
}

std::span<std::uint8_t const> MacroTable::Bytes() const
{
    return std::span(m_bytes).first(kStepSize * static_cast<std::size_t>(m_steps + 1));
}

}
