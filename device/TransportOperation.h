#pragma once

namespace Tessera {

// Which HidTransport operation a command travels with.
enum class TransportOperation {
    SendCommand,          // SendCommand without waiting for a reply
    SendCommandWithReply, // SendCommand, then the 500 ms reply read
    QueryStatus,
    WriteData,
    WriteReport,
    SendFeatureReport,
    ExchangeFeature8,
};

}
