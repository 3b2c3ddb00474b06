// Hostile host reports against the three firmware families, and hostile text against the
// emulator's parsers (socket records, description and layout files).
#include "emulator/daemon/KeyLayout.h"
#include "emulator/firmware/Firmware.h"
#include "emulator/firmware/ModelCatalog.h"
#include "emulator/wire/InterfaceRecord.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using namespace Tessera::Emulator;

namespace {

void fuzz_firmware(int device_type, std::uint8_t const* data, std::size_t size)
{
    auto firmware = Firmware::for_device_type(device_type);
    std::size_t at = 0;
    while (at + 2 <= size) {
        std::uint8_t operation = data[at];
        std::size_t length = std::min<std::size_t>(data[at + 1], size - at - 2);
        Bytes report(data + at + 2, data + at + 2 + length);
        at += 2 + length;
        Link link = (operation & 1) ? Link::Receiver : Link::Cable;
        switch ((operation >> 1) % 4) {
        case 0:
            for (auto const& reply : firmware->output(link, report)) {
                if (reply.size() != 64)
                    std::abort();
            }
            break;
        case 1: firmware->set_feature(link, report); break;
        case 2: {
            auto reply = firmware->get_feature(link, report.empty() ? 7 : report[0], length);
            if (reply && reply->size() > length)
                std::abort();
            break;
        }
        default: firmware->state().powered = !firmware->state().powered;
        }
    }
    [[maybe_unused]] auto json = firmware->state().to_json();
}

}

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size)
{
    if (size == 0)
        return 0;
    std::string text(reinterpret_cast<char const*>(data + 1), size - 1);
    switch (data[0] % 6) {
    case 0: fuzz_firmware(301, data + 1, size - 1); break;
    case 1: fuzz_firmware(202, data + 1, size - 1); break;
    case 2: fuzz_firmware(108, data + 1, size - 1); break;
    case 3: decode_record(text); break;
    case 4: {
        ModelCatalog catalog;
        catalog.load_config_text(text);
        break;
    }
    default: parse_key_layout(text); break;
    }
    return 0;
}
