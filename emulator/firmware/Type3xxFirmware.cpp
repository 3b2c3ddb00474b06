#include "emulator/firmware/Type3xxFirmware.h"

#include <algorithm>

namespace Tessera::Emulator {

namespace {
constexpr std::size_t kFrameBytes = 54;
constexpr int kFramesPerTable = 6;

enum Command : std::uint8_t {
    kMacroFrame0 = 0x00,
    kMacroFrame2 = 0x02,
    kSetKeyFunction = 0x04,
    kSetLightMode = 0x07,
    kResetDevice = 0x08,
    kBeginKeyColors = 0x09,
    kCommand0A = 0x0A,
    kApplyCustomLight = 0x0B,
    kResetKeyFunctions = 0x0F,
    kStreamFrame0 = 0xF0,
    kStoredFrame0 = 0xF6,
};

bool valid_layer(int layer)
{
    return layer == 1 || layer == 2;
}
}

std::vector<Bytes> Type3xxFirmware::on_output(Link link, Bytes const& payload)
{
    if (!has_signature(payload)) {
        ignore();
        return {};
    }
    std::uint8_t code = payload[kCommandOffset];
    switch (code) {
    case kSetKeyFunction: key_function(payload); break;
    case kSetLightMode: light_mode(payload); break;
    case kResetDevice:
        m_state.restore_defaults();
        ++m_state.deviceResets;
        break;
    case kBeginKeyColors: {
        m_state.colorsArmed = true;
        // The acknowledgement has the status shape, so a late one read as status does no harm.
        Bytes reply = status_report(link);
        reply[kCommandOffset] = kBeginKeyColors;
        return { reply };
    }
    case kCommand0A: ++m_state.command0A; break;
    case kApplyCustomLight: m_state.light.customApplied = true; break;
    case kResetKeyFunctions:
        m_state.keyValues.clear();
        m_state.macroBlocks.clear();
        ++m_state.keyFunctionResets;
        break;
    default:
        if (code <= kMacroFrame2)
            macro_frame(code - kMacroFrame0, payload);
        else if (code >= kStreamFrame0 && code < kStreamFrame0 + kFramesPerTable)
            color_frame(false, code - kStreamFrame0, payload);
        else if (code >= kStoredFrame0 && code < kStoredFrame0 + kFramesPerTable)
            color_frame(true, code - kStoredFrame0, payload);
        else
            ignore();
    }
    return {};
}

void Type3xxFirmware::macro_frame(int frame, Bytes const& payload)
{
    if (frame == 0) {
        m_macro.assign(KeyboardState::kMacroBlockBytes, 0);
        m_nextMacroFrame = 0;
    }
    if (frame != m_nextMacroFrame || m_macro.empty()) {
        // A frame out of order: the block being built is lost.
        m_macro.clear();
        m_nextMacroFrame = 0;
        ignore();
        return;
    }
    auto source = payload.begin() + kParameterOffset;
    std::copy(source, source + kFrameBytes, m_macro.begin() + frame * kFrameBytes);
    m_nextMacroFrame = frame + 1;
    if (frame < 2)
        return;
    int layer = m_macro[0];
    int key = m_macro[1];
    if (valid_layer(layer)) {
        m_state.keyValues.erase({ layer, key });
        m_state.macroBlocks[{ layer, key }] = m_macro;
    } else {
        ignore();
    }
    m_macro.clear();
    m_nextMacroFrame = 0;
}

void Type3xxFirmware::key_function(Bytes const& payload)
{
    int layer = payload[kParameterOffset];
    int key = payload[kParameterOffset + 1];
    std::uint8_t value = payload[kParameterOffset + 2];
    if (!valid_layer(layer)) {
        ignore();
        return;
    }
    m_state.macroBlocks.erase({ layer, key });
    if (value == 0)
        m_state.keyValues.erase({ layer, key });
    else
        m_state.keyValues[{ layer, key }] = value;
}

void Type3xxFirmware::light_mode(Bytes const& payload)
{
    auto& light = m_state.light;
    light.mode = payload[kParameterOffset];
    light.brightness = payload[kParameterOffset + 1];
    light.speed = payload[kParameterOffset + 2];
    light.direction = payload[kParameterOffset + 3];
    light.colorIndex = payload[kParameterOffset + 4];
    light.customApplied = false;
}

void Type3xxFirmware::color_frame(bool stored, int frame, Bytes const& payload)
{
    auto& table = stored ? m_state.storedColors : m_state.streamedColors;
    auto source = payload.begin() + kParameterOffset;
    std::copy(source, source + kFrameBytes, table.begin() + frame * kFrameBytes);
    ++(stored ? m_state.storedFrames : m_state.streamedFrames);
}

}
