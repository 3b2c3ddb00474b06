#pragma once

#include <lumoui/Types.h>

namespace LumoUI {

class MEdit;
class MPanel;

// The edit control a list shows over one of its rows while the user changes
// that row's text (DListBox names, CRecordList delays). It is a child of the
// list, created on first use and hidden between edits.
//
// When the edit loses the focus the end is decided one turn of the message
// loop later: a press inside the edit itself first takes the focus away (the
// paint manager gives it to the top-level control under the mouse) and then
// hands it back to the edit, and that must not end the edit. The list calls
// OnChildMessage from its OnMessage and OnTimer from its OnControlTimer.
// Window thread only.
class InPlaceEdit {
public:
    InPlaceEdit(MPanel& list, unsigned editId);

    // Shows the edit over `rect` (content coordinates of the list) with
    // `text`, caret at the end, and gives it the focus.
    void Begin(CRect rect, CString const& text);
    // Hides the edit and gives up its focus; returns the text it held.
    CString Finish();
    bool IsActive() const { return m_active; }
    MEdit* Edit() const { return m_edit; }

    // True when the message came from the edit (the list swallows it).
    bool OnChildMessage(unsigned id, unsigned code);
    // The list lost the focus: the edit ends unless the edit holds it again
    // by the next turn of the loop.
    void ScheduleEndCheck();
    // True when the edit gave up the focus for good: the list ends the edit.
    bool OnTimer();

private:
    MPanel& m_list;
    unsigned m_edit_id;
    MEdit* m_edit { nullptr };
    bool m_active { false };
    bool m_end_pending { false };
};

}
