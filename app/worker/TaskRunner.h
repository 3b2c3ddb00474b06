#pragma once

#include "app/worker/LightWriter.h"
#include "app/worker/TaskQueue.h"
#include "app/worker/WorkerWindow.h"
#include "device/DeviceLinkState.h"

namespace Tessera {

// Everything the worker works with. All references must outlive the worker.
struct WorkerServices {
    TaskQueue& queue;
    WorkerWindow& window;
    DeviceLinkState const& link;
    HidTransport& transport;
    DeviceClock& clock;
    DeviceDatabase& database;
    ExternalTasks& external;
    StatusPoll& status;
    KeyColorSource& liveColors;
};

// Runs the keyboard tasks 4-12 in the protocol family of the current device
// type (nothing for device types of 400 and above), and the live frame of
// an idle pass. Worker thread only.
class TaskRunner {
public:
    explicit TaskRunner(WorkerServices const& services);

    void Run(WorkerTask const& task);
    // A keyboard task that reached the front while no keyboard was linked:
    // nothing is sent, but a deleted macro still leaves the stored keys of a
    // 300-family model, so no key keeps pointing at it.
    void Drop(WorkerTask const& task);
    // One StreamKeyColors frame from the picture (Type3xx only).
    bool SendLiveFrame();

    LightFlags& Flags() { return m_flags; }

private:
    void WriteKeyMap(WorkerTask const& task, int profile, int layer);
    void MacroDeleted(int macroId, int layer, bool keyboardLinked);
    void RestoreDefaults(int profile, int layer);

    WorkerServices m_services;
    LightFlags m_flags;
    LightWriter m_lights;
};

}
