#include "emulator/daemon/Session.h"

#include "emulator/daemon/Control.h"
#include "emulator/wire/InterfaceRecord.h"

#include <algorithm>
#include <sstream>

namespace Tessera::Emulator {

namespace {
constexpr auto kWatchSlice = std::chrono::milliseconds(100);
constexpr int kReadSliceMs = 200;

std::pair<std::string, std::string> split_verb(std::string const& line)
{
    auto space = line.find(' ');
    if (space == std::string::npos)
        return { line, {} };
    return { line.substr(0, space), line.substr(space + 1) };
}

InterfaceRecord record_of(HidInterface const& hid)
{
    return { hid.path, hid.vid, hid.pid, hid.release, hid.usagePage, hid.usage, hid.interfaceNumber, hid.bluetooth,
        hid.manufacturer, hid.product, hid.serial };
}
}

Session::Session(DeviceHub& hub, LineChannel& channel, ControlContext const& control)
    : m_hub(hub)
    , m_channel(channel)
    , m_control(control)
{
}

void Session::run()
{
    while (auto line = m_channel.read_line()) {
        if (!line->empty() && line->back() == '\r')
            line->pop_back();
        if (*line == "watch") {
            watch();
            break;
        }
        if (!handle(*line))
            break;
    }
    if (m_handle >= 0)
        m_hub.close(m_handle);
}

void Session::watch()
{
    int watcher = m_hub.add_watcher();
    while (!m_channel.peer_closed()) {
        auto event = m_hub.next_event(watcher, kWatchSlice);
        if (event && !m_channel.send_line(*event))
            break;
        if (!event && m_hub.stopping())
            break;
    }
    m_hub.remove_watcher(watcher);
}

bool Session::answer(TransferResult const& result, bool with_bytes)
{
    if (result.count < 0)
        return m_channel.send_line("err " + result.error);
    if (with_bytes)
        return m_channel.send_line(result.bytes.empty() ? "ok" : "ok " + to_hex(result.bytes));
    return m_channel.send_line("ok " + std::to_string(result.count));
}

void Session::reply_read(int timeout_ms)
{
    // Wait in slices, so a client that went away mid-read frees this thread.
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
    while (true) {
        int slice = kReadSliceMs;
        if (timeout_ms >= 0) {
            auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            slice = static_cast<int>(std::clamp<long long>(left.count(), 0, kReadSliceMs));
        }
        auto result = m_hub.read(m_handle, slice);
        bool time_is_up = timeout_ms >= 0 && std::chrono::steady_clock::now() >= deadline;
        if (result.count != 0 || time_is_up || m_channel.peer_closed()) {
            answer(result, true);
            return;
        }
    }
}

bool Session::handle(std::string const& line)
{
    auto [verb, rest] = split_verb(line);
    Bytes bytes;
    if (verb == "hello")
        return m_channel.send_line("ok tessera-emulator 1");
    if (verb == "enumerate") {
        for (auto const& hid : m_hub.enumerate()) {
            if (!m_channel.send_line("= " + encode_record(record_of(hid))))
                return false;
        }
        return m_channel.send_line("ok");
    }
    if (verb == "open") {
        if (m_handle >= 0)
            m_hub.close(m_handle);
        std::string error;
        m_handle = m_hub.open(rest, error);
        return m_channel.send_line(m_handle >= 0 ? "ok" : "err " + error);
    }
    if (verb == "info") {
        auto hid = m_hub.handle_interface(m_handle);
        if (!hid)
            return m_channel.send_line("err device not open");
        return m_channel.send_line("= " + encode_record(record_of(*hid))) && m_channel.send_line("ok");
    }
    if (verb == "read") {
        char* end = nullptr;
        long timeout = std::strtol(rest.c_str(), &end, 10);
        if (rest.empty() || *end != '\0')
            return m_channel.send_line("err bad time-out");
        reply_read(static_cast<int>(std::max(-1L, std::min(timeout, 3600000L))));
        return true;
    }
    if (verb == "write" || verb == "set-feature" || verb == "get-feature") {
        if (!from_hex(rest, bytes))
            return m_channel.send_line("err bad hex data");
        if (verb == "write")
            return answer(m_hub.write(m_handle, bytes), false);
        if (verb == "set-feature")
            return answer(m_hub.set_feature(m_handle, bytes), false);
        return answer(m_hub.get_feature(m_handle, bytes), true);
    }
    if (verb == "ctl") {
        std::istringstream words_in(rest);
        std::vector<std::string> words;
        for (std::string word; words_in >> word;)
            words.push_back(word);
        auto result = run_control(m_control, words);
        for (auto const& out : result.lines) {
            if (!m_channel.send_line("= " + out))
                return false;
        }
        return m_channel.send_line(result.ok ? "ok" : "err " + result.error);
    }
    return m_channel.send_line("err unknown request: " + verb);
}

}
