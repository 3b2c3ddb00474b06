#include "app/WindowMessageTable.h"

namespace Tessera {

void WindowMessageTable::Add(unsigned message, Handler handler) { m_rows[message] = std::move(handler); }

bool WindowMessageTable::Handles(unsigned message) const { return m_rows.contains(message); }

std::optional<LumoUI::LRESULT> WindowMessageTable::Dispatch(unsigned message, LumoUI::WPARAM wParam, LumoUI::LPARAM lParam) const
{
    auto row = m_rows.find(message);
    if (row == m_rows.end())
        return std::nullopt;
    return row->second(wParam, lParam);
}

}
