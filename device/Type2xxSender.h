#pragma once

#include "device/DeviceClock.h"
#include "device/HidTransport.h"
#include "device/Type2xxCodec.h"

#include <optional>

namespace Tessera {

// Sends Type2xx commands with their transport operation and pauses. Light
// and reset commands take the receiver form when the keyboard is reached
// through its receiver; slots and macros are feature reports either way.
class Type2xxSender {
public:
    Type2xxSender(HidTransport& transport, DeviceClock& clock);

    // The slot table; none when the exchange failed, so that an unanswered
    // read never looks like a keyboard with empty slots.
    std::optional<Type2xx::SlotTable> ReadMacroSlots();
    bool ClearKeySlots();
    bool SetKeySlot(std::uint8_t slot, std::uint8_t keyCode, std::uint8_t value);
    // All 28 reports of a macro slot block (16 ms before each); true when
    // every report went out.
    bool SetMacroSlotData(std::span<std::uint8_t const, Type2xx::kMacroSlotBlockSize> block);
    bool SetLightMode(Type2xx::LightMode const& light, bool throughReceiver);
    bool ResetDevice(bool throughReceiver);

private:
    HidTransport& m_transport;
    DeviceClock& m_clock;
};

}
