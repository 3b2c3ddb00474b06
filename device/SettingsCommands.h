#pragma once

#include "device/HidTransport.h"

#include <cstdint>

namespace Tessera {

// The keyboard options of the settings page. They always go out in the
// Type3xx format, whatever the model, straight from the window thread; the
// page sends first and stores the value afterwards, whatever the result.
bool SetSleepTime(HidTransport& transport, std::uint8_t code);
bool SetKeyResponseTime(HidTransport& transport, std::uint8_t code);
bool SetFnSwitch(HidTransport& transport, bool on);

}
