#include "device/Type1xxCodec.h"

#include <algorithm>

namespace Tessera::Type1xx {

namespace {

constexpr std::uint8_t kKeyTableCode = 0x8D;
constexpr std::uint8_t kMacroTableCode = 0x8E;
constexpr std::uint8_t kLightModeCode = 0x88;
constexpr std::uint8_t kLightParamsCode = 0x89;
constexpr std::size_t kKeyTablePiece = 60;
constexpr std::size_t kLastKeyTablePiece = 40;
constexpr std::size_t kPayloadByte = 5;
constexpr std::size_t kMacroPayloadByte = 6;

void PutOffset(HidReport& report, std::size_t offset)
{
    report[3] = static_cast<std::uint8_t>(offset & 0xFF);
    report[4] = static_cast<std::uint8_t>((offset >> 8) & 0xFF);
}

}

HidReport WriteKeyTable(int report, std::span<std::uint8_t const, kKeyTableSize> table)
{
    report = std::clamp(report, 0, kKeyTableReports - 1);
    auto const offset = kKeyTablePiece * static_cast<std::size_t>(report);
    auto const length = report == kKeyTableReports - 1 ? kLastKeyTablePiece : kKeyTablePiece;
    HidReport out {};
    out[1] = kKeyTableCode;
    out[2] = static_cast<std::uint8_t>(length);
    PutOffset(out, offset);
    std::copy_n(table.begin() + offset, length, out.begin() + kPayloadByte);
    return out;
}

int MacroTablePieceCount(std::size_t size)
{
    return size == 0 ? 1 : static_cast<int>((size + kMacroPieceSize - 1) / kMacroPieceSize);
}

HidReport WriteMacroTable(std::uint8_t slot, int piece, std::span<std::uint8_t const> table)
{
    auto const offset = kMacroPieceSize * static_cast<std::size_t>(std::max(piece, 0));
    auto const length = offset < table.size() ? std::min(kMacroPieceSize, table.size() - offset) : 0;
    HidReport out {};
    out[1] = kMacroTableCode;
    out[2] = static_cast<std::uint8_t>(length);
    PutOffset(out, offset);
    out[5] = slot;
    std::copy_n(table.begin() + static_cast<std::ptrdiff_t>(std::min(offset, table.size())), length, out.begin() + kMacroPayloadByte);
    return out;
}

HidReport SetLightModeType1(std::uint8_t mode)
{
    return HidReport { 0x00, kLightModeCode, 0x00, mode };
}

HidReport SetLightParamsType1(bool colorful, int direction, int speed, std::uint32_t colorValue, std::uint8_t brightness)
{
    auto const flags = static_cast<std::uint8_t>((colorful ? 0x80 : 0x00) + (direction & 3) * 16 + (speed & 0x0F));
    return HidReport {
        0x00,
        kLightParamsCode,
        0x00,
        flags,
        static_cast<std::uint8_t>(colorValue & 0xFF),
        static_cast<std::uint8_t>((colorValue >> 8) & 0xFF),
        static_cast<std::uint8_t>((colorValue >> 16) & 0xFF),
        brightness,
    };
}

HidReport ResetDeviceType1()
{
    return HidReport { 0x00, 0xFF, 0xFE, 0xAA, 0xFF };
}

HidReport SelectCustomLightFF(int mode, std::uint8_t brightness, std::uint8_t speed, std::uint8_t customSet)
{
    return HidReport { 0x07, 0xFF, 0xFF, static_cast<std::uint8_t>(mode - 1), brightness, speed, 0x00, customSet };
}

}
