#include "app/worker/LightWriter.h"

#include "device/ProtocolFamily.h"
#include "device/Type1xxSender.h"
#include "device/Type2xxSender.h"
#include "device/Type3xxSender.h"

#include <vector>

namespace Tessera {

namespace {

constexpr int kCustomSetDeviceTypeLimit = 200;

int CustomSetOf(LightData const& light, LightSelection const& selection)
{
    return (light.config_func & kConfigFuncCustomSet) ? selection.customSet : 0;
}

Type2xx::LightMode Type2xxLight(LightData const& light, LightSelection const& selection)
{
    Type2xx::LightMode mode;
    mode.mode = selection.lightMode;
    mode.colorIndex = light.colorindex;
    mode.direction = light.direction;
    mode.speed = light.speed;
    mode.brightness = light.brightness;
    mode.colorValue = static_cast<std::uint32_t>(light.color_value);
    mode.customSet = CustomSetOf(light, selection);
    return mode;
}

}

LightWriter::LightWriter(DeviceDatabase& database, HidTransport& transport, DeviceClock& clock, LightFlags& flags)
    : m_database(database)
    , m_transport(transport)
    , m_clock(clock)
    , m_flags(flags)
{
}

bool LightWriter::WriteLightMode(int deviceType, int connectionMode, LightSelection const& selection,
    std::map<int, int> const& lightIndex)
{
    LightData light;
    if (!m_database.GetLightData(kLightProfile, selection.lightMode, light))
        return false;
    switch (ProtocolFamilyFor(deviceType)) {
    case ProtocolFamily::Type3xx:
        return WriteType3xx(light, selection.lightMode, lightIndex);
    case ProtocolFamily::Type2xx: {
        Type2xxSender sender(m_transport, m_clock);
        return sender.SetLightMode(Type2xxLight(light, selection), connectionMode != 0);
    }
    case ProtocolFamily::Type1xx: {
        Type1xxSender sender(m_transport, m_clock);
        bool const sent = m_flags.type1xxParams
            ? sender.SetLightParams(light.colorful != 0, light.direction, light.speed,
                  static_cast<std::uint32_t>(light.color_value), static_cast<std::uint8_t>(light.brightness))
            : sender.SetLightMode(static_cast<std::uint8_t>(light.mode));
        m_flags.type1xxParams = true;
        return sent;
    }
    case ProtocolFamily::None:
        break;
    }
    return false;
}

bool LightWriter::WriteType3xx(LightData const& light, int mode, std::map<int, int> const& lightIndex)
{
    Type3xxSender sender(m_transport, m_clock);
    Type3xx::LightMode command;
    command.mode = mode;
    command.brightness = light.brightness;
    command.speed = light.speed;
    command.direction = light.direction;
    command.colorIndex = light.colorindex;
    bool const sent = sender.SendLightMode(command);
    if (mode != kCustomPerKeyMode)
        return sent;
    sender.ApplyCustomLight(); // followed by its 10 ms pause
    return WriteStoredColors(lightIndex) && sent;
}

bool LightWriter::WriteStoredColors(std::map<int, int> const& lightIndex)
{
    std::vector<KeyLightData> rows;
    m_database.LoadKeyLightData(kKeyLightSetId, rows);
    FillStoredColors(m_stored, rows, lightIndex);
    Type3xxSender sender(m_transport, m_clock);
    return sender.SendKeyColors(m_stored.Bytes(), m_flags.colorsArmed);
}

bool LightWriter::StreamLiveFrame(KeyColorSource& source, std::map<int, int> const& lightIndex)
{
    auto const& table = m_live.Build(source, lightIndex);
    Type3xxSender sender(m_transport, m_clock);
    return sender.StreamKeyColors(table.Bytes(), m_flags.colorsArmed);
}

bool LightWriter::SendCommand0A()
{
    Type3xxSender sender(m_transport, m_clock);
    return sender.SendCommand0A();
}

bool LightWriter::SelectCustomLightFF(int deviceType, LightSelection const& selection)
{
    if (deviceType >= kCustomSetDeviceTypeLimit)
        return false;
    LightData light;
    if (!m_database.GetLightData(kLightProfile, selection.lightMode, light))
        return false;
    Type1xxSender sender(m_transport, m_clock);
    return sender.SelectCustomLight(selection.lightMode, static_cast<std::uint8_t>(light.brightness),
        static_cast<std::uint8_t>(light.speed), static_cast<std::uint8_t>(CustomSetOf(light, selection)));
}

}
