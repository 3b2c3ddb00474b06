#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace Tessera {

// Every transfer uses a 65-byte report: byte 0 is the report ID, the rest
// the report's data. Commands of the output-report protocol are built as the
// 64 data bytes alone and sent behind report ID 0.
inline constexpr std::size_t kHidReportSize = 65;
inline constexpr std::size_t kHidDataSize = 64;
// The slot-table exchange returns 4 × 7 bytes.
inline constexpr std::size_t kFeature8ReplySize = 28;
inline constexpr std::size_t kFeature8Size = 8;

using HidReport = std::array<std::uint8_t, kHidReportSize>;
using HidData = std::array<std::uint8_t, kHidDataSize>;
using Feature8Buffer = std::array<std::uint8_t, kFeature8ReplySize>;

}
