#pragma once

#include <atomic>

namespace Tessera {

// What discovery and the status poll know about the keyboard's link,
// written by the worker and read by the window thread.
struct DeviceLinkState {
    // At least one command interface is open.
    std::atomic<bool> anyDevice { false };
    // A configured mode was found connected, or the keyboard answered as connected.
    std::atomic<bool> keyboardLinked { false };
    // 0 cable, 2 receiver, -1 none.
    std::atomic<int> connectionMode { -1 };
};

}
