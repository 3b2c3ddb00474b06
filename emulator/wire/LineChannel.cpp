#include "emulator/wire/LineChannel.h"

#include "emulator/wire/SocketPath.h"

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace Tessera::Emulator {

LineChannel::LineChannel(int fd, std::size_t limit)
    : m_fd(fd)
    , m_limit(limit)
{
}

LineChannel::~LineChannel()
{
    close();
}

LineChannel::LineChannel(LineChannel&& other) noexcept
    : m_fd(other.m_fd)
    , m_limit(other.m_limit)
    , m_buffer(std::move(other.m_buffer))
{
    other.m_fd = -1;
}

LineChannel& LineChannel::operator=(LineChannel&& other) noexcept
{
    if (this != &other) {
        close();
        m_fd = other.m_fd;
        m_limit = other.m_limit;
        m_buffer = std::move(other.m_buffer);
        other.m_fd = -1;
    }
    return *this;
}

std::optional<LineChannel> LineChannel::connect(std::string const& path, std::string& error)
{
    if (path.size() > max_socket_path()) {
        error = "socket path too long: " + path;
        return std::nullopt;
    }
    int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        error = std::strerror(errno);
        return std::nullopt;
    }
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        error = "cannot reach the emulator at " + path + ": " + std::strerror(errno);
        ::close(fd);
        return std::nullopt;
    }
    return LineChannel(fd);
}

bool LineChannel::send_line(std::string const& line)
{
    if (m_fd < 0)
        return false;
    std::string data = line + "\n";
    std::size_t sent = 0;
    while (sent < data.size()) {
        ssize_t n = ::send(m_fd, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

std::optional<std::string> LineChannel::take_line()
{
    auto end = m_buffer.find('\n');
    if (end == std::string::npos)
        return std::nullopt;
    std::string line = m_buffer.substr(0, end);
    m_buffer.erase(0, end + 1);
    return line;
}

std::optional<std::string> LineChannel::read_line()
{
    bool timed_out = false;
    return read_line(std::chrono::milliseconds(-1), timed_out);
}

std::optional<std::string> LineChannel::read_line(std::chrono::milliseconds timeout, bool& timed_out)
{
    timed_out = false;
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (m_fd >= 0) {
        if (auto line = take_line())
            return line;
        if (m_buffer.size() > m_limit)
            break;
        if (timeout.count() >= 0) {
            auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            pollfd waiter { m_fd, POLLIN, 0 };
            int ready = ::poll(&waiter, 1, static_cast<int>(std::max<long long>(0, left.count())));
            if (ready < 0 && errno == EINTR)
                continue;
            if (ready == 0) {
                timed_out = true;
                return std::nullopt;
            }
        }
        char chunk[4096];
        ssize_t n = ::recv(m_fd, chunk, sizeof chunk, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        m_buffer.append(chunk, static_cast<std::size_t>(n));
    }
    m_buffer.clear();
    return std::nullopt;
}

bool LineChannel::peer_closed()
{
    if (m_fd < 0)
        return true;
    pollfd waiter { m_fd, POLLIN | POLLRDHUP, 0 };
    if (::poll(&waiter, 1, 0) <= 0)
        return false;
    if (waiter.revents & (POLLHUP | POLLERR | POLLRDHUP))
        return true;
    return false;
}

void LineChannel::shutdown_reading()
{
    if (m_fd >= 0)
        ::shutdown(m_fd, SHUT_RD);
}

void LineChannel::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

}
