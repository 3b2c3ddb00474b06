#pragma once

#include "emulator/daemon/Control.h"
#include "emulator/daemon/DeviceHub.h"

#include <atomic>
#include <filesystem>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace Tessera::Emulator {

class LineChannel;

// Listens on a Unix socket and serves each connection on a thread of its own.
// start() binds (removing a stale socket file left by a crashed daemon, refusing when another
// daemon still answers there); wait() returns after request_stop() (from any thread, a "stop"
// command or the optional extra descriptor becoming readable, e.g. a signalfd), when every
// connection has ended and the socket file is removed.
class Server {
public:
    // `layout_folder`: where "render" finds layout files (empty: a grid by light index).
    static std::unique_ptr<Server> start(std::string path, DeviceHub& hub, std::string& error, int extra_stop_fd = -1,
        std::filesystem::path layout_folder = {});

    // Only start() can make the key, so only start() constructs a Server.
    class Key {
        friend class Server;
        Key() = default;
    };
    Server(Key, std::string path, DeviceHub& hub, int listen_fd, int extra_stop_fd, std::filesystem::path layout_folder);
    ~Server();
    Server(Server const&) = delete;
    Server& operator=(Server const&) = delete;

    void request_stop();
    void wait();
    std::string const& path() const { return m_path; }

private:
    struct Connection {
        std::unique_ptr<LineChannel> channel;
        std::thread thread;
        std::atomic<bool> done { false };
    };

    void accept_loop();
    void accept_one();
    void reap(bool all);

    std::string m_path;
    DeviceHub& m_hub;
    int m_listenFd { -1 };
    int m_wakePipe[2] { -1, -1 };
    int m_extraStopFd { -1 };
    std::thread m_acceptThread;
    std::mutex m_mutex;
    std::list<Connection> m_connections;
    std::atomic<bool> m_waited { false };
    bool m_acceptThreadStarted { false };
    ControlContext m_control;
};

}
