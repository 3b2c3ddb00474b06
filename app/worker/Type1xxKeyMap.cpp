#include "app/worker/Type1xxKeyMap.h"

#include "app/worker/StoredMacro.h"
#include "app/worker/Type3xxKeyMap.h"
#include "device/Type1xxTables.h"
#include "keys/KeyFunction.h"

#include <vector>

namespace Tessera {

namespace {

constexpr int kBetweenTablesPauseMs = 20;

// The key table position of a key code; -1 when a non-empty map does not
// name it (such a key has no place in the table and is left out).
int KeyIndexOf(int keyCode, std::map<int, int> const& keyIndex)
{
    if (keyIndex.empty())
        return 0;
    auto const found = keyIndex.find(keyCode);
    return found == keyIndex.end() ? -1 : found->second;
}

}

Type1xxKeyMap::Type1xxKeyMap(DeviceDatabase& database, Type1xxSender& sender, DeviceClock& clock, std::map<int, int> const& keyIndex)
    : m_database(database)
    , m_sender(sender)
    , m_clock(clock)
    , m_keyIndex(keyIndex)
{
}

void Type1xxKeyMap::WriteTables(int profile, int layer)
{
    std::vector<KeyMacroData> records;
    m_database.LoadLayerKeyMacroData(profile, layer, records);
    auto const macroSlots = WriteMacroTables(records);
    m_clock.SleepMs(kBetweenTablesPauseMs);
    WriteKeyTable(records, macroSlots);
}

std::map<int, int> Type1xxKeyMap::WriteMacroTables(std::vector<KeyMacroData> const& records)
{
    std::map<int, int> slots;
    int next = 0;
    for (auto const& record : records) {
        if (!SendsMacroBlock(record))
            continue;
        int const slot = next++;
        slots[record.key_code] = slot;
        if (record.macro_type == FuncShortcut) {
            // A shortcut's value is its row in the shortcut table, not a macro id.
            m_sender.WriteMacroTable(static_cast<std::uint8_t>(slot), Type1xx::MacroTable::Shortcut(record.macro_value).Bytes());
            continue;
        }
        auto const macro = LoadStoredMacro(m_database, record.macro_value);
        Type1xx::MacroTable const table(macro.playTimes, macro.steps);
        m_sender.WriteMacroTable(static_cast<std::uint8_t>(slot), table.Bytes());
    }
    return slots;
}

void Type1xxKeyMap::WriteKeyTable(std::vector<KeyMacroData> const& records, std::map<int, int> const& macroSlots)
{
    Type1xx::KeyTable table;
    for (auto const& record : records) {
        int const index = KeyIndexOf(record.key_code, m_keyIndex);
        switch (record.macro_type) {
        case FuncKey:
            table.Place(index, static_cast<std::uint8_t>(record.macro_value & 0xFF), Type1xx::kKeyEntryKey);
            break;
        case FuncDisabled:
            table.Place(index, 0, Type1xx::kKeyEntryKey);
            break;
        case FuncMacro:
        case FuncShortcut:
            if (auto const slot = macroSlots.find(record.key_code); slot != macroSlots.end())
                table.Place(index, static_cast<std::uint8_t>(slot->second), Type1xx::kKeyEntryMacro);
            break;
        default:
            break;
        }
    }
    m_sender.WriteKeyTable(table.Bytes());
}

}
