#pragma once

#include "device/DeviceClock.h"
#include "device/Type2xxSender.h"
#include "store/DeviceDatabase.h"

#include <optional>

namespace Tessera {

// Slot positions of a Type2xx slot table for one key.
struct SlotChoice {
    int macroSlot { 0 }; // 1-13, 0 = none
    int remapSlot { 0 }; // 1-10, 0 = none
};
// The slot a key already holds, or the first free one (1 when all are taken).
int ChooseMacroSlot(Type2xx::SlotTable const& table, int keyCode);
int ChooseRemapSlot(Type2xx::SlotTable const& table, int keyCode);
// The slots the key holds now (0 where it holds none).
SlotChoice OccupiedSlots(Type2xx::SlotTable const& table, int keyCode);

// Writes stored key functions and macros into the slots of Type2xx keyboards
// (device types 201-299) and cleans the database after a connection. Worker
// thread; all references must outlive the object.
class Type2xxKeyMap {
public:
    Type2xxKeyMap(DeviceDatabase& database, Type2xxSender& sender, DeviceClock& clock);

    // The slot table; none when the exchange failed.
    std::optional<Type2xx::SlotTable> ReadSlots();
    // Remap slot: the key's value, or key and value 0 (cleared) when the
    // record has no value; nothing for types 0, 3 and 7.
    bool WriteKeySlot(int profile, int layer, int keyCode, int slot);
    // Macro slot: a macro's or shortcut's steps, or an empty (cleared) slot
    // for any other type.
    bool WriteMacroSlot(int keyCode, int slot, int type, int macroValue);
    // Task 6 for one key: slot table, 100 ms, then the key into the slot it
    // holds or a free one.
    void WriteSingleKey(int profile, int layer, int keyCode);
    // Task 6 for all keys of the layer: ClearKeySlots, then slot after slot.
    void WriteAllKeys(int profile, int layer);
    // Task 5: keys the keyboard no longer holds are removed from the layer
    // (all of the profile's keys when it holds none). Nothing is removed
    // when the slot table could not be read.
    void CleanUpAfterConnection(int profile, int layer);

private:
    DeviceDatabase& m_database;
    Type2xxSender& m_sender;
    DeviceClock& m_clock;
};

}
