// Feeds arbitrary reply bytes to the parsers of keyboard replies.
#include "device/StatusReport.h"
#include "device/Type2xxCodec.h"
#include "platform/DeviceMonitorName.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size)
{
    auto const status = Tessera::ParseStatusReport(std::span(data, size));
    if (status)
        (void)status->HasValidBattery();
    Tessera::Feature8Buffer slots {};
    std::copy_n(data, std::min(size, slots.size()), slots.begin());
    (void)Tessera::Type2xx::ParseSlotTable(slots);
    std::string_view text(reinterpret_cast<char const*>(data), size);
    (void)Tessera::ParseEmulatorEventLine(text);
    (void)Tessera::ParseHidrawDevpath(text, "/dev/hidraw0");
    return 0;
}
