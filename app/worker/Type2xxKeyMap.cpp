#include "app/worker/Type2xxKeyMap.h"

#include "app/worker/StoredMacro.h"
#include "app/worker/Type3xxKeyMap.h"
#include "device/MacroBlock.h"
#include "keys/KeyFunction.h"

#include <algorithm>
#include <set>
#include <vector>

namespace Tessera {

namespace {

constexpr int kSlotTablePauseMs = 100;
constexpr int kSlotWritePauseMs = 16;

template<std::size_t N>
int SlotOf(std::array<std::uint8_t, N> const& slots, int keyCode)
{
    if (keyCode <= 0)
        return 0;
    auto const found = std::find(slots.begin(), slots.end(), static_cast<std::uint8_t>(keyCode));
    return found == slots.end() ? 0 : static_cast<int>(found - slots.begin()) + 1;
}

template<std::size_t N>
int ChooseSlot(std::array<std::uint8_t, N> const& slots, int keyCode)
{
    if (int const held = SlotOf(slots, keyCode))
        return held;
    auto const free = std::find(slots.begin(), slots.end(), std::uint8_t { 0 });
    return free == slots.end() ? 1 : static_cast<int>(free - slots.begin()) + 1;
}

}

int ChooseMacroSlot(Type2xx::SlotTable const& table, int keyCode)
{
    return ChooseSlot(table.macroSlots, keyCode);
}

int ChooseRemapSlot(Type2xx::SlotTable const& table, int keyCode)
{
    return ChooseSlot(table.remapSlots, keyCode);
}

SlotChoice OccupiedSlots(Type2xx::SlotTable const& table, int keyCode)
{
    return { SlotOf(table.macroSlots, keyCode), SlotOf(table.remapSlots, keyCode) };
}

Type2xxKeyMap::Type2xxKeyMap(DeviceDatabase& database, Type2xxSender& sender, DeviceClock& clock)
    : m_database(database)
    , m_sender(sender)
    , m_clock(clock)
{
}

std::optional<Type2xx::SlotTable> Type2xxKeyMap::ReadSlots()
{
    return m_sender.ReadMacroSlots();
}

bool Type2xxKeyMap::WriteKeySlot(int profile, int layer, int keyCode, int slot)
{
    KeyMacroData record;
    bool const found = m_database.GetKeyMacroData(profile, layer, keyCode, record);
    if (!found || record.macro_value < 1)
        return m_sender.SetKeySlot(static_cast<std::uint8_t>(slot), 0, 0);
    if (record.macro_type == FuncDefault || SendsMacroBlock(record))
        return false;
    return m_sender.SetKeySlot(static_cast<std::uint8_t>(slot), static_cast<std::uint8_t>(keyCode),
        static_cast<std::uint8_t>(record.macro_value & 0xFF));
}

bool Type2xxKeyMap::WriteMacroSlot(int keyCode, int slot, int type, int macroValue)
{
    auto const slotByte = static_cast<std::uint8_t>(slot);
    auto const key = static_cast<std::uint8_t>(keyCode);
    if (type == FuncShortcut)
        return m_sender.SetMacroSlotData(Type2xxShortcutSlotBlock(slotByte, key, macroValue).Type2xxBlock());
    if (type != FuncMacro)
        return m_sender.SetMacroSlotData(Type2xxMacroSlotBlock(slotByte, 0, 0, {}).Type2xxBlock());
    auto const macro = LoadStoredMacro(m_database, macroValue);
    auto const block = macro.found
        ? Type2xxMacroSlotBlock(slotByte, key, static_cast<std::uint8_t>(macro.playTimes & 0xFF), macro.steps)
        : Type2xxMacroSlotBlock(slotByte, 0, 0, {});
    return m_sender.SetMacroSlotData(block.Type2xxBlock());
}

void Type2xxKeyMap::WriteSingleKey(int profile, int layer, int keyCode)
{
    auto const slots = ReadSlots().value_or(Type2xx::SlotTable {});
    m_clock.SleepMs(kSlotTablePauseMs);
    KeyMacroData record;
    m_database.GetKeyMacroData(profile, layer, keyCode, record);
    switch (record.macro_type) {
    case FuncKey:
        WriteKeySlot(profile, layer, keyCode, ChooseRemapSlot(slots, keyCode));
        return;
    case FuncMacro:
    case FuncShortcut:
        WriteMacroSlot(keyCode, ChooseMacroSlot(slots, keyCode), record.macro_type, record.macro_value);
        return;
    default:
        break;
    }
    auto const held = OccupiedSlots(slots, keyCode);
    if (held.macroSlot)
        WriteMacroSlot(keyCode, held.macroSlot, record.macro_type, record.macro_value);
    if (held.remapSlot)
        WriteKeySlot(profile, layer, keyCode, held.remapSlot);
}

void Type2xxKeyMap::WriteAllKeys(int profile, int layer)
{
    m_sender.ClearKeySlots();
    std::vector<KeyMacroData> records;
    m_database.LoadLayerKeyMacroData(profile, layer, records);
    int macroSlot = 0;
    int remapSlot = 0;
    for (auto const& record : records) {
        if (record.macro_type == FuncDefault)
            continue;
        // Keys beyond the keyboard's 13 macro and 10 remap slots have no
        // place to go and are left out.
        if (SendsMacroBlock(record)) {
            if (macroSlot >= Type2xx::kMacroSlots)
                continue;
            m_clock.SleepMs(kSlotWritePauseMs);
            WriteMacroSlot(record.key_code, ++macroSlot, record.macro_type, record.macro_value);
        } else {
            if (remapSlot >= Type2xx::kRemapSlots)
                continue;
            m_clock.SleepMs(kSlotWritePauseMs);
            WriteKeySlot(profile, layer, record.key_code, ++remapSlot);
        }
    }
}

void Type2xxKeyMap::CleanUpAfterConnection(int profile, int layer)
{
    auto const slots = ReadSlots();
    if (!slots)
        return;
    std::set<int> held;
    for (auto key : slots->macroSlots)
        if (key)
            held.insert(key);
    for (auto key : slots->remapSlots)
        if (key)
            held.insert(key);
    if (held.empty()) {
        m_database.DeleteProfileKeyMacroData(profile);
        return;
    }
    std::vector<KeyMacroData> records;
    m_database.LoadLayerKeyMacroData(profile, layer, records);
    for (auto const& record : records) {
        if (held.contains(record.key_code))
            continue;
        // Saving a key with no values removes its row.
        KeyMacroData cleared;
        cleared.profile = profile;
        cleared.fn_layer = layer;
        cleared.key_code = record.key_code;
        m_database.SaveKeyMacroData(cleared);
    }
}

}
