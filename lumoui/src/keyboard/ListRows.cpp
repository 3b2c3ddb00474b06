#include "keyboard/ListRows.h"

#include <lumoui/Panel.h>

#include <algorithm>

namespace LumoUI {

ListRows ListRows::Of(MPanel const& panel, int rowHeight, int count)
{
    ListRows rows;
    rows.panel = panel.GetRect();
    rows.row_height = std::max(rowHeight, 1);
    rows.count = count;
    rows.scroll_offset = panel.GetScrollOffset().y;
    MScrollBar const* bar = panel.GetScrollVertical();
    int const barWidth = bar != nullptr && bar->IsVisible() ? bar->GetRect().Width() : 0;
    rows.row_width = rows.panel.Width() - barWidth;
    return rows;
}

CRect ListRows::ContentRowRect(int index) const
{
    int const top = panel.top + index * row_height;
    return { panel.left, top, panel.left + row_width, top + row_height };
}

CRect ListRows::RowRect(int index) const
{
    CRect rect = ContentRowRect(index);
    rect.OffsetRect(0, -scroll_offset);
    return rect;
}

int ListRows::RowAt(CPoint pt) const
{
    if (!panel.PtInRect(pt) || pt.x >= panel.left + row_width)
        return -1;
    int const index = (pt.y - panel.top + scroll_offset) / row_height;
    return index >= 0 && index < count ? index : -1;
}

int ListRows::FirstVisible() const
{
    return count > 0 ? std::min(scroll_offset / row_height, count - 1) : -1;
}

int ListRows::LastVisible() const
{
    if (count <= 0)
        return -2;
    int const bottom = scroll_offset + std::max(panel.Height(), 1) - 1;
    return std::min(bottom / row_height, count - 1);
}

void SetListContent(MPanel& panel, int rowHeight, int count, ListScroll scroll)
{
    panel.SetVirtualHeight(count * rowHeight);
    MScrollBar* bar = panel.GetScrollVertical();
    if (bar == nullptr || scroll == ListScroll::Keep)
        return;
    bar->SetPos(scroll == ListScroll::ToEnd ? bar->GetRange() : 0, false);
}

}
