#include "platform/SingleInstance.h"

#include <utility>

namespace Tessera {

bool InstanceInbox::Deliver(InstanceMessage const& message)
{
    std::lock_guard lock(m_mutex);
    if (m_handler) {
        m_handler(message);
        return true;
    }
    if (m_queued.size() >= kMaxQueued)
        return false;
    m_queued.push_back(message);
    return true;
}

void InstanceInbox::SetHandler(Handler handler)
{
    std::lock_guard lock(m_mutex);
    m_handler = std::move(handler);
    if (!m_handler)
        return;
    while (!m_queued.empty()) {
        m_handler(m_queued.front());
        m_queued.pop_front();
    }
}

std::deque<InstanceMessage> InstanceInbox::TakeQueued()
{
    std::lock_guard lock(m_mutex);
    return std::exchange(m_queued, {});
}

}
