#include "device/Type3xxSender.h"

namespace Tessera {

namespace {

// The keyboard needs time to store each macro frame.
constexpr int kMacroFramePauseMs = 20;

}

using Type3xx::Command;

Type3xxSender::Type3xxSender(HidTransport& transport, DeviceClock& clock)
    : m_transport(transport)
    , m_clock(clock)
{
}

bool Type3xxSender::SendSimple(Command command)
{
    auto const& info = Type3xx::Info(command);
    HidData data = Type3xx::Frame(command);
    bool const waitReply = info.transport == TransportOperation::SendCommandWithReply;
    bool const sent = info.transport == TransportOperation::WriteData ? m_transport.WriteData(data)
                                                                       : m_transport.SendCommand(data, waitReply);
    m_clock.SleepMs(info.pauseAfterMs);
    return sent;
}

bool Type3xxSender::SendKeyFunction(std::uint8_t layer, std::uint8_t keyCode, std::uint8_t value, KeyWritePacing pacing)
{
    auto const& info = Type3xx::Info(Command::SetKeyFunction);
    if (pacing == KeyWritePacing::Bulk)
        m_clock.SleepMs(info.pauseBeforeMs);
    HidData data = Type3xx::SetKeyFunction(layer, keyCode, value);
    bool const sent = m_transport.SendCommand(data, false);
    if (pacing == KeyWritePacing::Single)
        m_clock.SleepMs(info.pauseAfterMs);
    return sent;
}

bool Type3xxSender::SendMacroBlock(std::span<std::uint8_t const, Type3xx::kMacroBlockSize> block)
{
    bool all = true;
    for (int frame = 0; frame < Type3xx::kMacroFrames; ++frame) {
        HidData data = Type3xx::SetMacroData(frame, block);
        all = m_transport.SendCommand(data, false) && all;
        bool const last = frame == Type3xx::kMacroFrames - 1;
        m_clock.SleepMs(last ? Type3xx::Info(Command::SetMacroData).pauseAfterMs : kMacroFramePauseMs);
    }
    return all;
}

bool Type3xxSender::ResetKeyFunctions()
{
    return SendSimple(Command::ResetKeyFunctions);
}

bool Type3xxSender::ResetDevice()
{
    return SendSimple(Command::ResetDevice);
}

bool Type3xxSender::SendLightMode(Type3xx::LightMode const& light)
{
    HidData data = Type3xx::SetLightMode(light);
    return m_transport.SendCommand(data, false);
}

bool Type3xxSender::ApplyCustomLight()
{
    return SendSimple(Command::ApplyCustomLight);
}

bool Type3xxSender::BeginKeyColors()
{
    return SendSimple(Command::BeginKeyColors);
}

bool Type3xxSender::SendCommand0A()
{
    return SendSimple(Command::Command0A);
}

bool Type3xxSender::SendColorFrames(Command command, std::span<std::uint8_t const, Type3xx::kColorTableSize> table, std::atomic<bool>& armed)
{
    if (armed.exchange(false))
        BeginKeyColors(); // its reply only tells that the keyboard is ready
    int const pauseBefore = Type3xx::Info(command).pauseBeforeMs;
    for (int frame = 0; frame < Type3xx::kColorFrames; ++frame) {
        m_clock.SleepMs(pauseBefore);
        if (!m_transport.WriteReport(Type3xx::KeyColorFrame(command, frame, table)))
            return false;
    }
    return true;
}

bool Type3xxSender::SendKeyColors(std::span<std::uint8_t const, Type3xx::kColorTableSize> table, std::atomic<bool>& armed)
{
    return SendColorFrames(Command::SetKeyColors, table, armed);
}

bool Type3xxSender::StreamKeyColors(std::span<std::uint8_t const, Type3xx::kColorTableSize> table, std::atomic<bool>& armed)
{
    return SendColorFrames(Command::StreamKeyColors, table, armed);
}

std::optional<StatusReport> Type3xxSender::QueryStatus()
{
    HidData data = BuildStatusRequest();
    if (!m_transport.QueryStatus(data))
        return std::nullopt;
    return ParseStatusReport(data);
}

}
