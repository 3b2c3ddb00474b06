#include "emulator/daemon/Server.h"

#include "emulator/daemon/Session.h"
#include "emulator/wire/LineChannel.h"
#include "emulator/wire/SocketPath.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace Tessera::Emulator {

namespace {
constexpr std::size_t kRequestLimit = 64 * 1024;
// Each connection is a thread; a runaway client cannot make more than this.
constexpr std::size_t kMaxConnections = 256;

// Removes a socket file nobody listens on any more; false when a live daemon answers there
// or the path is something other than a socket.
bool clear_stale_socket(std::string const& path, std::string& error)
{
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0)
        return true;
    if (!S_ISSOCK(info.st_mode)) {
        error = path + " exists and is not a socket";
        return false;
    }
    std::string connect_error;
    if (LineChannel::connect(path, connect_error)) {
        error = "another emulator is already listening on " + path;
        return false;
    }
    ::unlink(path.c_str());
    return true;
}

int listen_on(std::string const& path, std::string& error)
{
    if (path.size() > max_socket_path()) {
        error = "socket path too long: " + path;
        return -1;
    }
    if (!clear_stale_socket(path, error))
        return -1;
    int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    mode_t previous = ::umask(0077); // only this user may talk to the emulator
    bool bound = fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::umask(previous);
    if (!bound || ::listen(fd, 16) != 0) {
        error = "cannot listen on " + path + ": " + std::strerror(errno);
        if (fd >= 0)
            ::close(fd);
        return -1;
    }
    return fd;
}
}

std::unique_ptr<Server> Server::start(std::string path, DeviceHub& hub, std::string& error, int extra_stop_fd,
    std::filesystem::path layout_folder)
{
    int fd = listen_on(path, error);
    if (fd < 0)
        return nullptr;
    auto server = std::make_unique<Server>(Key {}, std::move(path), hub, fd, extra_stop_fd, std::move(layout_folder));
    if (server->m_wakePipe[0] < 0) {
        error = "cannot create a pipe";
        return nullptr;
    }
    server->m_acceptThread = std::thread([raw = server.get()] { raw->accept_loop(); });
    server->m_acceptThreadStarted = true;
    return server;
}

Server::Server(Key, std::string path, DeviceHub& hub, int listen_fd, int extra_stop_fd, std::filesystem::path layout_folder)
    : m_path(std::move(path))
    , m_hub(hub)
    , m_listenFd(listen_fd)
    , m_extraStopFd(extra_stop_fd)
    , m_control { hub, std::move(layout_folder), [this] { request_stop(); } }
{
    if (::pipe2(m_wakePipe, O_CLOEXEC | O_NONBLOCK) != 0)
        m_wakePipe[0] = m_wakePipe[1] = -1;
}

Server::~Server()
{
    request_stop();
    wait();
    if (!m_acceptThreadStarted) {
        // start() gave up before serving: the accept loop did not get to clean up.
        ::close(m_listenFd);
        ::unlink(m_path.c_str());
    }
    for (int fd : m_wakePipe) {
        if (fd >= 0)
            ::close(fd);
    }
}

void Server::request_stop()
{
    if (m_wakePipe[1] >= 0) {
        char wake = 1;
        [[maybe_unused]] auto written = ::write(m_wakePipe[1], &wake, 1);
    }
}

void Server::wait()
{
    if (m_acceptThread.joinable() && !m_waited.exchange(true))
        m_acceptThread.join();
}

void Server::accept_loop()
{
    while (true) {
        pollfd waiters[3] = { { m_listenFd, POLLIN, 0 }, { m_wakePipe[0], POLLIN, 0 }, { m_extraStopFd, POLLIN, 0 } };
        int ready = ::poll(waiters, m_extraStopFd >= 0 ? 3 : 2, 1000);
        if (ready < 0 && errno != EINTR)
            break;
        if (waiters[1].revents || (m_extraStopFd >= 0 && waiters[2].revents))
            break;
        if (waiters[0].revents & POLLIN)
            accept_one();
        reap(false);
    }
    // Stop: no new connections, wake every blocked request, end every connection.
    ::close(m_listenFd);
    ::unlink(m_path.c_str());
    m_hub.stop();
    {
        std::lock_guard lock(m_mutex);
        for (auto& connection : m_connections)
            connection.channel->shutdown_reading();
    }
    reap(true);
}

void Server::accept_one()
{
    int fd = ::accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0)
        return;
    std::lock_guard lock(m_mutex);
    if (m_connections.size() >= kMaxConnections) {
        ::close(fd);
        return;
    }
    auto& connection = m_connections.emplace_back();
    connection.channel = std::make_unique<LineChannel>(fd, kRequestLimit);
    connection.thread = std::thread([this, &connection] {
        Session session(m_hub, *connection.channel, m_control);
        session.run();
        connection.done = true;
    });
}

void Server::reap(bool all)
{
    std::list<Connection> finished;
    {
        std::lock_guard lock(m_mutex);
        for (auto it = m_connections.begin(); it != m_connections.end();) {
            auto next = std::next(it);
            if (all || it->done)
                finished.splice(finished.end(), m_connections, it);
            it = next;
        }
    }
    for (auto& connection : finished)
        connection.thread.join();
}

}
