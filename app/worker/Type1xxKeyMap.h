#pragma once

#include "device/DeviceClock.h"
#include "device/Type1xxSender.h"
#include "store/DeviceDatabase.h"

#include <map>

namespace Tessera {

// Writes the key table and macro tables of Type1xx keyboards (device types
// up to 200). Worker thread; all references must outlive the object.
class Type1xxKeyMap {
public:
    // keyIndex: key code → index in the keyboard's key table.
    Type1xxKeyMap(DeviceDatabase& database, Type1xxSender& sender, DeviceClock& clock, std::map<int, int> const& keyIndex);

    // Task 6: the macro tables of the layer's macro and shortcut keys
    // (slots from 0 in database order), 20 ms, then the layer's key table.
    void WriteTables(int profile, int layer);

private:
    // Slot of each macro key, as the key table refers to it.
    std::map<int, int> WriteMacroTables(std::vector<KeyMacroData> const& records);
    void WriteKeyTable(std::vector<KeyMacroData> const& records, std::map<int, int> const& macroSlots);

    DeviceDatabase& m_database;
    Type1xxSender& m_sender;
    DeviceClock& m_clock;
    std::map<int, int> const& m_keyIndex;
};

}
