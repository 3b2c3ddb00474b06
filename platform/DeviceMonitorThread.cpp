#include "platform/DeviceMonitorThread.h"

#include <fcntl.h>
#include <unistd.h>

namespace Tessera {

DeviceMonitorThread::DeviceMonitorThread()
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) == 0) {
        m_readFd = fds[0];
        m_writeFd = fds[1];
    }
}

DeviceMonitorThread::~DeviceMonitorThread()
{
    Stop();
    if (m_readFd >= 0)
        close(m_readFd);
    if (m_writeFd >= 0)
        close(m_writeFd);
}

bool DeviceMonitorThread::Start(std::function<void()> body)
{
    if (m_thread.joinable() || !IsValid())
        return false;
    m_thread = std::thread(std::move(body));
    return true;
}

void DeviceMonitorThread::Stop()
{
    if (!m_thread.joinable())
        return;
    char const byte = 1;
    [[maybe_unused]] auto written = write(m_writeFd, &byte, 1);
    m_thread.join();
    // Drain the wake byte so that a later Start is not woken at once.
    char drained;
    while (read(m_readFd, &drained, 1) > 0) {
    }
}

}
