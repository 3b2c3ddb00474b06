#pragma once

#include "device/DeviceClock.h"
#include "device/HidTransport.h"
#include "device/Type1xxCodec.h"

namespace Tessera {

// Sends Type1xx commands with their transport operation and pauses.
class Type1xxSender {
public:
    Type1xxSender(HidTransport& transport, DeviceClock& clock);

    // The four key-table reports, 10 ms before each; true when all went out.
    bool WriteKeyTable(std::span<std::uint8_t const, Type1xx::kKeyTableSize> table);
    // The pieces of one macro table, 100 ms before each; a failed piece ends it.
    bool WriteMacroTable(std::uint8_t slot, std::span<std::uint8_t const> table);
    bool SetLightMode(std::uint8_t mode);
    bool SetLightParams(bool colorful, int direction, int speed, std::uint32_t colorValue, std::uint8_t brightness);
    bool ResetDevice();
    bool SelectCustomLight(int mode, std::uint8_t brightness, std::uint8_t speed, std::uint8_t customSet);

private:
    HidTransport& m_transport;
    DeviceClock& m_clock;
};

}
