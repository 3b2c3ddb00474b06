#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>

namespace Tessera {

// A window message sent to the running instance by another process.
struct InstanceMessage {
    unsigned message { 0 };
    uint64_t wParam { 0 };
    int64_t lParam { 0 };

    bool operator==(InstanceMessage const&) const = default;
};

// Show, restore and raise the main window (a second start sends it).
constexpr unsigned kRaiseWindowMessage = 0;
// Quit the program when lParam is kQuitParam (`tessera --quit`).
constexpr unsigned kQuitMessage = 1691;
constexpr int64_t kQuitParam = 610;
// Run the host-side key function whose stored id is lParam
// (`tessera --run-key-function ID`).
constexpr unsigned kRunKeyFunctionMessage = 1092;

// Holds the messages that arrive before anyone handles them and hands them,
// in arrival order, to the handler once one is installed. Thread-safe; the
// handler runs on the thread that delivers (the listener thread, or the
// thread calling SetHandler for queued ones) with the inbox locked, so it
// must only hand the message on (post it to its window) and must not call
// back into the inbox.
class InstanceInbox {
public:
    static constexpr size_t kMaxQueued = 64;
    using Handler = std::function<void(InstanceMessage const&)>;

    // False when nothing handles messages yet and the queue is full.
    bool Deliver(InstanceMessage const& message);
    void SetHandler(Handler handler);
    // Removes and returns the queued messages (for a caller that polls).
    std::deque<InstanceMessage> TakeQueued();

private:
    std::mutex m_mutex;
    Handler m_handler;
    std::deque<InstanceMessage> m_queued;
};

// One running instance per device name. The first process to claim the name
// becomes the instance and receives messages from later processes; a later
// start asks it to raise its window instead of running.
//
// Implementations: UnixSingleInstance (lock file and Unix socket),
// FakeSingleInstance (tests).
class SingleInstance {
public:
    enum class Role {
        Primary,   // this process is the instance and now receives messages
        Secondary, // another process is the instance; it was asked to raise its window
        Unguarded, // no guard could be set up: run, but without one
    };
    enum class SendResult { Delivered, NoInstance, Failed };

    virtual ~SingleInstance() = default;

    virtual Role Claim() = 0;
    // Sends a message to the running instance (from a process that did not claim).
    virtual SendResult Send(InstanceMessage const& message) = 0;
    // Where messages to a Primary go; see InstanceInbox.
    virtual InstanceInbox& Inbox() = 0;
};

}
