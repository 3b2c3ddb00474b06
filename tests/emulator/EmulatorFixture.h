#pragma once

#include "emulator/wire/Bytes.h"

#include <initializer_list>

namespace EmulatorTest {

using Tessera::Emulator::Bytes;

// An output report as the host writes it: report ID 0, then `payload`, zero-filled to 64 bytes.
Bytes output_report(std::initializer_list<int> payload);
// A 64-byte input report (no report ID): `payload` zero-filled.
Bytes input_report(std::initializer_list<int> payload);
// A feature report of exactly the bytes given, zero-filled to `length`.
Bytes feature_report(std::initializer_list<int> bytes, std::size_t length = 65);
Bytes bytes_of(std::initializer_list<int> bytes);

}
