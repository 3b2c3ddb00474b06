#include "device/StatusReport.h"

#include "device/Type3xxCodec.h"

namespace Tessera {

HidData BuildStatusRequest()
{
    return Type3xx::Frame(Type3xx::Command::GetStatus);
}

std::optional<StatusReport> ParseStatusReport(std::span<std::uint8_t const> reply)
{
    if (reply.size() <= kStatusLinkStateByte || !Type3xx::HasSignature(reply))
        return std::nullopt;
    return StatusReport { reply[kStatusBatteryByte], reply[kStatusLinkStateByte] };
}

}
