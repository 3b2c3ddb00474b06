#pragma once

#include <lumoui/Types.h>

namespace LumoUI {

class MPanel;

// Where the rows of a scrolling list lie: rows of equal height, as wide as
// the panel less its vertical scroll bar while that is shown, moved up by
// the panel's scroll offset. Shared by DListBox and CRecordList.
struct ListRows {
    CRect panel; // the panel's rectangle (dialog client coordinates)
    int row_height { 32 };
    int count { 0 };
    int scroll_offset { 0 }; // pixels the content is moved up
    int row_width { 0 };

    static ListRows Of(MPanel const& panel, int rowHeight, int count);

    // Row `index` on screen (it may lie outside the panel).
    CRect RowRect(int index) const;
    // Row `index` as if unscrolled (where child controls are laid out).
    CRect ContentRowRect(int index) const;
    // The row under a point, -1 for none.
    int RowAt(CPoint pt) const;
    // First and last row that show, -1 and -2 for an empty list.
    int FirstVisible() const;
    int LastVisible() const;
};

enum class ListScroll { Keep, ToTop, ToEnd };
// Makes `panel` scroll over `count` rows and moves the scroll bar as asked
// (Keep leaves the position, clamped to the new range).
void SetListContent(MPanel& panel, int rowHeight, int count, ListScroll scroll);

}
