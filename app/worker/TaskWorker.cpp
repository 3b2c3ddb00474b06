#include "app/worker/TaskWorker.h"

#include "app/worker/TaskCodes.h"

namespace Tessera {

namespace {

bool StreamsLiveFrames(int deviceType)
{
    return deviceType < 200 || (deviceType >= 300 && deviceType <= 399);
}

}

TaskWorker::TaskWorker(WorkerServices const& services)
    : m_services(services)
    , m_runner(services)
{
}

TaskWorker::~TaskWorker()
{
    Stop();
}

void TaskWorker::Run()
{
    if (auto const task = m_services.queue.Front()) {
        RunTask(*task);
        m_services.queue.PopFront();
        return;
    }
    if (m_services.link.anyDevice)
        IdlePass();
}

void TaskWorker::RunTask(WorkerTask const& task)
{
    auto& window = m_services.window;
    if (IsAlwaysRunTask(task.code))
        m_services.external.RunTask(task.code);
    if (m_services.link.anyDevice && m_services.link.keyboardLinked) {
        window.EnableMainWindow(false);
        if (IsKeyboardTask(task.code))
            m_runner.Run(task);
        window.CloseWaitDialog();
        m_services.clock.SleepMs(kAfterTaskPauseMs);
        window.EnableMainWindow(true);
        return;
    }
    if (IsKeyboardTask(task.code)) {
        // The page that queued the task shows a wait dialog; with no keyboard
        // to wait for it must not stay up.
        m_runner.Drop(task);
        window.CloseWaitDialog();
    }
}

void TaskWorker::IdlePass()
{
    if (LiveFrameWanted())
        m_runner.SendLiveFrame();
    m_services.status.PollStatus();
}

bool TaskWorker::LiveFrameWanted()
{
    auto& window = m_services.window;
    return window.IsMainWindowVisible() && window.CurrentPage() == kLightingPage
        && StreamsLiveFrames(window.DeviceType())
        && (window.LightPageFlags() & (kLightFlagMusic | kLightFlagScreen)) != 0;
}

}
