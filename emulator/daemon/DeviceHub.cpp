#include "emulator/daemon/DeviceHub.h"

#include "emulator/firmware/JsonWriter.h"

#include <algorithm>
#include <cstdio>

namespace Tessera::Emulator {

namespace {
constexpr std::size_t kWatcherBacklog = 4096;
constexpr std::size_t kMaxReport = 4096;
// Blocking reads wake up this often to notice a stop.
constexpr auto kWaitSlice = std::chrono::milliseconds(200);

std::string event_line(HidInterface const& hid, bool added)
{
    char head[64];
    std::snprintf(head, sizeof head, "%s %s %04x %04x %d ", added ? "add" : "remove",
        hid.bluetooth ? "bluetooth" : "usb", hid.vid, hid.pid, hid.interfaceNumber);
    return head + hid.path;
}

int link_index(Link link)
{
    return link == Link::Cable ? 0 : 1;
}

char const* family_name(int device_type)
{
    if (device_type <= 200)
        return "Type1xx";
    return device_type < 300 ? "Type2xx" : "Type3xx";
}
}

struct DeviceHub::Keyboard {
    ModelInfo model;
    std::unique_ptr<Firmware> firmware;
    int instance { 0 };
    bool plugged[2] { false, false };
    bool bluetoothPlugged { false };

    std::vector<HidInterface> interfaces(Link link) const { return interfaces_for(model, link, instance); }
};

DeviceHub::DeviceHub(ModelCatalog catalog)
    : m_catalog(std::move(catalog))
{
}

DeviceHub::~DeviceHub()
{
    stop();
}

int DeviceHub::add_keyboard(int device_type, std::string& error)
{
    auto model = m_catalog.find(device_type);
    if (!model) {
        error = "unknown device type " + std::to_string(device_type);
        return -1;
    }
    std::lock_guard lock(m_mutex);
    auto keyboard = std::make_unique<Keyboard>();
    keyboard->model = *model;
    keyboard->firmware = Firmware::for_device_type(device_type);
    keyboard->instance = static_cast<int>(m_keyboards.size());
    m_keyboards.push_back(std::move(keyboard));
    return static_cast<int>(m_keyboards.size()) - 1;
}

int DeviceHub::keyboard_count() const
{
    std::lock_guard lock(m_mutex);
    return static_cast<int>(m_keyboards.size());
}

DeviceHub::Keyboard* DeviceHub::keyboard_locked(int keyboard, std::string& error) const
{
    if (keyboard < 0 || keyboard >= static_cast<int>(m_keyboards.size())) {
        error = "no keyboard " + std::to_string(keyboard);
        return nullptr;
    }
    return m_keyboards[static_cast<std::size_t>(keyboard)].get();
}

std::vector<DeviceHub::Present> DeviceHub::present_locked() const
{
    std::vector<Present> present;
    for (std::size_t index = 0; index < m_keyboards.size(); ++index) {
        auto const& keyboard = *m_keyboards[index];
        // The receiver is listed first, so a host that took the first answering interface
        // instead of preferring the cable would show it.
        for (Link link : { Link::Receiver, Link::Cable }) {
            if (!keyboard.plugged[link_index(link)])
                continue;
            for (auto& hid : keyboard.interfaces(link))
                present.push_back({ std::move(hid), static_cast<int>(index) });
        }
        if (keyboard.bluetoothPlugged)
            present.push_back({ bluetooth_interface(keyboard.model), -1 });
    }
    if (m_unrelatedPlugged)
        present.push_back({ unrelated_device(), -1 });
    return present;
}

void DeviceHub::announce_locked(std::vector<HidInterface> const& interfaces, bool added)
{
    for (auto& [id, backlog] : m_watchers) {
        for (auto const& hid : interfaces) {
            if (backlog.size() >= kWatcherBacklog)
                backlog.pop_front();
            backlog.push_back(event_line(hid, added));
        }
    }
    m_changed.notify_all();
}

void DeviceHub::detach_locked(std::vector<HidInterface> const& interfaces)
{
    for (auto& [id, handle] : m_handles) {
        for (auto const& hid : interfaces) {
            if (handle.interface.path == hid.path)
                handle.alive = false;
        }
    }
    m_changed.notify_all();
}

bool DeviceHub::plug(int keyboard, Link link, bool plugged, std::string& error)
{
    std::lock_guard lock(m_mutex);
    auto* board = keyboard_locked(keyboard, error);
    if (!board)
        return false;
    if ((link == Link::Cable ? board->model.cable : board->model.receiver) == std::nullopt) {
        error = std::string("this model has no ") + link_name(link);
        return false;
    }
    bool& state = board->plugged[link_index(link)];
    if (state == plugged)
        return true;
    state = plugged;
    auto interfaces = board->interfaces(link);
    if (!plugged)
        detach_locked(interfaces);
    announce_locked(interfaces, plugged);
    return true;
}

bool DeviceHub::plug_unrelated(bool plugged)
{
    std::lock_guard lock(m_mutex);
    if (m_unrelatedPlugged == plugged)
        return true;
    m_unrelatedPlugged = plugged;
    if (!plugged)
        detach_locked({ unrelated_device() });
    announce_locked({ unrelated_device() }, plugged);
    return true;
}

bool DeviceHub::plug_bluetooth(int keyboard, bool plugged, std::string& error)
{
    std::lock_guard lock(m_mutex);
    auto* board = keyboard_locked(keyboard, error);
    if (!board)
        return false;
    if (board->bluetoothPlugged == plugged)
        return true;
    board->bluetoothPlugged = plugged;
    auto hid = bluetooth_interface(board->model);
    if (!plugged)
        detach_locked({ hid });
    announce_locked({ hid }, plugged);
    return true;
}

std::string DeviceHub::command_path_locked(int keyboard, Link link) const
{
    for (auto const& hid : m_keyboards[static_cast<std::size_t>(keyboard)]->interfaces(link)) {
        if (hid.role == InterfaceRole::Command)
            return hid.path;
    }
    return {};
}

void DeviceHub::deliver_locked(int keyboard, Link link, std::vector<Bytes> replies, char const* direction)
{
    std::string path = command_path_locked(keyboard, link);
    auto ready_at = InputQueue::Clock::now() + std::chrono::milliseconds(m_faults.delayMs);
    for (auto& reply : replies) {
        bool dropped = m_faults.dropReplies != 0;
        if (m_faults.dropReplies > 0)
            --m_faults.dropReplies;
        m_trace.add(direction, path, reply, !dropped);
        if (dropped)
            continue;
        for (auto& [id, handle] : m_handles) {
            if (handle.alive && handle.interface.path == path)
                handle.queue.push(reply, ready_at);
        }
    }
    m_changed.notify_all();
}

bool DeviceHub::set_powered(int keyboard, bool powered, std::string& error)
{
    std::lock_guard lock(m_mutex);
    auto* board = keyboard_locked(keyboard, error);
    if (!board)
        return false;
    if (board->firmware->state().powered == powered)
        return true;
    board->firmware->state().powered = powered;
    // The receiver tells the host at once that its keyboard came or went.
    if (board->plugged[link_index(Link::Receiver)])
        deliver_locked(keyboard, Link::Receiver, { board->firmware->status_report(Link::Receiver) }, "unsolicited");
    return true;
}

bool DeviceHub::set_battery(int keyboard, int level, std::string& error)
{
    if (level < 0 || level > 255) {
        error = "battery level must be 0-255";
        return false;
    }
    std::lock_guard lock(m_mutex);
    auto* board = keyboard_locked(keyboard, error);
    if (!board)
        return false;
    board->firmware->state().battery = level;
    return true;
}

bool DeviceHub::send_status(int keyboard, std::optional<Link> link, std::string& error)
{
    std::lock_guard lock(m_mutex);
    auto* board = keyboard_locked(keyboard, error);
    if (!board)
        return false;
    bool sent = false;
    for (Link each : { Link::Cable, Link::Receiver }) {
        if ((link && *link != each) || !board->plugged[link_index(each)])
            continue;
        deliver_locked(keyboard, each, { board->firmware->status_report(each) }, "unsolicited");
        sent = true;
    }
    if (!sent)
        error = "nothing plugged to send the report on";
    return sent;
}

void DeviceHub::set_faults(Faults faults)
{
    std::lock_guard lock(m_mutex);
    m_faults = faults;
}

Faults DeviceHub::faults() const
{
    std::lock_guard lock(m_mutex);
    return m_faults;
}

std::optional<KeyboardState> DeviceHub::keyboard_state(int keyboard) const
{
    std::lock_guard lock(m_mutex);
    std::string error;
    auto* board = keyboard_locked(keyboard, error);
    if (!board)
        return std::nullopt;
    return board->firmware->state();
}

std::optional<ModelInfo> DeviceHub::keyboard_model(int keyboard) const
{
    std::lock_guard lock(m_mutex);
    std::string error;
    auto* board = keyboard_locked(keyboard, error);
    if (!board)
        return std::nullopt;
    return board->model;
}

std::string DeviceHub::state_json() const
{
    std::lock_guard lock(m_mutex);
    JsonWriter json;
    json.begin_object();
    json.begin_array("keyboards");
    for (std::size_t index = 0; index < m_keyboards.size(); ++index) {
        auto const& board = *m_keyboards[index];
        json.begin_object();
        json.field("id", static_cast<int>(index));
        json.field("deviceType", board.model.deviceType);
        json.field("family", family_name(board.model.deviceType));
        json.field("name", board.model.name);
        json.field("deviceInfo", board.model.deviceInfo);
        json.field("cable", board.plugged[0]);
        json.field("receiver", board.plugged[1]);
        for (auto const& [name, connection] : { std::pair { "cableDevice", board.model.cable },
                 std::pair { "receiverDevice", board.model.receiver } }) {
            if (!connection)
                continue;
            char ids[32];
            std::snprintf(ids, sizeof ids, "%04x:%04x", connection->vid, connection->pid);
            json.begin_object(name);
            json.field("id", ids);
            json.field("release", static_cast<int>(connection->rev));
            json.field("product", connection->productName);
            json.end_object();
        }
        json.field("bluetooth", board.bluetoothPlugged);
        json.raw("state", board.firmware->state().to_json());
        json.end_object();
    }
    json.end_array();
    json.field("unrelatedDevice", m_unrelatedPlugged);
    json.begin_object("faults");
    json.field("failWrites", m_faults.failWrites);
    json.field("dropReplies", m_faults.dropReplies);
    json.field("delayMs", m_faults.delayMs);
    json.end_object();
    json.field("openHandles", static_cast<int>(m_handles.size()));
    json.field("watchers", static_cast<int>(m_watchers.size()));
    json.end_object();
    return json.text();
}

std::vector<TraceEntry> DeviceHub::trace() const
{
    std::lock_guard lock(m_mutex);
    return m_trace.entries();
}

void DeviceHub::clear_trace()
{
    std::lock_guard lock(m_mutex);
    m_trace.clear();
}

std::vector<HidInterface> DeviceHub::enumerate() const
{
    std::lock_guard lock(m_mutex);
    std::vector<HidInterface> interfaces;
    for (auto& present : present_locked())
        interfaces.push_back(std::move(present.interface));
    return interfaces;
}

int DeviceHub::open(std::string const& path, std::string& error)
{
    std::lock_guard lock(m_mutex);
    if (m_stopped) {
        error = "emulator stopping";
        return -1;
    }
    for (auto& present : present_locked()) {
        if (present.interface.path != path)
            continue;
        int id = m_nextHandle++;
        Handle handle;
        handle.interface = std::move(present.interface);
        handle.keyboard = present.keyboard;
        m_handles.emplace(id, std::move(handle));
        return id;
    }
    error = "no such device: " + path;
    return -1;
}

void DeviceHub::close(int handle)
{
    std::lock_guard lock(m_mutex);
    m_handles.erase(handle);
    m_changed.notify_all();
}

std::optional<HidInterface> DeviceHub::handle_interface(int handle) const
{
    std::lock_guard lock(m_mutex);
    auto found = m_handles.find(handle);
    if (found == m_handles.end())
        return std::nullopt;
    return found->second.interface;
}

DeviceHub::Handle* DeviceHub::handle_locked(int handle, TransferResult& result)
{
    auto found = m_handles.find(handle);
    if (found == m_handles.end()) {
        result.error = "device not open";
        return nullptr;
    }
    if (!found->second.alive || m_stopped) {
        result.error = "device disconnected";
        return nullptr;
    }
    return &found->second;
}

bool DeviceHub::take_write_fault_locked()
{
    if (m_faults.failWrites <= 0)
        return false;
    --m_faults.failWrites;
    return true;
}

TransferResult DeviceHub::write(int handle, Bytes const& report)
{
    std::lock_guard lock(m_mutex);
    TransferResult result;
    auto* open = handle_locked(handle, result);
    if (!open)
        return result;
    auto const& hid = open->interface;
    if (report.empty() || report.size() > kMaxReport) {
        result.error = "bad report length";
        return result;
    }
    if (take_write_fault_locked()) {
        m_trace.add("write", hid.path, report, false);
        result.error = "emulated write failure";
        return result;
    }
    m_trace.add("write", hid.path, report, true);
    result.count = static_cast<int>(report.size());
    if (hid.role == InterfaceRole::Command) {
        auto& firmware = *m_keyboards[static_cast<std::size_t>(open->keyboard)]->firmware;
        deliver_locked(open->keyboard, hid.link, firmware.output(hid.link, report), "reply");
    }
    return result;
}

TransferResult DeviceHub::read(int handle, int timeout_ms)
{
    std::unique_lock lock(m_mutex);
    auto deadline = InputQueue::Clock::now() + std::chrono::milliseconds(std::max(timeout_ms, 0));
    while (true) {
        TransferResult result;
        auto* open = handle_locked(handle, result);
        if (!open)
            return result;
        auto now = InputQueue::Clock::now();
        if (auto report = open->queue.pop_ready(now)) {
            result.count = static_cast<int>(report->size());
            result.bytes = std::move(*report);
            return result;
        }
        if (timeout_ms >= 0 && now >= deadline) {
            result.count = 0;
            return result;
        }
        auto wake = now + kWaitSlice;
        if (timeout_ms >= 0)
            wake = std::min(wake, deadline);
        if (auto next = open->queue.next_ready())
            wake = std::min(wake, *next);
        m_changed.wait_until(lock, wake);
    }
}

TransferResult DeviceHub::set_feature(int handle, Bytes const& report)
{
    std::lock_guard lock(m_mutex);
    TransferResult result;
    auto* open = handle_locked(handle, result);
    if (!open)
        return result;
    auto const& hid = open->interface;
    if (report.empty() || report.size() > kMaxReport) {
        result.error = "bad report length";
        return result;
    }
    bool accepted = !take_write_fault_locked();
    if (accepted && hid.role == InterfaceRole::Command) {
        auto& firmware = *m_keyboards[static_cast<std::size_t>(open->keyboard)]->firmware;
        accepted = firmware.set_feature(hid.link, report);
    } else if (accepted && hid.role != InterfaceRole::SetAside) {
        accepted = false; // only the vendor collections have feature reports
    }
    m_trace.add("set-feature", hid.path, report, accepted);
    if (!accepted) {
        result.error = "feature report rejected";
        return result;
    }
    result.count = static_cast<int>(report.size());
    return result;
}

TransferResult DeviceHub::get_feature(int handle, Bytes const& request)
{
    std::lock_guard lock(m_mutex);
    TransferResult result;
    auto* open = handle_locked(handle, result);
    if (!open)
        return result;
    auto const& hid = open->interface;
    if (request.empty() || request.size() > kMaxReport || hid.role != InterfaceRole::Command) {
        result.error = "feature report not supported";
        m_trace.add("get-feature", hid.path, request, false);
        return result;
    }
    auto& firmware = *m_keyboards[static_cast<std::size_t>(open->keyboard)]->firmware;
    auto reply = firmware.reachable(hid.link) ? firmware.get_feature(hid.link, request[0], request.size()) : std::nullopt;
    // A lost reply looks to the host like a stalled transfer.
    bool dropped = reply && m_faults.dropReplies != 0;
    if (dropped && m_faults.dropReplies > 0)
        --m_faults.dropReplies;
    m_trace.add("get-feature", hid.path, reply.value_or(request), reply && !dropped);
    if (!reply || dropped) {
        result.error = "feature report not answered";
        return result;
    }
    result.count = static_cast<int>(reply->size());
    result.bytes = std::move(*reply);
    return result;
}

int DeviceHub::add_watcher()
{
    std::lock_guard lock(m_mutex);
    int id = m_nextWatcher++;
    m_watchers[id];
    return id;
}

void DeviceHub::remove_watcher(int watcher)
{
    std::lock_guard lock(m_mutex);
    m_watchers.erase(watcher);
}

int DeviceHub::watcher_count() const
{
    std::lock_guard lock(m_mutex);
    return static_cast<int>(m_watchers.size());
}

std::optional<std::string> DeviceHub::next_event(int watcher, std::chrono::milliseconds timeout)
{
    std::unique_lock lock(m_mutex);
    auto ready = [&] {
        auto found = m_watchers.find(watcher);
        return m_stopped || found == m_watchers.end() || !found->second.empty();
    };
    m_changed.wait_for(lock, timeout, ready);
    auto found = m_watchers.find(watcher);
    if (m_stopped || found == m_watchers.end() || found->second.empty())
        return std::nullopt;
    std::string line = std::move(found->second.front());
    found->second.pop_front();
    return line;
}

void DeviceHub::stop()
{
    std::lock_guard lock(m_mutex);
    m_stopped = true;
    m_changed.notify_all();
}

bool DeviceHub::stopping() const
{
    std::lock_guard lock(m_mutex);
    return m_stopped;
}

}
