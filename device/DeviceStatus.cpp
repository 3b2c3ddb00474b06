#include "device/DeviceStatus.h"

#include "device/StatusReport.h"

#include "config/DeviceModel.h"

namespace Tessera {

namespace {

// The connection mode a link state stands for; other states keep `current`.
int ModeOfLink(std::uint8_t linkState, int current)
{
    if (linkState == kLinkCable)
        return kConnectionCable;
    if (linkState == kLinkReceiver)
        return kConnectionReceiver;
    return current;
}

}

DeviceStatus::DeviceStatus(HidTransport& transport, DeviceClock& clock, DeviceLinkState& link, BatteryDisplay& battery,
    DiscoveryTrigger& discovery)
    : m_transport(transport)
    , m_clock(clock)
    , m_link(link)
    , m_battery(battery)
    , m_discovery(discovery)
{
}

bool DeviceStatus::QueryBattery()
{
    HidData data = BuildStatusRequest();
    if (!m_transport.QueryStatus(data))
        return false;
    auto const report = ParseStatusReport(data);
    if (!report)
        return false;
    if (report->HasValidBattery())
        m_battery.SetBatteryInfo(report->battery, 0);
    return true;
}

void DeviceStatus::PollStatus()
{
    Listen();
    std::int64_t const now = m_clock.NowMs();
    if (!m_started) {
        m_started = true;
        m_lastQueryMs = now;
    }
    if (now - m_lastQueryMs >= kStatusQueryPeriodMs) {
        m_lastQueryMs = now;
        Ask();
    }
}

void DeviceStatus::Compare(bool linked, int comparedMode)
{
    bool const linkChanged = linked != m_link.keyboardLinked.exchange(linked);
    if (linkChanged || comparedMode != m_link.connectionMode)
        m_discovery.RunDiscovery();
}

void DeviceStatus::Listen()
{
    HidReport report {};
    if (!m_transport.PollInput(report))
        return;
    auto const status = ParseStatusReport(report);
    if (!status)
        return;
    int const current = m_link.connectionMode;
    if (status->linkState == kLinkNone) {
        Compare(false, current);
        return;
    }
    if (status->HasValidBattery())
        m_battery.SetBatteryInfo(status->battery, 0);
    Compare(m_link.keyboardLinked, ModeOfLink(status->linkState, current));
}

void DeviceStatus::Ask()
{
    HidData data = BuildStatusRequest();
    if (!m_transport.SendCommand(data, true)) {
        // The keyboard stopped answering: find out what is still there.
        m_discovery.RunDiscovery();
        return;
    }
    auto const status = ParseStatusReport(data);
    if (!status)
        return;
    bool const linked = status->linkState == kLinkReceiver || status->linkState == kLinkCable;
    if (status->linkState != kLinkNone && status->HasValidBattery())
        m_battery.SetBatteryInfo(status->battery, 0);
    Compare(linked, ModeOfLink(status->linkState, m_link.connectionMode));
}

}
