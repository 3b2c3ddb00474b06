#pragma once

#include "device/DeviceClock.h"
#include "device/HidTransport.h"
#include "device/StatusReport.h"
#include "device/Type3xxCodec.h"

#include <atomic>
#include <optional>

namespace Tessera {

// How a key function write is paced: a single assignment is followed by
// 200 ms of silence, each key of a bulk write is preceded by 16 ms.
enum class KeyWritePacing {
    Single,
    Bulk,
};

// Sends Type3xx commands with their transport operation and pauses. Used
// from the worker thread; the transport serialises against the window
// thread's settings commands.
class Type3xxSender {
public:
    Type3xxSender(HidTransport& transport, DeviceClock& clock);

    bool SendKeyFunction(std::uint8_t layer, std::uint8_t keyCode, std::uint8_t value, KeyWritePacing pacing);
    // The three frames of a macro block; a failed frame does not stop the
    // others. True when all three went out.
    bool SendMacroBlock(std::span<std::uint8_t const, Type3xx::kMacroBlockSize> block);
    bool ResetKeyFunctions();
    bool ResetDevice();
    bool SendLightMode(Type3xx::LightMode const& light);
    bool ApplyCustomLight();
    bool BeginKeyColors();
    bool SendCommand0A();
    // The stored per-key layout (SetKeyColors) or one live frame
    // (StreamKeyColors). When `armed` is set, BeginKeyColors goes first and
    // the flag is cleared. The first failed frame ends the upload.
    bool SendKeyColors(std::span<std::uint8_t const, Type3xx::kColorTableSize> table, std::atomic<bool>& armed);
    bool StreamKeyColors(std::span<std::uint8_t const, Type3xx::kColorTableSize> table, std::atomic<bool>& armed);

    // GetStatus with a 10 ms read (the reload after a connection).
    std::optional<StatusReport> QueryStatus();

private:
    bool SendSimple(Type3xx::Command command);
    bool SendColorFrames(Type3xx::Command command, std::span<std::uint8_t const, Type3xx::kColorTableSize> table, std::atomic<bool>& armed);

    HidTransport& m_transport;
    DeviceClock& m_clock;
};

}
