#include "device/Type2xxSender.h"

namespace Tessera {

Type2xxSender::Type2xxSender(HidTransport& transport, DeviceClock& clock)
    : m_transport(transport)
    , m_clock(clock)
{
}

std::optional<Type2xx::SlotTable> Type2xxSender::ReadMacroSlots()
{
    Feature8Buffer buffer = Type2xx::ReadMacroSlotsRequest();
    if (!m_transport.ExchangeFeature8(buffer))
        return std::nullopt;
    return Type2xx::ParseSlotTable(buffer);
}

bool Type2xxSender::ClearKeySlots()
{
    Feature8Buffer buffer = Type2xx::ClearKeySlotsRequest();
    return m_transport.ExchangeFeature8(buffer);
}

bool Type2xxSender::SetKeySlot(std::uint8_t slot, std::uint8_t keyCode, std::uint8_t value)
{
    return m_transport.SendFeatureReport(Type2xx::SetKeySlot(slot, keyCode, value));
}

bool Type2xxSender::SetMacroSlotData(std::span<std::uint8_t const, Type2xx::kMacroSlotBlockSize> block)
{
    bool all = true;
    for (int report = 0; report < Type2xx::kMacroSlotReports; ++report)
        all = m_transport.SendFeatureReport(Type2xx::SetMacroSlotData(report, block)) && all;
    return all;
}

bool Type2xxSender::SetLightMode(Type2xx::LightMode const& light, bool throughReceiver)
{
    if (throughReceiver)
        return m_transport.WriteData(Type2xx::SetLightModeF7Receiver(light));
    return m_transport.SendFeatureReport(Type2xx::SetLightModeF7(light));
}

bool Type2xxSender::ResetDevice(bool throughReceiver)
{
    if (!throughReceiver) {
        bool const sent = m_transport.SendFeatureReport(Type2xx::ResetDeviceF0());
        m_clock.SleepMs(Type2xx::kResetPauseMs);
        return sent;
    }
    bool const first = m_transport.WriteData(Type2xx::ResetDeviceF0ReceiverFirst());
    // The receiver passes the reset on to the keyboard before it takes more.
    m_clock.SleepMs(Type2xx::kReceiverResetPauseMs);
    bool const second = m_transport.WriteData(Type2xx::ResetDeviceF0ReceiverSecond());
    return first && second;
}

}
