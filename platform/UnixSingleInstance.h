#pragma once

#include "platform/SingleInstance.h"

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

namespace Tessera {

// Single instance through a folder private to the user,
// "$XDG_RUNTIME_DIR/<device name>/" (or "/tmp/<device name>-<uid>/" when the
// runtime folder is not set), holding:
//  - "instance.lock": the running instance holds an exclusive flock on it.
//    The kernel drops the lock when the process ends, however it ends, so a
//    crashed instance never blocks the next start.
//  - "instance.sock": a Unix stream socket the instance listens on. Stale
//    sockets are removed by the next instance once it holds the lock.
//
// Each request is one line "MSG <message> <wParam> <lParam>\n" answered by
// "OK\n" (handed to the inbox) or "ERR\n". Only processes of the same user
// are heard.
//
// The listener thread runs from a successful Claim until destruction.
class UnixSingleInstance final : public SingleInstance {
public:
    explicit UnixSingleInstance(std::wstring const& deviceName);
    ~UnixSingleInstance() override;
    UnixSingleInstance(UnixSingleInstance const&) = delete;
    UnixSingleInstance& operator=(UnixSingleInstance const&) = delete;

    // The folder for a device name (native bytes, trailing '/').
    static std::string InstanceFolder(std::wstring const& deviceName);

    // Claim: takes the lock and listens; or, with the lock held elsewhere,
    // asks that instance to raise its window. When that instance does not
    // answer within kAnswerWait (it may be starting up), the start still
    // counts as a second one; when it ends meanwhile, the lock is taken.
    Role Claim() override;
    SendResult Send(InstanceMessage const& message) override;
    InstanceInbox& Inbox() override { return m_inbox; }

    static constexpr std::chrono::milliseconds kAnswerWait { 3000 };

private:
    bool PrepareFolder();
    bool TryLock();
    bool Listen();
    void Serve();
    void ServeOne(int connection);

    std::string m_folder;
    std::string m_lockPath;
    std::string m_socketPath;
    int m_lockFd { -1 };
    int m_listenFd { -1 };
    int m_wakeFd { -1 };
    std::thread m_listener;
    InstanceInbox m_inbox;
};

}
