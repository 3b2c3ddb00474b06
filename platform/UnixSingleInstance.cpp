#include "platform/UnixSingleInstance.h"

#include "platform/base/PathText.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace Tessera {

namespace {

constexpr int kIoTimeoutMs = 1000;
constexpr size_t kMaxRequestBytes = 128;
constexpr auto kRetryPause = std::chrono::milliseconds(50);

bool FillAddress(std::string const& path, sockaddr_un& address)
{
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

bool WaitFor(int fd, short events, int timeoutMs)
{
    pollfd entry { fd, events, 0 };
    int ready;
    do {
        ready = ::poll(&entry, 1, timeoutMs);
    } while (ready < 0 && errno == EINTR);
    return ready > 0 && (entry.revents & events);
}

// Reads one line (without the '\n'); std::nullopt on time-out, error or
// an overlong line.
std::optional<std::string> ReadLine(int fd)
{
    std::string line;
    while (line.size() <= kMaxRequestBytes) {
        if (!WaitFor(fd, POLLIN, kIoTimeoutMs))
            return std::nullopt;
        char c;
        ssize_t got = ::read(fd, &c, 1);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return std::nullopt;
        if (c == '\n')
            return line;
        line.push_back(c);
    }
    return std::nullopt;
}

bool WriteText(int fd, std::string const& text)
{
    size_t done = 0;
    while (done < text.size()) {
        ssize_t wrote = ::send(fd, text.data() + done, text.size() - done, MSG_NOSIGNAL);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return false;
        done += static_cast<size_t>(wrote);
    }
    return true;
}

std::optional<InstanceMessage> ParseRequest(std::string const& line)
{
    unsigned message = 0;
    unsigned long long wParam = 0;
    long long lParam = 0;
    int consumed = 0;
    if (std::sscanf(line.c_str(), "MSG %u %llu %lld%n", &message, &wParam, &lParam, &consumed) != 3
        || static_cast<size_t>(consumed) != line.size())
        return std::nullopt;
    return InstanceMessage { message, wParam, lParam };
}

std::string FormatRequest(InstanceMessage const& message)
{
    return "MSG " + std::to_string(message.message) + " " + std::to_string(message.wParam) + " "
        + std::to_string(message.lParam) + "\n";
}

bool SameUser(int connection)
{
    ucred peer {};
    socklen_t length = sizeof peer;
    return ::getsockopt(connection, SOL_SOCKET, SO_PEERCRED, &peer, &length) == 0 && peer.uid == ::getuid();
}

}

UnixSingleInstance::UnixSingleInstance(std::wstring const& deviceName)
    : m_folder(InstanceFolder(deviceName))
    , m_lockPath(m_folder + "instance.lock")
    , m_socketPath(m_folder + "instance.sock")
{
}

UnixSingleInstance::~UnixSingleInstance()
{
    if (m_listener.joinable()) {
        uint64_t one = 1;
        [[maybe_unused]] auto ignored = ::write(m_wakeFd, &one, sizeof one);
        m_listener.join();
    }
    if (m_listenFd >= 0) {
        ::close(m_listenFd);
        ::unlink(m_socketPath.c_str()); // still ours: we hold the lock
    }
    if (m_wakeFd >= 0)
        ::close(m_wakeFd);
    if (m_lockFd >= 0)
        ::close(m_lockFd); // releases the lock
}

std::string UnixSingleInstance::InstanceFolder(std::wstring const& deviceName)
{
    std::string name = ToNativePath(deviceName);
    char const* runtime = std::getenv("XDG_RUNTIME_DIR");
    struct stat info {};
    if (runtime && runtime[0] == '/' && ::stat(runtime, &info) == 0 && S_ISDIR(info.st_mode))
        return std::string(runtime) + (std::string(runtime).back() == '/' ? "" : "/") + name + "/";
    return "/tmp/" + name + "-" + std::to_string(::getuid()) + "/";
}

// The folder must be a real folder of this user that nobody else can enter,
// or another user could plant a socket there (a shared /tmp).
bool UnixSingleInstance::PrepareFolder()
{
    std::string folder = m_folder.substr(0, m_folder.size() - 1);
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid())
        return false;
    if ((info.st_mode & 077) != 0 && ::chmod(folder.c_str(), 0700) != 0)
        return false;
    return true;
}

bool UnixSingleInstance::TryLock()
{
    if (m_lockFd < 0) {
        m_lockFd = ::open(m_lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (m_lockFd < 0)
            return false;
    }
    if (::flock(m_lockFd, LOCK_EX | LOCK_NB) != 0)
        return false;
    std::string pid = std::to_string(::getpid()) + "\n";
    if (::ftruncate(m_lockFd, 0) == 0)
        [[maybe_unused]] auto ignored = ::pwrite(m_lockFd, pid.data(), pid.size(), 0);
    return true;
}

bool UnixSingleInstance::Listen()
{
    sockaddr_un address;
    if (!FillAddress(m_socketPath, address))
        return false;
    ::unlink(m_socketPath.c_str()); // left by an instance that crashed
    m_listenFd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (m_listenFd < 0)
        return false;
    if (::bind(m_listenFd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(m_listenFd, 8) != 0) {
        ::close(m_listenFd);
        m_listenFd = -1;
        return false;
    }
    m_wakeFd = ::eventfd(0, EFD_CLOEXEC);
    if (m_wakeFd < 0)
        return false;
    m_listener = std::thread([this] { Serve(); });
    return true;
}

SingleInstance::Role UnixSingleInstance::Claim()
{
    if (!PrepareFolder())
        return Role::Unguarded;
    auto deadline = std::chrono::steady_clock::now() + kAnswerWait;
    for (;;) {
        if (TryLock())
            return Listen() ? Role::Primary : Role::Unguarded;
        if (m_lockFd < 0)
            return Role::Unguarded;
        if (Send({ kRaiseWindowMessage, 0, 0 }) == SendResult::Delivered)
            return Role::Secondary;
        if (std::chrono::steady_clock::now() >= deadline)
            return Role::Secondary;
        std::this_thread::sleep_for(kRetryPause);
    }
}

SingleInstance::SendResult UnixSingleInstance::Send(InstanceMessage const& message)
{
    sockaddr_un address;
    if (!FillAddress(m_socketPath, address))
        return SendResult::Failed;
    int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return SendResult::Failed;
    SendResult result = SendResult::Failed;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        if (errno == ENOENT || errno == ECONNREFUSED || errno == ENOTDIR)
            result = SendResult::NoInstance;
    } else if (WriteText(fd, FormatRequest(message))) {
        auto answer = ReadLine(fd);
        if (answer && *answer == "OK")
            result = SendResult::Delivered;
    }
    ::close(fd);
    return result;
}

void UnixSingleInstance::Serve()
{
    for (;;) {
        pollfd entries[2] { { m_listenFd, POLLIN, 0 }, { m_wakeFd, POLLIN, 0 } };
        if (::poll(entries, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (entries[1].revents)
            return;
        if (!(entries[0].revents & POLLIN))
            continue;
        int connection = ::accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0)
            continue;
        ServeOne(connection);
        ::close(connection);
    }
}

// One request per connection; a client that stalls is dropped after
// kIoTimeoutMs so it cannot block later ones for long.
void UnixSingleInstance::ServeOne(int connection)
{
    if (!SameUser(connection))
        return;
    auto line = ReadLine(connection);
    auto message = line ? ParseRequest(*line) : std::nullopt;
    bool accepted = message && m_inbox.Deliver(*message);
    WriteText(connection, accepted ? "OK\n" : "ERR\n");
}

}
