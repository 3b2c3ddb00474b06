#include "emulator/daemon/ReportTrace.h"

#include <cstdio>

namespace Tessera::Emulator {

ReportTrace::ReportTrace()
    : m_start(std::chrono::steady_clock::now())
{
}

void ReportTrace::add(std::string direction, std::string path, Bytes bytes, bool ok)
{
    if (m_entries.size() >= kCapacity)
        m_entries.pop_front();
    std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - m_start;
    m_entries.push_back({ elapsed.count(), std::move(direction), std::move(path), std::move(bytes), ok });
}

std::string ReportTrace::format(TraceEntry const& entry)
{
    char time[32];
    std::snprintf(time, sizeof time, "%.3f", entry.milliseconds);
    return std::string(time) + " " + entry.direction + (entry.ok ? "" : "!") + " " + entry.path + " "
        + to_hex(entry.bytes);
}

}
