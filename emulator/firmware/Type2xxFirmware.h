#pragma once

#include "emulator/firmware/Firmware.h"

namespace Tessera::Emulator {

// Keyboards of device types 201-299: feature reports with report ID 7, the 28-byte slot table
// read through 8-byte feature reports, and receiver commands as output reports BB AA 99 88.
class Type2xxFirmware final : public Firmware {
protected:
    std::vector<Bytes> on_output(Link link, Bytes const& payload) override;
    bool on_set_feature(Link link, Bytes const& report) override;
    std::optional<Bytes> on_get_feature(Link link, std::uint8_t report_id, std::size_t length) override;

private:
    void key_slot(Bytes const& report);
    void macro_piece(bool first, Bytes const& report);
    void light_mode(std::uint8_t const* bytes);

    int m_tableCursor { 0 }; // which 7-byte part of the slot table the next read returns
    Bytes m_macro;           // macro slot buffer being assembled
};

}
