#pragma once

#include "emulator/firmware/Firmware.h"

namespace Tessera::Emulator {

// Keyboards of device types 300-399: signed 64-byte output reports AA 55 CC 33 + command code.
class Type3xxFirmware final : public Firmware {
protected:
    std::vector<Bytes> on_output(Link link, Bytes const& payload) override;

private:
    void macro_frame(int frame, Bytes const& payload);
    void key_function(Bytes const& payload);
    void light_mode(Bytes const& payload);
    void color_frame(bool stored, int frame, Bytes const& payload);

    Bytes m_macro;          // block being assembled from frames 0-2
    int m_nextMacroFrame { 0 };
};

}
