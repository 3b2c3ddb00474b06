#pragma once

#include "device/HidReport.h"
#include "device/TransportOperation.h"

#include <cstdint>
#include <span>

namespace Tessera::Type3xx {

// Keyboards of device types 300-399. Every command is 64 data bytes sent
// behind report ID 0: the signature AA 55 CC 33, the command code in byte 4
// and parameters from byte 5. Pure encoding: no transfers here.

enum class Command {
    SetMacroData,      // codes 0x00-0x02, one per frame of a macro block
    SetKeyFunction,
    SetLightMode,
    ResetDevice,
    BeginKeyColors,
    Command0A,
    ApplyCustomLight,
    SetSleepTime,
    SetKeyResponseTime,
    GetStatus,
    ResetKeyFunctions,
    SetFnSwitch,
    StreamKeyColors,   // codes 0xF0-0xF5, live frames
    SetKeyColors,      // codes 0xF6-0xFB, stored layout
};

struct CommandInfo {
    Command command;
    std::uint8_t code;        // first code of a multi-frame command
    TransportOperation transport;
    int pauseBeforeMs;
    int pauseAfterMs;         // after a single assignment / the last frame
};

inline constexpr std::size_t kCodeByte = 4;
inline constexpr std::size_t kParameterByte = 5;
inline constexpr std::size_t kMacroBlockSize = 162;
inline constexpr std::size_t kMacroFrameSize = 54;
inline constexpr int kMacroFrames = 3;
inline constexpr std::size_t kColorTableSize = 600;
inline constexpr std::size_t kColorFrameSize = 54;
inline constexpr int kColorFrames = 6;

CommandInfo const& Info(Command command);
bool HasSignature(std::span<std::uint8_t const> data);

// The frame of `command` with `parameters` from byte 5 (at most 59 bytes are
// used); `frame` selects the code of a multi-frame command.
HidData Frame(Command command, std::span<std::uint8_t const> parameters = {}, int frame = 0);

// Layer 1 = base, 2 = Fn; value 0 returns the key to the keyboard's default.
HidData SetKeyFunction(std::uint8_t layer, std::uint8_t keyCode, std::uint8_t value);
// Frame 0-2 of a 162-byte macro block: block bytes 54 × frame onwards.
HidData SetMacroData(int frame, std::span<std::uint8_t const, kMacroBlockSize> block);

struct LightMode {
    int mode { 1 };        // light mode number, 1-based
    int brightness { 1 };  // 1-based
    int speed { 1 };       // 1-based
    int direction { 0 };
    int colorIndex { 0 };
};
// Mode, brightness and speed go out minus one as single bytes (0 becomes 0xFF).
HidData SetLightMode(LightMode const& light);
HidData SetSleepTime(std::uint8_t code);
HidData SetKeyResponseTime(std::uint8_t code);
HidData SetFnSwitch(bool on);

// A whole 65-byte report of the colour upload (SetKeyColors) or the live
// stream (StreamKeyColors): report ID 0, signature, code + frame, then the
// table's bytes 54 × frame onwards.
HidReport KeyColorFrame(Command command, int frame, std::span<std::uint8_t const, kColorTableSize> table);

}
