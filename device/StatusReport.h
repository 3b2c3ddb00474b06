#pragma once

#include "device/HidReport.h"

#include <cstdint>
#include <optional>
#include <span>

namespace Tessera {

// The keyboard's status report: the answer to GetStatus and the report it
// sends on its own when its link changes. Bytes 0-3 carry the signature
// AA 55 CC 33, byte 4 the command code 0x0E, byte 5 the battery level in
// percent and byte 6 the link state.
inline constexpr std::size_t kStatusBatteryByte = 5;
inline constexpr std::size_t kStatusLinkStateByte = 6;
inline constexpr int kMaxBatteryLevel = 100;

enum LinkState : std::uint8_t {
    kLinkNone = 0,
    kLinkReceiver = 1,
    kLinkCable = 3,
};

struct StatusReport {
    std::uint8_t battery { 0 };
    std::uint8_t linkState { 0 };

    bool HasValidBattery() const { return battery <= kMaxBatteryLevel; }
};

// The GetStatus request: AA 55 CC 33 0E, the rest zero.
HidData BuildStatusRequest();

// The report in `reply` (data bytes, no report ID); nullopt when it is too
// short or lacks the signature.
std::optional<StatusReport> ParseStatusReport(std::span<std::uint8_t const> reply);

}
