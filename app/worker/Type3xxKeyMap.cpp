#include "app/worker/Type3xxKeyMap.h"

#include "app/worker/StoredMacro.h"
#include "device/MacroBlock.h"
#include "keys/KeyFunction.h"

#include <vector>

namespace Tessera {

namespace {

// The keyboard needs a moment after the assignment was stored before it
// takes the key.
constexpr int kSingleKeyPauseMs = 100;
constexpr int kBulkKeyPauseMs = 16;

std::uint8_t LayerByte(int layer)
{
    return static_cast<std::uint8_t>(layer + 1);
}

}

std::optional<std::uint8_t> Type3xxKeyValue(KeyMacroData const* record)
{
    if (!record || record->macro_value <= 0)
        return 0;
    if (record->macro_type == FuncDefault || SendsMacroBlock(*record))
        return std::nullopt;
    return static_cast<std::uint8_t>(record->macro_value & 0xFF);
}

bool SendsMacroBlock(KeyMacroData const& record)
{
    return record.macro_type == FuncMacro || record.macro_type == FuncShortcut;
}

Type3xxKeyMap::Type3xxKeyMap(DeviceDatabase& database, Type3xxSender& sender, DeviceClock& clock)
    : m_database(database)
    , m_sender(sender)
    , m_clock(clock)
{
}

bool Type3xxKeyMap::WriteKeyFunction(int profile, int layer, int keyCode)
{
    KeyMacroData record;
    bool const found = m_database.GetKeyMacroData(profile, layer, keyCode, record);
    auto const value = Type3xxKeyValue(found ? &record : nullptr);
    if (!value)
        return false;
    return m_sender.SendKeyFunction(LayerByte(layer), static_cast<std::uint8_t>(keyCode), *value, KeyWritePacing::Single);
}

bool Type3xxKeyMap::WriteMacroKey(int layer, int keyCode, int type, int macroValue)
{
    auto const key = static_cast<std::uint8_t>(keyCode);
    if (type == FuncShortcut)
        return m_sender.SendMacroBlock(Type3xxShortcutBlock(LayerByte(layer), key, macroValue).Type3xxBlock());
    auto const macro = LoadStoredMacro(m_database, macroValue);
    auto const playTimes = static_cast<std::uint8_t>(macro.found ? macro.playTimes & 0xFF : 0);
    auto const block = Type3xxMacroBlock(LayerByte(layer), key, playTimes, macro.steps);
    return m_sender.SendMacroBlock(block.Type3xxBlock());
}

void Type3xxKeyMap::WriteSingleKey(int profile, int layer, int keyCode)
{
    m_clock.SleepMs(kSingleKeyPauseMs);
    KeyMacroData record;
    if (m_database.GetKeyMacroData(profile, layer, keyCode, record) && SendsMacroBlock(record) && record.macro_value > 0)
        WriteMacroKey(layer, keyCode, record.macro_type, record.macro_value);
    else
        WriteKeyFunction(profile, layer, keyCode);
}

void Type3xxKeyMap::WriteFullKeyMap(int profile)
{
    m_sender.ResetKeyFunctions(); // followed by its 100 ms of silence
    WriteLayer(profile, 0);
    WriteLayer(profile, 1);
}

void Type3xxKeyMap::WriteLayer(int profile, int layer)
{
    std::vector<KeyMacroData> records;
    m_database.LoadLayerKeyMacroData(profile, layer, records);
    for (auto const& record : records) {
        if (record.macro_type == FuncDefault)
            continue;
        if (SendsMacroBlock(record)) {
            m_clock.SleepMs(kBulkKeyPauseMs);
            WriteMacroKey(layer, record.key_code, record.macro_type, record.macro_value);
            continue;
        }
        if (auto const value = Type3xxKeyValue(&record))
            m_sender.SendKeyFunction(LayerByte(layer), static_cast<std::uint8_t>(record.key_code), *value, KeyWritePacing::Bulk);
    }
}

void Type3xxKeyMap::ResetKeysOfMacro(int layer, int macroId)
{
    std::vector<ProfileData> profiles;
    m_database.LoadProfiles(profiles);
    for (auto const& profile : profiles) {
        std::vector<KeyMacroData> records;
        m_database.LoadLayerKeyMacroData(profile.profile, layer, records);
        for (auto const& record : records) {
            // Only macro keys point at a macro id; a shortcut's value is its
            // row in the shortcut table.
            if (record.macro_type != FuncMacro || record.macro_value != macroId)
                continue;
            m_sender.SendKeyFunction(LayerByte(layer), static_cast<std::uint8_t>(record.key_code), 0, KeyWritePacing::Bulk);
        }
    }
}

}
