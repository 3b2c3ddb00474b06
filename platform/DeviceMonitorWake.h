#pragma once

namespace Tessera {

// A pipe that lets Stop() wake a monitor thread blocked in poll().
class DeviceMonitorWake {
public:
    DeviceMonitorWake();
    ~DeviceMonitorWake();
    DeviceMonitorWake(DeviceMonitorWake const&) = delete;
    DeviceMonitorWake& operator=(DeviceMonitorWake const&) = delete;

    bool IsValid() const { return m_readFd >= 0; }
    int ReadFd() const { return m_readFd; }
    void Signal();

private:
    int m_readFd { -1 };
    int m_writeFd { -1 };
};

}
