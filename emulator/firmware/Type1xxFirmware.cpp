#include "emulator/firmware/Type1xxFirmware.h"

#include <algorithm>

namespace Tessera::Emulator {

namespace {
// Offsets in the payload (the report without its report ID byte).
constexpr std::size_t kCode = 0;
constexpr std::size_t kLength = 1;
constexpr std::size_t kOffsetLow = 2;
constexpr std::size_t kOffsetHigh = 3;
constexpr std::size_t kKeyData = 4;    // 60 key-table bytes
constexpr std::size_t kMacroSlot = 4;
constexpr std::size_t kMacroData = 5;  // 59 macro bytes
constexpr std::size_t kKeyPiece = 60;
constexpr std::size_t kMacroPiece = 59;

enum Command : std::uint8_t {
    kLightMode = 0x88,
    kLightParams = 0x89,
    kKeyTable = 0x8D,
    kMacroTable = 0x8E,
};

std::size_t offset_of(Bytes const& payload)
{
    return payload[kOffsetLow] | (payload[kOffsetHigh] << 8);
}

// Copies `length` bytes (at most `piece`) to `table` at `offset`, never past its end.
template<typename Table>
bool store_piece(Table& table, std::size_t offset, std::size_t length, std::size_t piece, std::uint8_t const* data)
{
    // A piece claiming more than its report carries is cut to what the report holds.
    if (offset >= table.size())
        return false;
    length = std::min({ length, piece, table.size() - offset });
    std::copy(data, data + length, table.begin() + offset);
    return true;
}
}

std::vector<Bytes> Type1xxFirmware::on_output(Link, Bytes const& payload)
{
    auto& light = m_state.light;
    if (payload[0] == 0xFF && payload[1] == 0xFE && payload[2] == 0xAA && payload[3] == 0xFF) {
        m_state.restore_defaults();
        ++m_state.deviceResets;
        return {};
    }
    switch (payload[kCode]) {
    case kKeyTable: key_table(payload); break;
    case kMacroTable: macro_table(payload); break;
    case kLightMode: light.mode = payload[2]; break;
    case kLightParams:
        light.extra = payload[2];
        std::copy(payload.begin() + 3, payload.begin() + 6, light.color.begin());
        light.brightness = payload[6];
        break;
    default: ignore();
    }
    return {};
}

bool Type1xxFirmware::on_set_feature(Link, Bytes const& report)
{
    // 07 FF FF mode−1 brightness speed 00 set: choose a stored custom colour set.
    if (report[0] != 0x07 || report[1] != 0xFF || report[2] != 0xFF)
        return ignore();
    auto& light = m_state.light;
    light.mode = report[3];
    light.brightness = report[4];
    light.speed = report[5];
    light.customSet = report.size() > 7 ? report[7] : 0;
    return true;
}

void Type1xxFirmware::key_table(Bytes const& payload)
{
    if (!store_piece(m_state.keyTable, offset_of(payload), payload[kLength], kKeyPiece, payload.data() + kKeyData))
        ignore();
}

void Type1xxFirmware::macro_table(Bytes const& payload)
{
    auto& table = m_state.macroTables[payload[kMacroSlot]];
    if (table.empty())
        table.assign(KeyboardState::kMacroTableBytes, 0);
    if (!store_piece(table, offset_of(payload), payload[kLength], kMacroPiece, payload.data() + kMacroData))
        ignore();
}

}
