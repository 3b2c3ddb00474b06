#pragma once

#include "device/HidReport.h"

#include <array>
#include <cstdint>
#include <span>

namespace Tessera::Type2xx {

// Keyboards of device types 201-299. Commands are feature reports with
// report ID 7 and the command code in byte 1; through the 2.4 GHz receiver
// the light and reset commands go as output reports whose data begin
// BB AA 99 88. Pure encoding: no transfers here.

inline constexpr std::uint8_t kReportId = 0x07;
inline constexpr int kMacroSlots = 13;
inline constexpr int kRemapSlots = 10;
inline constexpr std::size_t kMacroSlotBlockSize = 168;
inline constexpr std::size_t kMacroSlotReportData = 6;
inline constexpr int kMacroSlotReports = 28;
// Pause between the two receiver reports of ResetDeviceF0.
inline constexpr int kReceiverResetPauseMs = 1600;
inline constexpr int kResetPauseMs = 100;

// The 8-byte requests of the slot-table exchange.
Feature8Buffer ReadMacroSlotsRequest();
Feature8Buffer ClearKeySlotsRequest();

// The key codes held by the keyboard's slots (0 = free), from the 28 bytes
// the exchange returns: bytes 1-13 macro slots, 14-23 remap slots.
struct SlotTable {
    std::array<std::uint8_t, kMacroSlots> macroSlots {};
    std::array<std::uint8_t, kRemapSlots> remapSlots {};
};
SlotTable ParseSlotTable(Feature8Buffer const& reply);

// Remap slot 1-10: 07 FA 01 slot key 01 value 01.
HidReport SetKeySlot(std::uint8_t slot, std::uint8_t keyCode, std::uint8_t value);
// Report n (0-27) of a macro slot block: 07, F1 for the first report and 00
// for the others, then block bytes 6n … 6n+5.
HidReport SetMacroSlotData(int report, std::span<std::uint8_t const, kMacroSlotBlockSize> block);

struct LightMode {
    int mode { 1 };          // light mode number, 1-based
    int colorIndex { 0 };
    int direction { 0 };
    int speed { 0 };         // 0 stays 0, otherwise minus one
    int brightness { 0 };    // 0 stays 0, otherwise minus one
    std::uint32_t colorValue { 0 }; // used by light mode 4 instead of direction, speed and custom set
    int customSet { 0 };     // position of the selected custom set, or 0
};
HidReport SetLightModeF7(LightMode const& light);
HidData SetLightModeF7Receiver(LightMode const& light);

HidReport ResetDeviceF0();
// The receiver's reset: first report, 1600 ms, second report.
HidData ResetDeviceF0ReceiverFirst();
HidData ResetDeviceF0ReceiverSecond();

}
