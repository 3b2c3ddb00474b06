#include "device/Type3xxCodec.h"

#include <algorithm>
#include <array>

namespace Tessera::Type3xx {

namespace {

constexpr std::uint8_t kSignature[] = { 0xAA, 0x55, 0xCC, 0x33 };

using enum TransportOperation;

// The command table of the Type3xx keyboards.
constexpr std::array kCommands = {
    CommandInfo { Command::SetMacroData, 0x00, SendCommand, 0, 170 },
    CommandInfo { Command::SetKeyFunction, 0x04, SendCommand, 16, 200 },
    CommandInfo { Command::SetLightMode, 0x07, SendCommand, 0, 0 },
    CommandInfo { Command::ResetDevice, 0x08, SendCommand, 0, 100 },
    CommandInfo { Command::BeginKeyColors, 0x09, SendCommandWithReply, 0, 0 },
    CommandInfo { Command::Command0A, 0x0A, WriteData, 0, 0 },
    CommandInfo { Command::ApplyCustomLight, 0x0B, SendCommand, 0, 10 },
    CommandInfo { Command::SetSleepTime, 0x0C, SendCommand, 0, 0 },
    CommandInfo { Command::SetKeyResponseTime, 0x0D, SendCommand, 0, 0 },
    CommandInfo { Command::GetStatus, 0x0E, SendCommandWithReply, 0, 0 },
    CommandInfo { Command::ResetKeyFunctions, 0x0F, SendCommand, 0, 100 },
    CommandInfo { Command::SetFnSwitch, 0x10, SendCommand, 0, 0 },
    CommandInfo { Command::StreamKeyColors, 0xF0, WriteReport, 0, 0 },
    CommandInfo { Command::SetKeyColors, 0xF6, WriteReport, 3, 0 },
};

constexpr std::size_t kReportDataOffset = 1; // a whole report has the report ID in front

}

CommandInfo const& Info(Command command)
{
    return *std::find_if(kCommands.begin(), kCommands.end(), [command](auto const& info) { return info.command == command; });
}

bool HasSignature(std::span<std::uint8_t const> data)
{
    return data.size() >= sizeof kSignature && std::equal(std::begin(kSignature), std::end(kSignature), data.begin());
}

HidData Frame(Command command, std::span<std::uint8_t const> parameters, int frame)
{
    HidData data {};
    std::copy(std::begin(kSignature), std::end(kSignature), data.begin());
    data[kCodeByte] = static_cast<std::uint8_t>(Info(command).code + frame);
    auto const count = std::min(parameters.size(), data.size() - kParameterByte);
    std::copy_n(parameters.begin(), count, data.begin() + kParameterByte);
    return data;
}

HidData SetKeyFunction(std::uint8_t layer, std::uint8_t keyCode, std::uint8_t value)
{
    std::uint8_t const parameters[] = { layer, keyCode, value };
    return Frame(Command::SetKeyFunction, parameters);
}

HidData SetMacroData(int frame, std::span<std::uint8_t const, kMacroBlockSize> block)
{
    frame = std::clamp(frame, 0, kMacroFrames - 1);
    return Frame(Command::SetMacroData, block.subspan(kMacroFrameSize * static_cast<std::size_t>(frame), kMacroFrameSize), frame);
}

HidData SetLightMode(LightMode const& light)
{
    std::uint8_t const parameters[] = {
        static_cast<std::uint8_t>(light.mode - 1),
        static_cast<std::uint8_t>(light.brightness - 1),
        static_cast<std::uint8_t>(light.speed - 1),
        static_cast<std::uint8_t>(light.direction),
        static_cast<std::uint8_t>(light.colorIndex),
    };
    return Frame(Command::SetLightMode, parameters);
}

HidData SetSleepTime(std::uint8_t code)
{
    return Frame(Command::SetSleepTime, std::span(&code, 1));
}

HidData SetKeyResponseTime(std::uint8_t code)
{
    return Frame(Command::SetKeyResponseTime, std::span(&code, 1));
}

HidData SetFnSwitch(bool on)
{
    std::uint8_t const value = on ? 1 : 0;
    return Frame(Command::SetFnSwitch, std::span(&value, 1));
}

HidReport KeyColorFrame(Command command, int frame, std::span<std::uint8_t const, kColorTableSize> table)
{
    frame = std::clamp(frame, 0, kColorFrames - 1);
    HidData const data = Frame(command, table.subspan(kColorFrameSize * static_cast<std::size_t>(frame), kColorFrameSize), frame);
    HidReport report {};
    std::copy(data.begin(), data.end(), report.begin() + kReportDataOffset);
    return report;
}

}
