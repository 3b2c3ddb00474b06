#pragma once

#include "device/DeviceTaskQueue.h"

#include <cstddef>
#include <deque>
#include <mutex>
#include <optional>

namespace Tessera {

// One queued task. Tasks that act on one thing carry it, so that a second
// request queued before the first ran cannot change what the first writes:
// task 6 carries the single key (value = key code, layer = its Fn layer;
// value 0 = the whole key map) and task 7 the deleted macro's id.
struct WorkerTask {
    int code { 0 };
    int value { 0 };
    int layer { -1 }; // -1: the main window's current layer when the task runs
    bool operator==(WorkerTask const&) const = default;
};

// The worker's task queue: appended at the back from any thread (the window
// thread's handlers, device events), read and removed at the front by the
// worker. One lock guards the list; it is held only while the list itself is
// read or changed, never while a task runs, so the window thread never
// waits for the keyboard.
class TaskQueue final : public DeviceTaskQueue {
public:
    void QueueTask(int code) override;
    void QueueTask(WorkerTask const& task);
    // Task 6 for one key of `layer`.
    void QueueSingleKeyWrite(int keyCode, int layer);
    // Task 7 for the macro that was deleted.
    void QueueMacroDeleted(int macroId);

    // The task at the front, left in the queue.
    std::optional<WorkerTask> Front() const;
    // Removes the front task (nothing when empty).
    void PopFront();
    bool Empty() const;
    std::size_t Size() const;

private:
    mutable std::mutex m_mutex;
    std::deque<WorkerTask> m_tasks;
};

}
