#pragma once

#include "device/HidReport.h"

namespace Tessera {

// The send and receive operations every keyboard command goes through. Each
// has a fixed report shape, pause and retry rule (see HidDeviceManager). Each
// returns false at once when no keyboard interface is eligible, leaving the
// buffers untouched. Implementations serialise whole operations, so any
// thread may call them.
class HidTransport {
public:
    virtual ~HidTransport() = default;

    // Pause 16 ms, then one feature report of all 65 bytes (byte 0 = report ID).
    virtual bool SendFeatureReport(HidReport const& report) = 0;
    // Output report of all 65 bytes; a failed write is repeated once after 10 ms.
    virtual bool WriteReport(HidReport const& report) = 0;
    // Report ID 0 and the data; a failed write is repeated once after 32 ms.
    virtual bool WriteData(HidData const& data) = 0;
    // Report ID 0 and the data; a failed write is repeated once after 10 ms.
    // With waitReply: pause 100 ms and read the reply (500 ms) into `data`;
    // the result is then whether a reply arrived.
    virtual bool SendCommand(HidData& data, bool waitReply) = 0;
    // Report ID 0 and the data, one retry after 10 ms whose result does not
    // matter, then always a 10 ms read into `data`; true when a reply arrived.
    virtual bool QueryStatus(HidData& data) = 0;
    // Feature report of buffer bytes 0-7, then four 8-byte feature reads
    // (16 ms before each) whose bytes 1-7 fill the buffer at 7 × pass.
    virtual bool ExchangeFeature8(Feature8Buffer& buffer) = 0;
    // Listens 10 ms for a report the keyboard sent on its own.
    virtual bool PollInput(HidReport& report) = 0;
};

}
