#include "device/MacroBlock.h"

#include <algorithm>

namespace Tessera {

namespace {

constexpr std::size_t kLayerByte = 0;
constexpr std::size_t kKeyByte = 1;
constexpr std::size_t kPlayByte = 2;
constexpr std::size_t kCountByte = 3;

constexpr std::uint8_t kSlotBlockMarker = 1;
constexpr std::size_t kSlotByte = 1;
constexpr std::size_t kSlotKeyByte = 2;
constexpr std::size_t kSlotPlayByte = 3;

constexpr std::uint8_t kShortcutPlayTimes = 1;

}

bool MacroWorkBuffer::PlaceStep(std::uint8_t usage, std::uint8_t action)
{
    if (stepCount >= kMaxMacroWorkSteps)
        return false;
    auto const at = kMacroHeaderSize + 2 * static_cast<std::size_t>(stepCount);
    bytes[at] = usage;
    bytes[at + 1] = action;
    ++stepCount;
    return true;
}

int MacroWorkBuffer::PlaceSteps(std::span<MacroStep const> steps)
{
    int placed = 0;
    for (auto const& step : steps) {
        if (!PlaceStep(step.usage, EncodeMacroAction(step.release, step.delayMs)))
            break;
        ++placed;
    }
    return placed;
}

int MacroWorkBuffer::PlaceShortcut(int value)
{
    int placed = 0;
    for (auto const& step : BuiltInShortcutSteps(value)) {
        if (!PlaceStep(step.usage, step.action))
            break;
        ++placed;
    }
    return placed;
}

std::span<std::uint8_t const, Type3xx::kMacroBlockSize> MacroWorkBuffer::Type3xxBlock() const
{
    return std::span<std::uint8_t const, kMacroWorkBufferSize>(bytes).first<Type3xx::kMacroBlockSize>();
}

std::span<std::uint8_t const, Type2xx::kMacroSlotBlockSize> MacroWorkBuffer::Type2xxBlock() const
{
    return std::span<std::uint8_t const, kMacroWorkBufferSize>(bytes).first<Type2xx::kMacroSlotBlockSize>();
}

MacroWorkBuffer Type3xxMacroBlock(std::uint8_t layer, std::uint8_t keyCode, std::uint8_t playTimes,
    std::span<MacroStep const> steps)
{
    MacroWorkBuffer buffer;
    buffer.bytes[kLayerByte] = layer;
    buffer.bytes[kKeyByte] = keyCode;
    buffer.bytes[kPlayByte] = playTimes;
    buffer.PlaceSteps(steps);
    buffer.bytes[kCountByte] = static_cast<std::uint8_t>(buffer.stepCount);
    return buffer;
}

MacroWorkBuffer Type3xxShortcutBlock(std::uint8_t layer, std::uint8_t keyCode, int shortcutValue)
{
    MacroWorkBuffer buffer;
    buffer.bytes[kLayerByte] = layer;
    buffer.bytes[kKeyByte] = keyCode;
    buffer.bytes[kPlayByte] = kShortcutPlayTimes;
    buffer.bytes[kCountByte] = static_cast<std::uint8_t>(BuiltInShortcutStepCount(shortcutValue));
    buffer.PlaceShortcut(shortcutValue);
    return buffer;
}

MacroWorkBuffer Type2xxMacroSlotBlock(std::uint8_t slot, std::uint8_t keyCode, std::uint8_t playTimes,
    std::span<MacroStep const> steps)
{
    MacroWorkBuffer buffer;
    buffer.bytes[0] = kSlotBlockMarker;
    buffer.bytes[kSlotByte] = slot;
    buffer.bytes[kSlotKeyByte] = keyCode;
    buffer.bytes[kSlotPlayByte] = playTimes;
    buffer.PlaceSteps(steps);
    return buffer;
}

MacroWorkBuffer Type2xxShortcutSlotBlock(std::uint8_t slot, std::uint8_t keyCode, int shortcutValue)
{
    MacroWorkBuffer buffer;
    buffer.bytes[0] = kSlotBlockMarker;
    buffer.bytes[kSlotByte] = slot;
    buffer.bytes[kSlotKeyByte] = keyCode;
    buffer.bytes[kSlotPlayByte] = kShortcutPlayTimes;
    buffer.PlaceShortcut(shortcutValue);
    return buffer;
}

}
