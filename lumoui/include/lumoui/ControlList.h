#pragma once

#include <lumoui/Export.h>

#include <memory>
#include <mutex>
#include <vector>

namespace LumoUI {

class MControl;

// An owning, ordered list of controls with its own lock. Every walk,
// insertion and removal holds the lock; the lock is recursive so that a
// handler called during a walk may search the same list again. Lock order:
// a parent's list before a child's list.
class LUMOUI_API ControlList {
public:
    ControlList();
    ~ControlList();
    ControlList(ControlList const&) = delete;
    ControlList& operator=(ControlList const&) = delete;

    std::recursive_mutex& Mutex() const { return m_mutex; }

    // Takes ownership; returns the raw pointer, which stays valid until the
    // control is removed.
    MControl* Add(std::unique_ptr<MControl> control);
    // Removes and returns the control without deleting it (null if absent).
    std::unique_ptr<MControl> Take(MControl* control);
    // Removes and deletes; false when absent.
    bool Remove(MControl* control);
    // Deletes every control (in order) and empties the list.
    void Clear();

    bool Contains(MControl const* control) const;
    int IndexOf(MControl const* control) const;
    size_t Size() const;
    bool Empty() const { return Size() == 0; }
    // Null outside the list.
    MControl* At(size_t index) const;
    // A copy of the pointers, for walks that must not hold the lock.
    std::vector<MControl*> Snapshot() const;

    // f(MControl*) for every control in order, under the lock. The size is
    // re-read on every step, so f may append or remove controls.
    template<typename F>
    void ForEach(F&& f) const
    {
        std::lock_guard lock(m_mutex);
        for (size_t i = 0; i < m_items.size(); ++i)
            f(m_items[i].get());
    }
    // Stops at the first control for which f returns true and returns it.
    template<typename F>
    MControl* FindFirst(F&& f) const
    {
        std::lock_guard lock(m_mutex);
        for (size_t i = 0; i < m_items.size(); ++i)
            if (f(m_items[i].get()))
                return m_items[i].get();
        return nullptr;
    }

private:
    mutable std::recursive_mutex m_mutex;
    std::vector<std::unique_ptr<MControl>> m_items;
};

}
