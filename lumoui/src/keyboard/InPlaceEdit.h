#pragma once

#include <lumoui/Types.h>

#include <functional>

namespace LumoUI {

class MEdit;
class MPanel;

// The edit control a list shows over one of its rows while the user changes
// that row's text (DListBox names, CRecordList delays). It is a child of the
// list, created on first use and hidden between edits.
//
// The edit ends when it loses the focus (Enter, a press elsewhere, Tab): the
// list passes its children's notifications through OnChildMessage, and on
// the edit's NOTIFY_EDITEND the `onEnd` callback runs (the list stores the
// text and calls Finish). A press inside the edit leaves the focus where it
// is, so it does not end the edit. Window thread only.
class InPlaceEdit {
public:
    InPlaceEdit(MPanel& list, unsigned editId, std::function<void()> onEnd);

    // Shows the edit over `rect` (content coordinates of the list) with
    // `text`, caret at the end, and gives it the focus.
    void Begin(CRect rect, CString const& text);
    // Hides the edit and gives up its focus; returns the text it held.
    CString Finish();
    bool IsActive() const { return m_active; }
    MEdit* Edit() const { return m_edit; }

    // True when the message came from the edit (the list swallows it).
    bool OnChildMessage(unsigned id, unsigned code);

private:
    MPanel& m_list;
    unsigned m_edit_id;
    std::function<void()> m_on_end;
    MEdit* m_edit { nullptr };
    bool m_active { false };
};

}
