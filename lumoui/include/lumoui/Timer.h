#pragma once

#include <lumoui/Export.h>
#include <lumoui/Types.h>

#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace LumoUI {

// Periodic high-resolution timers, each running on its own steady-clock
// thread. OnMTimer is called on that timer thread: an override must only
// touch thread-safe state (the paint manager's override posts a request to
// the window thread). A derived class must call KillTimer() in its own
// destructor, before its members go away.
class LUMOUI_API RKTimer {
public:
    RKTimer();
    virtual ~RKTimer();
    RKTimer(RKTimer const&) = delete;
    RKTimer& operator=(RKTimer const&) = delete;

    // Starts a periodic timer; returns its id (never 0), or 0 on failure.
    unsigned SetTimer(unsigned periodMs, CString const& name, int appFlag);
    // Stops one timer; returns the number left. Safe from the timer's own callback.
    int KillTimer(unsigned id);
    int KillTimer(CString const& name);
    void KillTimer();
    bool GetTimerIsRun(unsigned id) const;
    bool GetTimerIsRun(CString const& name) const;
    CString GetTimerName(unsigned id) const;
    bool IsAppTimer(unsigned id) const;
    size_t GetTimerCount() const;

    // The owner of a running timer id, or null.
    static RKTimer* GetFSTimer(unsigned id);

    // Timer thread. The named form only for timers with the app flag.
    virtual void OnMTimer(unsigned id, CString const& name);
    virtual void OnMTimer(unsigned id);

    struct Record;

private:
    void StopRecord(std::shared_ptr<Record> const& record);
    void JoinFinished();

    mutable std::mutex m_mutex;
    std::vector<std::shared_ptr<Record>> m_records;
    std::vector<std::thread> m_finished;
};

}
