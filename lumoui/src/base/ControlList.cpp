#include <lumoui/Control.h>
#include <lumoui/ControlList.h>

#include <algorithm>

namespace LumoUI {

ControlList::ControlList() = default;

ControlList::~ControlList() { Clear(); }

MControl* ControlList::Add(std::unique_ptr<MControl> control)
{
    if (!control)
        return nullptr;
    std::lock_guard lock(m_mutex);
    m_items.push_back(std::move(control));
    return m_items.back().get();
}

std::unique_ptr<MControl> ControlList::Take(MControl* control)
{
    std::lock_guard lock(m_mutex);
    auto it = std::find_if(m_items.begin(), m_items.end(), [control](auto const& p) { return p.get() == control; });
    if (it == m_items.end())
        return nullptr;
    std::unique_ptr<MControl> taken = std::move(*it);
    m_items.erase(it);
    return taken;
}

bool ControlList::Remove(MControl* control)
{
    // Deleted outside the lock: a destructor may walk other lists.
    std::unique_ptr<MControl> taken = Take(control);
    return taken != nullptr;
}

void ControlList::Clear()
{
    std::vector<std::unique_ptr<MControl>> items;
    {
        std::lock_guard lock(m_mutex);
        items.swap(m_items);
    }
    for (auto& item : items)
        item.reset();
}

bool ControlList::Contains(MControl const* control) const { return IndexOf(control) >= 0; }

int ControlList::IndexOf(MControl const* control) const
{
    std::lock_guard lock(m_mutex);
    for (size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i].get() == control)
            return static_cast<int>(i);
    return -1;
}

size_t ControlList::Size() const
{
    std::lock_guard lock(m_mutex);
    return m_items.size();
}

MControl* ControlList::At(size_t index) const
{
    std::lock_guard lock(m_mutex);
    return index < m_items.size() ? m_items[index].get() : nullptr;
}

std::vector<MControl*> ControlList::Snapshot() const
{
    std::lock_guard lock(m_mutex);
    std::vector<MControl*> out;
    out.reserve(m_items.size());
    for (auto const& item : m_items)
        out.push_back(item.get());
    return out;
}

}
