#include <lumoui/Timer.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <map>
#include <thread>

namespace LumoUI {

struct RKTimer::Record {
    unsigned id { 0 };
    CString name;
    int app_flag { 0 };
    std::chrono::milliseconds period { 10 };
    std::mutex mutex;
    std::condition_variable cv;
    bool stop { false };
    std::thread thread;
};

namespace {

std::atomic<unsigned> s_next_id { 1 };

struct Owners {
    std::mutex mutex;
    std::map<unsigned, RKTimer*> map;
};

// Never destroyed: timer threads may still look owners up while the
// process exits.
Owners& owners()
{
    static Owners* s_owners = new Owners;
    return *s_owners;
}

}

void RKTimer::StopRecord(std::shared_ptr<Record> const& record)
{
    std::thread thread;
    {
        std::lock_guard lock(record->mutex);
        record->stop = true;
        thread = std::move(record->thread);
    }
    record->cv.notify_all();
    if (!thread.joinable())
        return;
    // A timer killed from its own callback cannot join itself: its thread
    // ends on its own and is joined later by the owner.
    if (thread.get_id() == std::this_thread::get_id()) {
        std::lock_guard lock(m_mutex);
        m_finished.push_back(std::move(thread));
    } else {
        thread.join();
    }
}

void RKTimer::JoinFinished()
{
    std::vector<std::thread> finished;
    {
        std::lock_guard lock(m_mutex);
        auto self = std::this_thread::get_id();
        for (auto it = m_finished.begin(); it != m_finished.end();) {
            if (it->get_id() != self) {
                finished.push_back(std::move(*it));
                it = m_finished.erase(it);
            } else {
                ++it;
            }
        }
    }
    for (auto& thread : finished)
        thread.join();
}

RKTimer::RKTimer() = default;

RKTimer::~RKTimer()
{
    KillTimer();
    JoinFinished();
    // A thread still in the list here is this destructor's own caller.
    for (auto& thread : m_finished)
        thread.detach();
}

unsigned RKTimer::SetTimer(unsigned periodMs, CString const& name, int appFlag)
{
    auto record = std::make_shared<Record>();
    record->id = s_next_id++;
    record->name = name;
    record->app_flag = appFlag;
    record->period = std::chrono::milliseconds(std::max(periodMs, 1u));
    {
        std::lock_guard lock(owners().mutex);
        owners().map[record->id] = this;
    }
    {
        std::lock_guard lock(m_mutex);
        m_records.push_back(record);
    }
    // The thread keeps its record alive; `this` outlives it because every
    // owner kills its timers before it is destroyed. The record's mutex is
    // held until the thread object is stored, and the thread takes that mutex
    // before its first tick, so a kill from the first tick finds the thread.
    std::unique_lock start_lock(record->mutex);
    record->thread = std::thread([this, record] {
        auto next = std::chrono::steady_clock::now() + record->period;
        for (;;) {
            {
                std::unique_lock lock(record->mutex);
                if (record->cv.wait_until(lock, next, [&] { return record->stop; }))
                    return;
            }
            OnMTimer(record->id);
            if (record->app_flag)
                OnMTimer(record->id, record->name);
            next += record->period;
            auto now = std::chrono::steady_clock::now();
            if (next < now)
                next = now + record->period; // skip missed ticks rather than bursting
        }
    });
    // A kill from another thread that came before the thread object was
    // stored found nothing to join; the thread stops at once and is joined here.
    std::thread stopped_early;
    if (record->stop)
        stopped_early = std::move(record->thread);
    start_lock.unlock();
    if (stopped_early.joinable())
        stopped_early.join();
    return record->id;
}

int RKTimer::KillTimer(unsigned id)
{
    std::shared_ptr<Record> record;
    int left = 0;
    {
        std::lock_guard lock(m_mutex);
        auto it = std::find_if(m_records.begin(), m_records.end(), [id](auto const& r) { return r->id == id; });
        if (it != m_records.end()) {
            record = *it;
            m_records.erase(it);
        }
        left = static_cast<int>(m_records.size());
    }
    if (record) {
        {
            std::lock_guard lock(owners().mutex);
            owners().map.erase(id);
        }
        StopRecord(record);
    }
    return left;
}

int RKTimer::KillTimer(CString const& name)
{
    std::vector<unsigned> ids;
    {
        std::lock_guard lock(m_mutex);
        for (auto const& r : m_records)
            if (r->name == name)
                ids.push_back(r->id);
    }
    int left = static_cast<int>(GetTimerCount());
    for (unsigned id : ids)
        left = KillTimer(id);
    return left;
}

void RKTimer::KillTimer()
{
    JoinFinished();
    std::vector<unsigned> ids;
    {
        std::lock_guard lock(m_mutex);
        for (auto const& r : m_records)
            ids.push_back(r->id);
    }
    for (unsigned id : ids)
        KillTimer(id);
}

bool RKTimer::GetTimerIsRun(unsigned id) const
{
    std::lock_guard lock(m_mutex);
    return std::any_of(m_records.begin(), m_records.end(), [id](auto const& r) { return r->id == id; });
}

bool RKTimer::GetTimerIsRun(CString const& name) const
{
    std::lock_guard lock(m_mutex);
    return std::any_of(m_records.begin(), m_records.end(), [&](auto const& r) { return r->name == name; });
}

CString RKTimer::GetTimerName(unsigned id) const
{
    std::lock_guard lock(m_mutex);
    for (auto const& r : m_records)
        if (r->id == id)
            return r->name;
    return {};
}

bool RKTimer::IsAppTimer(unsigned id) const
{
    std::lock_guard lock(m_mutex);
    for (auto const& r : m_records)
        if (r->id == id)
            return r->app_flag != 0;
    return false;
}

size_t RKTimer::GetTimerCount() const
{
    std::lock_guard lock(m_mutex);
    return m_records.size();
}

RKTimer* RKTimer::GetFSTimer(unsigned id)
{
    std::lock_guard lock(owners().mutex);
    auto it = owners().map.find(id);
    return it == owners().map.end() ? nullptr : it->second;
}

void RKTimer::OnMTimer(unsigned, CString const&) { }
void RKTimer::OnMTimer(unsigned) { }

}
