#pragma once

#include "emulator/firmware/KeyboardState.h"
#include "emulator/wire/Bytes.h"

#include <memory>
#include <optional>
#include <vector>

namespace Tessera::Emulator {

// The keyboard's side of the command protocol, without any transport. Reports arrive as the
// host wrote them (byte 0 = report ID); replies are input reports without a report ID.
// Not thread-safe: the owning EmulatedKeyboard serialises every call.
class Firmware {
public:
    virtual ~Firmware() = default;

    // An output report written to the command interface of `link`. Returns the input reports
    // the keyboard sends back (usually none). Every family answers the status query
    // AA 55 CC 33 0E and takes the signed settings commands (0C sleep time, 0D key response
    // time, 10 Fn switch); behind a receiver whose keyboard is off only the receiver answers.
    std::vector<Bytes> output(Link link, Bytes const& report);
    // A feature report set on the command interface; false when the keyboard rejects it.
    bool set_feature(Link link, Bytes const& report);
    // A feature report read: `report_id` and the length asked for; nullopt = not supported.
    std::optional<Bytes> get_feature(Link link, std::uint8_t report_id, std::size_t length);

    // The status report: AA 55 CC 33 0E, battery, link state (3 cable, 1 receiver, 0 not linked).
    Bytes status_report(Link link) const;
    bool reachable(Link link) const { return link == Link::Cable || m_state.powered; }

    KeyboardState& state() { return m_state; }
    KeyboardState const& state() const { return m_state; }

    static std::unique_ptr<Firmware> for_device_type(int device_type);

protected:
    // Family parts; `payload` is the output report without its report ID byte.
    virtual std::vector<Bytes> on_output(Link link, Bytes const& payload) = 0;
    virtual bool on_set_feature(Link, Bytes const&) { return ignore(); }
    virtual std::optional<Bytes> on_get_feature(Link, std::uint8_t, std::size_t) { return std::nullopt; }

    // Sleep time, key response time and Fn switch; false for any other command.
    bool settings(Bytes const& payload);

    bool ignore()
    {
        ++m_state.ignoredReports;
        return true;
    }

    KeyboardState m_state;
};

// Offsets of the signed frame of the 3xx family (and of the status query every family answers).
inline constexpr std::size_t kCommandOffset = 4;
inline constexpr std::size_t kParameterOffset = 5;
bool has_signature(Bytes const& payload);

}
