#include "platform/DeviceMonitor.h"
#include "platform/DeviceMonitorName.h"
#include "platform/DeviceMonitorThread.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace Tessera {

namespace {

constexpr int kReconnectDelayMs = 1000;
// A line longer than this is not an event line; it is dropped.
constexpr std::size_t kMaxLineLength = 4096;

// Follows the keyboard emulator's daemon: after "watch\n" it sends one line
// per emulated interface that appears or goes away.
class EmulatorDeviceMonitor final : public DeviceMonitor {
public:
    explicit EmulatorDeviceMonitor(std::string socketPath)
        : m_socketPath(std::move(socketPath))
    {
    }

    ~EmulatorDeviceMonitor() override { Stop(); }

    bool Start(DeviceChangeCallback callback) override
    {
        if (m_thread.IsRunning() || !m_thread.IsValid() || m_socketPath.size() >= sizeof(sockaddr_un::sun_path))
            return false;
        m_callback = std::move(callback);
        int const fd = Connect();
        if (fd < 0)
            return false;
        return m_thread.Start([this, fd] { Run(fd); });
    }

    void Stop() override { m_thread.Stop(); }

private:
    int Connect() const
    {
        int const fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return -1;
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, m_socketPath.data(), m_socketPath.size());
        static constexpr char kWatch[] = "watch\n";
        if (connect(fd, reinterpret_cast<sockaddr const*>(&address), sizeof address) != 0
            || send(fd, kWatch, sizeof kWatch - 1, MSG_NOSIGNAL) != static_cast<ssize_t>(sizeof kWatch - 1)) {
            close(fd);
            return -1;
        }
        return fd;
    }

    void Run(int fd)
    {
        while (true) {
            if (fd >= 0) {
                bool const stopped = Follow(fd);
                close(fd);
                fd = -1;
                if (stopped)
                    return;
            }
            pollfd wake { m_thread.WakeFd(), POLLIN, 0 };
            if (poll(&wake, 1, kReconnectDelayMs) > 0)
                return;
            fd = Connect();
        }
    }

    // Reads event lines until the daemon hangs up (false) or Stop() (true).
    bool Follow(int fd)
    {
        std::string pending;
        pollfd fds[2] = { { fd, POLLIN, 0 }, { m_thread.WakeFd(), POLLIN, 0 } };
        while (true) {
            if (poll(fds, 2, -1) < 0)
                continue;
            if (fds[1].revents != 0)
                return true;
            char chunk[512];
            ssize_t const received = recv(fd, chunk, sizeof chunk, 0);
            if (received <= 0)
                return false;
            pending.append(chunk, static_cast<std::size_t>(received));
            DeliverLines(pending);
        }
    }

    void DeliverLines(std::string& pending)
    {
        std::size_t end;
        while ((end = pending.find('\n')) != std::string::npos) {
            if (auto event = ParseEmulatorEventLine(std::string_view(pending).substr(0, end)))
                m_callback(*event);
            pending.erase(0, end + 1);
        }
        if (pending.size() > kMaxLineLength)
            pending.clear();
    }

    std::string m_socketPath;
    DeviceChangeCallback m_callback;
    DeviceMonitorThread m_thread;
};

}

std::unique_ptr<DeviceMonitor> CreateEmulatorDeviceMonitor(std::string socketPath)
{
    return std::make_unique<EmulatorDeviceMonitor>(std::move(socketPath));
}

}
