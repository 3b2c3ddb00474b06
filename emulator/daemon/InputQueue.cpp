#include "emulator/daemon/InputQueue.h"

namespace Tessera::Emulator {

void InputQueue::push(Bytes report, Clock::time_point ready_at)
{
    if (m_reports.size() >= kCapacity) {
        m_reports.pop_front();
        ++m_dropped;
    }
    // Reports stay in order: one never overtakes an earlier, more delayed one.
    if (!m_reports.empty() && ready_at < m_reports.back().readyAt)
        ready_at = m_reports.back().readyAt;
    m_reports.push_back({ std::move(report), ready_at });
}

std::optional<Bytes> InputQueue::pop_ready(Clock::time_point now)
{
    if (m_reports.empty() || m_reports.front().readyAt > now)
        return std::nullopt;
    Bytes report = std::move(m_reports.front().report);
    m_reports.pop_front();
    return report;
}

std::optional<InputQueue::Clock::time_point> InputQueue::next_ready() const
{
    if (m_reports.empty())
        return std::nullopt;
    return m_reports.front().readyAt;
}

}
