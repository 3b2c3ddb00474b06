#pragma once

#include "emulator/wire/Bytes.h"

#include <chrono>
#include <deque>
#include <string>
#include <vector>

namespace Tessera::Emulator {

// One report that crossed an emulated interface.
struct TraceEntry {
    double milliseconds { 0 }; // since the daemon started
    std::string direction;     // "write", "set-feature", "get-feature", "reply", "unsolicited"
    std::string path;
    Bytes bytes;
    bool ok { true };          // false: the transfer failed (fault, unplugged, rejected)
};

// The most recent reports, oldest first; older ones fall off. Not thread-safe.
class ReportTrace {
public:
    static constexpr std::size_t kCapacity = 20000;

    ReportTrace();
    void add(std::string direction, std::string path, Bytes bytes, bool ok);
    std::vector<TraceEntry> entries() const { return { m_entries.begin(), m_entries.end() }; }
    void clear() { m_entries.clear(); }
    static std::string format(TraceEntry const& entry);

private:
    std::chrono::steady_clock::time_point m_start;
    std::deque<TraceEntry> m_entries;
};

}
