#pragma once

#include "config/KeyboardModel.h"

#include <memory>

namespace Tessera {

// The main window's current page numbers and light page flags the worker
// looks at.
inline constexpr int kLightingPage = 3;
inline constexpr int kLightFlagMusic = 0x200;
inline constexpr int kLightFlagScreen = 0x400;

// What the worker needs of the main window. KeyboardDlg implements it.
//
// Threads: every member is called from the worker thread.
// - The reads must be answered without touching toolkit controls: from
//   atomics the window thread keeps current, or from a published snapshot.
// - The effects must not touch controls on the worker thread either: the
//   implementation posts them to the window thread (LumoUI's PostMessageW
//   is safe from any thread, and so is MDialog::DoOK for the wait dialog)
//   and returns at once.
class WorkerWindow {
public:
    virtual ~WorkerWindow() = default;

    // ---- state read by the worker ----
    // The current device type (model code; 0 before any was chosen).
    virtual int DeviceType() = 0;
    virtual int CurrentProfile() = 0;
    // 0 base layer, 1 Fn layer.
    virtual int CurrentLayer() = 0;
    // The light mode number shown on the light page (1-based).
    virtual int CurrentLightMode() = 0;
    // Position of the selected entry of the custom-set list (control 105).
    virtual int SelectedCustomSet() = 0;
    // 1 keys, 2 macros, 3 lighting, 4 settings.
    virtual int CurrentPage() = 0;
    virtual bool IsMainWindowVisible() = 0;
    // 0x200 music mode, 0x400 screen-colour mode.
    virtual int LightPageFlags() = 0;
    // The tables of the loaded model (key-index and light-index maps),
    // replaced as a whole by each model load (null before the first: every
    // key then counts as light and key index 0).
    virtual std::shared_ptr<KeyboardModelState const> ModelTables() = 0;

    // ---- effects, posted to the window thread ----
    virtual void EnableMainWindow(bool enable) = 0;
    // Closes the wait dialog when one is open.
    virtual void CloseWaitDialog() = 0;
    // After the keyboard's own reset: fill the macro, profile and key pages again.
    virtual void ReloadPagesAfterReset() = 0;
    // After a deleted macro was taken off the keys.
    virtual void RefreshKeyPage() = 0;
};

// Device and update tasks (1-3 discovery, 14-19 version checks and
// updates) are carried out by the device link and the updater; the worker
// only calls them, on its own thread.
class ExternalTasks {
public:
    virtual ~ExternalTasks() = default;
    virtual void RunTask(int code) = 0;
};

// The keyboard's status: the battery read of task 5 and the idle poll.
// Worker thread only.
class StatusPoll {
public:
    virtual ~StatusPoll() = default;
    virtual void QueryBattery() = 0;
    virtual void PollStatus() = 0;
};

}
