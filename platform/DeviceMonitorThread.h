#pragma once

#include <functional>
#include <thread>

namespace Tessera {

// The thread of a device monitor and the pipe that lets Stop() wake it while
// it is blocked in poll(). The thread's body polls WakeFd() next to its own
// descriptors and returns once it becomes readable. Start and Stop are
// called from the thread that owns the monitor.
class DeviceMonitorThread {
public:
    DeviceMonitorThread();
    // Stops the thread; the owner must stop it earlier when the body uses
    // members that are destroyed before this object.
    ~DeviceMonitorThread();
    DeviceMonitorThread(DeviceMonitorThread const&) = delete;
    DeviceMonitorThread& operator=(DeviceMonitorThread const&) = delete;

    // False when the pipe could not be made.
    bool IsValid() const { return m_readFd >= 0; }
    bool IsRunning() const { return m_thread.joinable(); }
    int WakeFd() const { return m_readFd; }

    // Runs `body` on a new thread; false when one is running or the pipe is missing.
    bool Start(std::function<void()> body);
    // Wakes the body and waits for it to return; nothing when none runs.
    void Stop();

private:
    int m_readFd { -1 };
    int m_writeFd { -1 };
    std::thread m_thread;
};

}
