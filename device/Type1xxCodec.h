#pragma once

#include "device/HidReport.h"

#include <cstdint>
#include <span>

namespace Tessera::Type1xx {

// Keyboards of device types up to 200: 65-byte output reports with report
// ID 0 and the command code in byte 1. Pure encoding: no transfers here.

// The program keeps a 360-byte table (two bytes per key index), but the
// keyboard's table write takes four reports of 60, 60, 60 and 40 bytes: only
// bytes 0-219, key indexes 0-109, reach the keyboard. Every shipped layout of
// these keyboards stays below index 110; the report lengths are the
// firmware's and are kept.
inline constexpr std::size_t kKeyTableSize = 360;
inline constexpr std::size_t kKeyTableSentBytes = 220;
inline constexpr int kKeyTableReports = 4;
inline constexpr int kKeyTablePauseMs = 10;
inline constexpr std::size_t kMacroPieceSize = 59;
inline constexpr int kMacroPiecePauseMs = 100;

// Report n (0-3) of the key table: 8D, length (60; 40 in the last), offset
// 60 × n little-endian, then the table bytes from that offset. The four
// reports carry table bytes 0-219.
HidReport WriteKeyTable(int report, std::span<std::uint8_t const, kKeyTableSize> table);

// How many 59-byte pieces a macro table of `size` bytes needs (at least one).
int MacroTablePieceCount(std::size_t size);
// Piece n of a macro table: 8E, the piece's byte count, offset 59 × n
// little-endian, the macro slot, then up to 59 table bytes.
HidReport WriteMacroTable(std::uint8_t slot, int piece, std::span<std::uint8_t const> table);

HidReport SetLightModeType1(std::uint8_t mode);
// Flags byte: 0x80 for a colourful mode, (direction & 3) × 16, speed & 0x0F;
// then the colour's three low bytes in memory order and the brightness.
HidReport SetLightParamsType1(bool colorful, int direction, int speed, std::uint32_t colorValue, std::uint8_t brightness);
HidReport ResetDeviceType1();
// Feature report 07 FF FF, mode − 1, brightness, speed, 0, custom set.
HidReport SelectCustomLightFF(int mode, std::uint8_t brightness, std::uint8_t speed, std::uint8_t customSet);

}
