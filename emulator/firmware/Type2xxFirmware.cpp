#include "emulator/firmware/Type2xxFirmware.h"

#include <algorithm>

namespace Tessera::Emulator {

namespace {
constexpr std::uint8_t kReportId = 0x07;
constexpr std::size_t kFeature8 = 8;
constexpr std::size_t kTablePart = 7;
constexpr int kTableParts = 4;
constexpr std::size_t kMacroPiece = 6;
constexpr int kMacroSlots = 13;
constexpr int kRemapSlots = 10;
constexpr std::size_t kRemapOffset = 13; // slot table position of remap slot 1 is 14

enum Command : std::uint8_t {
    kMacroNext = 0x00,
    kResetDevice = 0xF0,
    kMacroFirst = 0xF1,
    kLightMode = 0xF7,
    kKeySlot = 0xFA,
    kReadSlots = 0xFB,
};

bool receiver_header(Bytes const& payload)
{
    return payload[0] == 0xBB && payload[1] == 0xAA && payload[2] == 0x99 && payload[3] == 0x88;
}
}

std::vector<Bytes> Type2xxFirmware::on_output(Link, Bytes const& payload)
{
    if (!receiver_header(payload)) {
        ignore();
        return {};
    }
    bool all_aa = std::all_of(payload.begin() + 4, payload.begin() + 10, [](auto b) { return b == 0xAA; });
    bool all_zero = std::all_of(payload.begin() + 4, payload.end(), [](auto b) { return b == 0; });
    if (all_aa) {
        m_state.restore_defaults();
        ++m_state.deviceResets;
    } else if (all_zero) {
        // The closing report of a reset: nothing more to do.
    } else if (payload[4] == 0xAA) {
        light_mode(payload.data() + 5);
    } else {
        ignore();
    }
    return {};
}

bool Type2xxFirmware::on_set_feature(Link, Bytes const& report)
{
    // The slot-clearing request is sent with AA in the report ID position.
    if (report[0] == 0xAA && report[1] == 0x55 && report[2] == 0xCC && report[3] == 0x0F) {
        m_state.slotTable.fill(0);
        m_state.remapValues.fill(0);
        m_state.macroSlots.clear();
        m_tableCursor = 0;
        return true;
    }
    if (report[0] != kReportId)
        return ignore();
    switch (report[1]) {
    case kReadSlots: m_tableCursor = 0; break;
    case kKeySlot: key_slot(report); break;
    case kMacroFirst: macro_piece(true, report); break;
    case kMacroNext: macro_piece(false, report); break;
    case kLightMode: light_mode(report.data() + 2); break;
    case kResetDevice:
        if (report[2] != 0xAA)
            return ignore();
        m_state.restore_defaults();
        ++m_state.deviceResets;
        break;
    default: return ignore();
    }
    return true;
}

std::optional<Bytes> Type2xxFirmware::on_get_feature(Link, std::uint8_t report_id, std::size_t length)
{
    if (report_id != kReportId)
        return std::nullopt;
    Bytes reply(std::min(length, kFeature8), 0);
    reply[0] = kReportId;
    auto part = m_state.slotTable.begin() + (m_tableCursor % kTableParts) * kTablePart;
    std::copy(part, part + std::min(kTablePart, reply.size() - 1), reply.begin() + 1);
    m_tableCursor = (m_tableCursor + 1) % kTableParts;
    return reply;
}

void Type2xxFirmware::key_slot(Bytes const& report)
{
    // 07 FA 01 slot key 01 value 01
    int slot = report[3];
    if (report[2] != 0x01 || slot < 1 || slot > kRemapSlots) {
        ignore();
        return;
    }
    m_state.slotTable[kRemapOffset + slot] = report[4];
    m_state.remapValues[slot] = report[4] == 0 ? 0 : report[6];
}

void Type2xxFirmware::macro_piece(bool first, Bytes const& report)
{
    if (first)
        m_macro.clear();
    else if (m_macro.empty()) {
        ignore(); // a continuation without a start
        return;
    }
    m_macro.insert(m_macro.end(), report.begin() + 2, report.begin() + 2 + kMacroPiece);
    if (m_macro.size() < KeyboardState::kMacroSlotBytes)
        return;
    int slot = m_macro[1];
    if (m_macro[0] == 1 && slot >= 1 && slot <= kMacroSlots) {
        m_state.slotTable[slot] = m_macro[2];
        if (m_macro[2] == 0)
            m_state.macroSlots.erase(slot);
        else
            m_state.macroSlots[slot] = m_macro;
    } else {
        ignore();
    }
    m_macro.clear();
}

void Type2xxFirmware::light_mode(std::uint8_t const* bytes)
{
    // mode−1, colour index, direction, speed, brightness, custom set (or colour byte 2)
    auto& light = m_state.light;
    light.mode = bytes[0];
    light.colorIndex = bytes[1];
    light.direction = bytes[2];
    light.speed = bytes[3];
    light.brightness = bytes[4];
    light.extra = bytes[5];
}

}
