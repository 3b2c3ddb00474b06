#include "device/Type1xxSender.h"

namespace Tessera {

Type1xxSender::Type1xxSender(HidTransport& transport, DeviceClock& clock)
    : m_transport(transport)
    , m_clock(clock)
{
}

bool Type1xxSender::WriteKeyTable(std::span<std::uint8_t const, Type1xx::kKeyTableSize> table)
{
    bool all = true;
    for (int report = 0; report < Type1xx::kKeyTableReports; ++report) {
        m_clock.SleepMs(Type1xx::kKeyTablePauseMs);
        all = m_transport.WriteReport(Type1xx::WriteKeyTable(report, table)) && all;
    }
    return all;
}

bool Type1xxSender::WriteMacroTable(std::uint8_t slot, std::span<std::uint8_t const> table)
{
    int const pieces = Type1xx::MacroTablePieceCount(table.size());
    for (int piece = 0; piece < pieces; ++piece) {
        m_clock.SleepMs(Type1xx::kMacroPiecePauseMs);
        if (!m_transport.WriteReport(Type1xx::WriteMacroTable(slot, piece, table)))
            return false;
    }
    return true;
}

bool Type1xxSender::SetLightMode(std::uint8_t mode)
{
    return m_transport.WriteReport(Type1xx::SetLightModeType1(mode));
}

bool Type1xxSender::SetLightParams(bool colorful, int direction, int speed, std::uint32_t colorValue, std::uint8_t brightness)
{
    return m_transport.WriteReport(Type1xx::SetLightParamsType1(colorful, direction, speed, colorValue, brightness));
}

bool Type1xxSender::ResetDevice()
{
    return m_transport.WriteReport(Type1xx::ResetDeviceType1());
}

bool Type1xxSender::SelectCustomLight(int mode, std::uint8_t brightness, std::uint8_t speed, std::uint8_t customSet)
{
    return m_transport.SendFeatureReport(Type1xx::SelectCustomLightFF(mode, brightness, speed, customSet));
}

}
