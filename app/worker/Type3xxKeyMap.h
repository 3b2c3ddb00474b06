#pragma once

#include "device/DeviceClock.h"
#include "device/Type3xxSender.h"
#include "store/DeviceDatabase.h"

#include <cstdint>
#include <optional>

namespace Tessera {

// The SetKeyFunction value of a stored key function on a Type3xx keyboard:
// 0 (back to default) without a record or with a value of 0 or less, none for
// macros and shortcuts (they go as macro blocks) and for type 0, else the low
// byte of the value. The modifier mask is never sent.
std::optional<std::uint8_t> Type3xxKeyValue(KeyMacroData const* record);
// Whether a record goes to the keyboard as a macro block.
bool SendsMacroBlock(KeyMacroData const& record);

// Writes stored key functions and macros of Type3xx keyboards (device types
// 300-399). Worker thread; all references must outlive the object.
class Type3xxKeyMap {
public:
    Type3xxKeyMap(DeviceDatabase& database, Type3xxSender& sender, DeviceClock& clock);

    // One key's function (SetKeyFunction, 200 ms after); false when nothing
    // went out.
    bool WriteKeyFunction(int profile, int layer, int keyCode);
    // The macro block of one key: a macro (type 3, its steps) or a built-in
    // shortcut (type 7).
    bool WriteMacroKey(int layer, int keyCode, int type, int macroValue);
    // Task 6 for one key: 100 ms, then the key's function or macro block.
    void WriteSingleKey(int profile, int layer, int keyCode);
    // Tasks 6 and 8: ResetKeyFunctions (100 ms), then every record of the
    // base layer and of the Fn layer in database order.
    void WriteFullKeyMap(int profile);
    // Task 7: every key of `layer`, in every profile, that runs the deleted
    // macro goes back to its default.
    void ResetKeysOfMacro(int layer, int macroId);

private:
    void WriteLayer(int profile, int layer);

    DeviceDatabase& m_database;
    Type3xxSender& m_sender;
    DeviceClock& m_clock;
};

}
