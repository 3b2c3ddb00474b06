#pragma once

#include "emulator/firmware/Firmware.h"

namespace Tessera::Emulator {

// Keyboards of device types up to 200: 65-byte output reports with the command in byte 1,
// a 360-byte key table and macro tables written in pieces.
class Type1xxFirmware final : public Firmware {
protected:
    std::vector<Bytes> on_output(Link link, Bytes const& payload) override;
    bool on_set_feature(Link link, Bytes const& report) override;

private:
    void key_table(Bytes const& payload);
    void macro_table(Bytes const& payload);
};

}
