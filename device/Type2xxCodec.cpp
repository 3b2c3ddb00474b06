#include "device/Type2xxCodec.h"

#include <algorithm>

namespace Tessera::Type2xx {

namespace {

constexpr std::uint8_t kReadSlotsCode = 0xFB;
constexpr std::uint8_t kSetKeySlotCode = 0xFA;
constexpr std::uint8_t kMacroSlotFirstCode = 0xF1;
constexpr std::uint8_t kLightModeCode = 0xF7;
constexpr std::uint8_t kResetCode = 0xF0;
constexpr std::uint8_t kReceiverHeader[] = { 0xBB, 0xAA, 0x99, 0x88 };
constexpr std::uint8_t kReceiverCommand = 0xAA;
constexpr std::uint8_t kClearSlotsRequest[] = { 0xAA, 0x55, 0xCC, 0x0F };
constexpr int kCustomColorMode = 4;

// Bytes 2-7 of the light-mode report, in order.
std::array<std::uint8_t, 6> LightParameters(LightMode const& light)
{
    std::array<std::uint8_t, 6> p {
        static_cast<std::uint8_t>(light.mode - 1),
        static_cast<std::uint8_t>(light.colorIndex),
        static_cast<std::uint8_t>(light.direction),
        static_cast<std::uint8_t>(light.speed != 0 ? light.speed - 1 : 0),
        static_cast<std::uint8_t>(light.brightness != 0 ? light.brightness - 1 : 0),
        static_cast<std::uint8_t>(light.customSet),
    };
    if (light.mode == kCustomColorMode) {
        // The single-colour mode carries its colour where the others carry
        // direction, speed and the custom set.
        p[2] = static_cast<std::uint8_t>(light.colorValue & 0xFF);
        p[3] = static_cast<std::uint8_t>((light.colorValue >> 8) & 0xFF);
        p[5] = static_cast<std::uint8_t>((light.colorValue >> 16) & 0xFF);
    }
    return p;
}

HidData ReceiverFrame()
{
    HidData data {};
    std::copy(std::begin(kReceiverHeader), std::end(kReceiverHeader), data.begin());
    return data;
}

}

Feature8Buffer ReadMacroSlotsRequest()
{
    return Feature8Buffer { kReportId, kReadSlotsCode, 0x01 };
}

Feature8Buffer ClearKeySlotsRequest()
{
    Feature8Buffer request {};
    std::copy(std::begin(kClearSlotsRequest), std::end(kClearSlotsRequest), request.begin());
    return request;
}

SlotTable ParseSlotTable(Feature8Buffer const& reply)
{
    SlotTable table;
    std::copy_n(reply.begin() + 1, kMacroSlots, table.macroSlots.begin());
    std::copy_n(reply.begin() + 1 + kMacroSlots, kRemapSlots, table.remapSlots.begin());
    return table;
}

HidReport SetKeySlot(std::uint8_t slot, std::uint8_t keyCode, std::uint8_t value)
{
    return HidReport { kReportId, kSetKeySlotCode, 0x01, slot, keyCode, 0x01, value, 0x01 };
}

HidReport SetMacroSlotData(int report, std::span<std::uint8_t const, kMacroSlotBlockSize> block)
{
    report = std::clamp(report, 0, kMacroSlotReports - 1);
    HidReport out {};
    out[0] = kReportId;
    out[1] = report == 0 ? kMacroSlotFirstCode : 0x00;
    std::copy_n(block.begin() + kMacroSlotReportData * static_cast<std::size_t>(report), kMacroSlotReportData, out.begin() + 2);
    return out;
}

HidReport SetLightModeF7(LightMode const& light)
{
    HidReport out { kReportId, kLightModeCode };
    auto const p = LightParameters(light);
    std::copy(p.begin(), p.end(), out.begin() + 2);
    return out;
}

HidData SetLightModeF7Receiver(LightMode const& light)
{
    HidData out = ReceiverFrame();
    out[4] = kReceiverCommand;
    auto const p = LightParameters(light);
    std::copy(p.begin(), p.end(), out.begin() + 5);
    return out;
}

HidReport ResetDeviceF0()
{
    return HidReport { kReportId, kResetCode, 0xAA };
}

HidData ResetDeviceF0ReceiverFirst()
{
    HidData out = ReceiverFrame();
    std::fill_n(out.begin() + 4, 6, kReceiverCommand);
    return out;
}

HidData ResetDeviceF0ReceiverSecond()
{
    return ReceiverFrame();
}

}
