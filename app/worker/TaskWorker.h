#pragma once

#include "app/worker/CThreadBasic.h"
#include "app/worker/TaskRunner.h"

namespace Tessera {

// The main window's worker: every 16 ms one pass over the task queue.
//
// A pass with a task at the front: device and update tasks (1-3, 14-19) run
// at once; then, while a keyboard is linked (anyDevice and keyboardLinked),
// the window is disabled, a keyboard task (4-12) runs, the wait dialog is
// closed, 100 ms pass and the window is enabled again. A keyboard task that
// finds no keyboard is dropped, and its wait dialog is closed all the same.
// Every task leaves the queue after its pass.
//
// A pass with an empty queue and a device present: one live lighting frame
// when the window shows the light page with a music or screen-colour mode
// (device types below 200 or 300-399), then the status poll.
//
// Nothing here touches toolkit controls: the window's state is read and its
// effects requested through WorkerWindow, whose implementation posts them to
// the window thread.
class TaskWorker final : public CThreadBasic {
public:
    static constexpr int kAfterTaskPauseMs = 100;

    explicit TaskWorker(WorkerServices const& services);
    ~TaskWorker() override;

    // One pass; called by the thread, or directly by tests.
    void Run() override;

    // The colour-upload arming and Type1xx parameter flags (window thread:
    // LightFlags::Apply on the light page's apply action).
    LightFlags& Flags() { return m_runner.Flags(); }

private:
    void RunTask(WorkerTask const& task);
    void IdlePass();
    bool LiveFrameWanted();

    WorkerServices m_services;
    TaskRunner m_runner;
};

}
