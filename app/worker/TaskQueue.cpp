#include "app/worker/TaskQueue.h"

#include "app/worker/TaskCodes.h"

namespace Tessera {

bool IsAlwaysRunTask(int code)
{
    return (code >= kTaskFirstConnection && code <= kTaskDeviceRemoved)
        || (code >= kTaskCheckSoftware && code <= kTaskUpdateReceiverFirmware);
}

bool IsKeyboardTask(int code)
{
    return code >= kTaskDeviceTypeChanged && code <= kTaskRestoreDefaults;
}

void TaskQueue::QueueTask(int code)
{
    QueueTask(WorkerTask { code });
}

void TaskQueue::QueueTask(WorkerTask const& task)
{
    std::lock_guard lock(m_mutex);
    m_tasks.push_back(task);
}

void TaskQueue::QueueSingleKeyWrite(int keyCode, int layer)
{
    QueueTask(WorkerTask { kTaskWriteKeyMap, keyCode, layer });
}

void TaskQueue::QueueMacroDeleted(int macroId)
{
    QueueTask(WorkerTask { kTaskMacroDeleted, macroId });
}

std::optional<WorkerTask> TaskQueue::Front() const
{
    std::lock_guard lock(m_mutex);
    if (m_tasks.empty())
        return std::nullopt;
    return m_tasks.front();
}

void TaskQueue::PopFront()
{
    std::lock_guard lock(m_mutex);
    if (!m_tasks.empty())
        m_tasks.pop_front();
}

bool TaskQueue::Empty() const
{
    std::lock_guard lock(m_mutex);
    return m_tasks.empty();
}

std::size_t TaskQueue::Size() const
{
    std::lock_guard lock(m_mutex);
    return m_tasks.size();
}

}
