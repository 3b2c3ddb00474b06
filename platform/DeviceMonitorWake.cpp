#include "platform/DeviceMonitorWake.h"

#include <fcntl.h>
#include <unistd.h>

namespace Tessera {

DeviceMonitorWake::DeviceMonitorWake()
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) == 0) {
        m_readFd = fds[0];
        m_writeFd = fds[1];
    }
}

DeviceMonitorWake::~DeviceMonitorWake()
{
    if (m_readFd >= 0)
        close(m_readFd);
    if (m_writeFd >= 0)
        close(m_writeFd);
}

void DeviceMonitorWake::Signal()
{
    if (m_writeFd < 0)
        return;
    char const byte = 1;
    [[maybe_unused]] auto written = write(m_writeFd, &byte, 1);
}

}
