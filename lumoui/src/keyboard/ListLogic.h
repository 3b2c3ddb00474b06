#pragma once

// The row rules DListBox and CRecordList share: removing rows, selection,
// hover, presses and the in-place edit's notifications. Each list keeps its
// own rows (m_items under m_lock), hover, selection and edit index, and
// makes ListLogic<itself> a friend. Window thread only.

#include <lumoui/Messages.h>

#include "keyboard/InPlaceEdit.h"
#include "keyboard/ListRows.h"

#include <mutex>

namespace LumoUI {

template<typename List>
struct ListLogic {
    // After rows changed: new scroll range, every face redrawn.
    static void ContentChanged(List& list, ListScroll scroll)
    {
        SetListContent(list, list.m_row_height, Count(list), scroll);
        list.SetUpdate(0, 0);
        list.UpdateControl(1, 0);
    }

    static int Count(List& list)
    {
        std::lock_guard lock(list.m_lock);
        return static_cast<int>(list.m_items.size());
    }

    static int RowAt(List& list, CPoint pt) { return ListRows::Of(list, list.m_row_height, Count(list)).RowAt(pt); }

    // 0 for an invalid index; hover and selection become -1.
    static int DeleteItem(List& list, int index)
    {
        list.HideEdit();
        {
            std::lock_guard lock(list.m_lock);
            if (index < 0 || index >= static_cast<int>(list.m_items.size()))
                return 0;
            list.m_items.erase(list.m_items.begin() + index);
        }
        list.m_hover = -1;
        list.m_selected = -1;
        ContentChanged(list, ListScroll::Keep);
        return 1;
    }

    static int DeleteAllItems(List& list)
    {
        list.HideEdit();
        {
            std::lock_guard lock(list.m_lock);
            list.m_items.clear();
        }
        list.m_hover = -1;
        list.m_selected = -1;
        ContentChanged(list, ListScroll::ToTop);
        return 1;
    }

    // -1..count-1 (else 0 and nothing changes); a rename of another row ends.
    static int SetCurSel(List& list, int index)
    {
        if (index < -1 || index >= Count(list))
            return 0;
        if (index != list.m_selected) {
            if (list.m_edit_index >= 0 && index != list.m_edit_index)
                list.HideEdit();
            list.m_selected = index;
            list.UpdateControl(1, 0);
        }
        return 1;
    }

    static int MouseMove(List& list, CPoint pt)
    {
        int const before = list.m_hover;
        list.m_hover = RowAt(list, pt);
        if (list.m_hover != before)
            list.UpdateControl(1, 0);
        return list.GetRect().PtInRect(pt) ? 1 : 0;
    }

    // A press on a row selects it (ending an edit of another row) and
    // reports NOTIFY_LBUTTONDOWN with the row.
    static int LButtonDown(List& list, CPoint pt)
    {
        int const index = RowAt(list, pt);
        if (index < 0)
            return list.GetRect().PtInRect(pt) ? 1 : 0;
        if (list.m_edit_index >= 0 && index != list.m_edit_index)
            list.HideEdit();
        list.m_selected = index;
        list.UpdateControl(1, 0);
        list.SendMessageW(NOTIFY_LBUTTONDOWN, static_cast<WPARAM>(index), 0);
        return 1;
    }

    static int RButtonUp(List& list, CPoint pt)
    {
        if (!list.GetRect().PtInRect(pt))
            return 0;
        list.SendMessageW(NOTIFY_RBUTTONUP, static_cast<WPARAM>(list.m_selected), 0);
        return 1;
    }

    // Ends the in-place edit: `store(item, text)` keeps the edited text in
    // the row and returns true when that changed it; then NOTIFY_EDITEND
    // reports the row (lParam).
    template<typename Store>
    static void EndEdit(List& list, Store const& store)
    {
        int const index = list.m_edit_index;
        if (index < 0 || !list.m_in_place)
            return;
        list.m_edit_index = -1;
        CString const text = list.m_in_place->Finish();
        bool changed = false;
        {
            std::lock_guard lock(list.m_lock);
            if (index < static_cast<int>(list.m_items.size()))
                changed = store(list.m_items[static_cast<size_t>(index)], text);
        }
        list.UpdateControl(1, 0);
        if (changed)
            list.SendMessageW(NOTIFY_EDITEND, 0, static_cast<LPARAM>(index));
    }

    // The edit's own notifications stay inside the list.
    static bool SwallowEditMessage(List& list, unsigned id, unsigned code)
    {
        return list.m_in_place && list.m_in_place->OnChildMessage(id, code);
    }
};

}
