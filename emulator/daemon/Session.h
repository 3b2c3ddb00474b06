#pragma once

#include "emulator/daemon/Control.h"
#include "emulator/daemon/DeviceHub.h"
#include "emulator/wire/LineChannel.h"

#include <atomic>
#include <functional>

namespace Tessera::Emulator {

// Serves one client connection: requests are single lines, answers end with a line starting
// "ok" or "err" (preceded by "= …" data lines where there is data). A connection opens at most
// one device at a time, so each hidapi handle has its own connection. After "watch" the
// connection only carries "add …"/"remove …" lines until either side closes it.
class Session {
public:
    Session(DeviceHub& hub, LineChannel& channel, ControlContext const& control);
    // Runs until the client leaves, the channel breaks or the hub stops.
    void run();

private:
    bool handle(std::string const& line);
    void watch();
    void reply_read(int timeout_ms);
    bool answer(TransferResult const& result, bool with_bytes);

    DeviceHub& m_hub;
    LineChannel& m_channel;
    ControlContext const& m_control;
    int m_handle { -1 };
};

}
