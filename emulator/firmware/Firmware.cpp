#include "emulator/firmware/Firmware.h"

#include "emulator/firmware/Type1xxFirmware.h"
#include "emulator/firmware/Type2xxFirmware.h"
#include "emulator/firmware/Type3xxFirmware.h"

namespace Tessera::Emulator {

static constexpr std::uint8_t kGetStatus = 0x0E;
// The settings commands are sent in the signed form to every family.
static constexpr std::uint8_t kSetSleepTime = 0x0C;
static constexpr std::uint8_t kSetKeyResponseTime = 0x0D;
static constexpr std::uint8_t kSetFnSwitch = 0x10;
static constexpr std::size_t kReportBytes = 64;

bool has_signature(Bytes const& payload)
{
    return byte_at(payload, 0) == 0xAA && byte_at(payload, 1) == 0x55 && byte_at(payload, 2) == 0xCC
        && byte_at(payload, 3) == 0x33;
}

std::unique_ptr<Firmware> Firmware::for_device_type(int device_type)
{
    if (device_type <= 200)
        return std::make_unique<Type1xxFirmware>();
    if (device_type < 300)
        return std::make_unique<Type2xxFirmware>();
    return std::make_unique<Type3xxFirmware>();
}

Bytes Firmware::status_report(Link link) const
{
    Bytes reply(kReportBytes, 0);
    reply[0] = 0xAA;
    reply[1] = 0x55;
    reply[2] = 0xCC;
    reply[3] = 0x33;
    reply[4] = kGetStatus;
    bool linked = reachable(link);
    // A receiver without its keyboard knows no battery level.
    reply[5] = linked ? static_cast<std::uint8_t>(m_state.battery) : 0;
    reply[6] = !linked ? 0 : (link == Link::Cable ? 3 : 1);
    return reply;
}

std::vector<Bytes> Firmware::output(Link link, Bytes const& report)
{
    Bytes payload(report.begin() + (report.empty() ? 0 : 1), report.end());
    payload.resize(std::max(payload.size(), kReportBytes), 0);
    if (has_signature(payload) && payload[kCommandOffset] == kGetStatus)
        return { status_report(link) };
    if (!reachable(link))
        return {};
    if (has_signature(payload) && settings(payload))
        return {};
    return on_output(link, payload);
}

bool Firmware::settings(Bytes const& payload)
{
    std::uint8_t value = payload[kParameterOffset];
    switch (payload[kCommandOffset]) {
    case kSetSleepTime: m_state.sleepTime = value; return true;
    case kSetKeyResponseTime: m_state.keyResponseTime = value; return true;
    case kSetFnSwitch:
        if (value > 1)
            ignore();
        else
            m_state.fnSwitch = value;
        return true;
    default: return false;
    }
}

bool Firmware::set_feature(Link link, Bytes const& report)
{
    if (report.empty())
        return false;
    if (!reachable(link))
        return true; // the receiver takes the report but cannot pass it on
    Bytes padded = report;
    padded.resize(std::max(padded.size(), std::size_t { 8 }), 0);
    return on_set_feature(link, padded);
}

std::optional<Bytes> Firmware::get_feature(Link link, std::uint8_t report_id, std::size_t length)
{
    if (length == 0)
        return std::nullopt;
    return on_get_feature(link, report_id, length);
}

}
