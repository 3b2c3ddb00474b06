#pragma once

#include "emulator/daemon/InputQueue.h"
#include "emulator/daemon/ReportTrace.h"
#include "emulator/firmware/Firmware.h"
#include "emulator/firmware/HidInterface.h"
#include "emulator/firmware/ModelCatalog.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace Tessera::Emulator {

// Result of a transfer on an open handle.
struct TransferResult {
    int count { -1 };    // bytes transferred, 0 = read timed out, -1 = failed
    Bytes bytes;         // read or feature-report data
    std::string error;   // why it failed
};

// Faults injected into the emulated keyboards' answers.
struct Faults {
    int failWrites { 0 };   // the next N writes and set-features fail
    int dropReplies { 0 };  // the next N replies are lost; -1 = all (the keyboard stops answering)
    int delayMs { 0 };      // every reply becomes readable this much later
};

// Owns the emulated keyboards, the other emulated HID devices, the open handles and their input
// queues, the device-change watchers, the injected faults and the report trace. Every public
// member is thread-safe (one mutex); read() and next_event() block without holding it.
class DeviceHub {
public:
    explicit DeviceHub(ModelCatalog catalog);
    ~DeviceHub();
    DeviceHub(DeviceHub const&) = delete;
    DeviceHub& operator=(DeviceHub const&) = delete;

    // ---- Emulated hardware (control side) ----
    // Adds a keyboard of `device_type` with nothing plugged; its number, or -1 if unknown.
    int add_keyboard(int device_type, std::string& error);
    int keyboard_count() const;
    bool plug(int keyboard, Link link, bool plugged, std::string& error);
    // Switches the keyboard on or off; the receiver then reports the new link state on its own.
    bool set_powered(int keyboard, bool powered, std::string& error);
    bool set_battery(int keyboard, int level, std::string& error);
    // Sends an unsolicited status report on `link` (or every plugged link).
    bool send_status(int keyboard, std::optional<Link> link, std::string& error);
    bool plug_unrelated(bool plugged);
    bool plug_bluetooth(int keyboard, bool plugged, std::string& error);
    void set_faults(Faults faults);
    Faults faults() const;
    std::string state_json() const;
    std::optional<KeyboardState> keyboard_state(int keyboard) const;
    std::optional<ModelInfo> keyboard_model(int keyboard) const;
    std::vector<TraceEntry> trace() const;
    void clear_trace();

    // ---- Host side (what the hidapi library asks for) ----
    std::vector<HidInterface> enumerate() const;
    // Opens an interface by path; a handle number, or -1 when no such interface is present.
    int open(std::string const& path, std::string& error);
    void close(int handle);
    std::optional<HidInterface> handle_interface(int handle) const;
    TransferResult write(int handle, Bytes const& report);
    // Waits up to `timeout_ms` (negative: until a report arrives, the device goes away or
    // stop() is called) for the next input report.
    TransferResult read(int handle, int timeout_ms);
    TransferResult set_feature(int handle, Bytes const& report);
    TransferResult get_feature(int handle, Bytes const& request);

    // ---- Device-change watchers ----
    int add_watcher();
    void remove_watcher(int watcher);
    // Next "add …"/"remove …" line for this watcher, waiting up to `timeout`.
    std::optional<std::string> next_event(int watcher, std::chrono::milliseconds timeout);
    int watcher_count() const;

    // Wakes every blocked read and watcher; later calls fail at once.
    void stop();
    bool stopping() const;

private:
    struct Keyboard;
    struct Handle {
        HidInterface interface;
        int keyboard { -1 };
        InputQueue queue;
        bool alive { true };
    };
    struct Present {
        HidInterface interface;
        int keyboard { -1 };
    };

    Keyboard* keyboard_locked(int keyboard, std::string& error) const;
    std::vector<Present> present_locked() const;
    void announce_locked(std::vector<HidInterface> const& interfaces, bool added);
    void detach_locked(std::vector<HidInterface> const& interfaces);
    void deliver_locked(int keyboard, Link link, std::vector<Bytes> replies, char const* direction);
    std::string command_path_locked(int keyboard, Link link) const;
    Handle* handle_locked(int handle, TransferResult& result);
    bool take_write_fault_locked();

    ModelCatalog m_catalog;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::unique_ptr<Keyboard>> m_keyboards;
    bool m_unrelatedPlugged { false };
    std::map<int, Handle> m_handles;
    int m_nextHandle { 1 };
    std::map<int, std::deque<std::string>> m_watchers;
    int m_nextWatcher { 1 };
    Faults m_faults;
    ReportTrace m_trace;
    bool m_stopped { false };
};

}
