#include "app/NotificationTable.h"

namespace Tessera {

void NotificationTable::Add(unsigned firstId, unsigned lastId, unsigned code, Handler handler)
{
    m_rows.push_back({ firstId, lastId, code, std::move(handler) });
}

NotificationTable::Row const* NotificationTable::Find(unsigned id) const
{
    for (Row const& row : m_rows) {
        if (id >= row.firstId && id <= row.lastId)
            return &row;
    }
    return nullptr;
}

bool NotificationTable::Handles(unsigned id) const { return Find(id) != nullptr; }

LumoUI::LRESULT NotificationTable::Dispatch(unsigned id, unsigned code, LumoUI::WPARAM wParam, LumoUI::LPARAM lParam) const
{
    Row const* row = Find(id);
    if (!row)
        return 0;
    if (row->code == kAnyCode || row->code == code)
        row->handler(id, code, wParam, lParam);
    return 1;
}

}
