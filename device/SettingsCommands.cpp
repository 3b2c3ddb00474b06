#include "device/SettingsCommands.h"

#include "device/Type3xxCodec.h"

namespace Tessera {

bool SetSleepTime(HidTransport& transport, std::uint8_t code)
{
    HidData data = Type3xx::SetSleepTime(code);
    return transport.SendCommand(data, false);
}

bool SetKeyResponseTime(HidTransport& transport, std::uint8_t code)
{
    HidData data = Type3xx::SetKeyResponseTime(code);
    return transport.SendCommand(data, false);
}

bool SetFnSwitch(HidTransport& transport, bool on)
{
    HidData data = Type3xx::SetFnSwitch(on);
    return transport.SendCommand(data, false);
}

}
