#pragma once

#include <lumoui/Export.h>
#include <lumoui/Panel.h>
#include <lumoui/Types.h>

#include <memory>
#include <mutex>
#include <vector>

namespace LumoUI {

class InPlaceEdit;
template<typename List>
struct ListLogic;
class MEdit;
class MImageList;

// Actions of a macro event row.
enum : int { RECORD_ACTION_KEYDOWN = 2, RECORD_ACTION_KEYUP = 3 };

// One macro event row, owned by the list (GetRecordItems hands out pointers
// that stay valid until the row is deleted).
struct RecordItem {
    CString text; // first column: the key's name
    int action { 0 }; // 2 "Key Down", 3 "Key Up"; other values show nothing
    int key_code { 0 }; // not shown; kept for the program
    int delay { 0 }; // milliseconds after the event; third column
    CRect rect; // row rectangle, recomputed at every paint
};

// "CRecordList": the three-column list of a macro's events (key, action,
// delay), 32-pixel rows that scroll vertically. The delay of the selected
// row can be edited in place (ShowEdit).
//
// Notifications (id, code, wParam, lParam):
//    1 NOTIFY_LBUTTONDOWN  left press on a row (it becomes the selection), wParam = row
//    5 NOTIFY_RBUTTONUP    right release inside, wParam = selected row
//   29 NOTIFY_EDITEND      a delay edit ended with a changed value, lParam = row
//
// Threads: window thread; the rows have their own lock because painting may
// interleave with the program's calls (recording appends rows).
class LUMOUI_API CRecordList : public MPanel {
public:
    explicit CRecordList(int visible = 1);
    ~CRecordList() override;

    // Appends a row and scrolls to it; returns its index.
    int AddString(CString const& text, int action, int keyCode, int delay);
    // Sets the delay of the last row; false when the list is empty.
    bool UpdateDelayTime(int delay);
    std::vector<RecordItem*> GetRecordItems();
    // 0 for an invalid index; hover and selection become -1.
    int DeleteItem(int index);
    int DeleteAllItems();
    int GetItemCount();
    int GetCurSel() const { return m_selected; }
    // -1..count-1 (else 0 and nothing changes); no notification.
    int SetCurSel(int index);
    int GetHoverIndex() const { return m_hover; }
    void SetItemHeight(int height);
    int GetItemHeight() const { return m_row_height; }
    void SetImageList(MImageList* images) { m_image_list = images; }
    // Both valid and different; no repaint.
    int SwapItem(int a, int b);
    void SetHoverColor(ARGB color) { m_hover_color = color; }
    void SetSelectColor(ARGB color) { m_select_color = color; }

    // Edits the selected row's delay in place; it ends on a press on another
    // row or when the list loses the focus (Enter does that).
    void ShowEdit();
    void HideEdit();
    int GetEditIndex() const { return m_edit_index; }
    MEdit* GetEditControl() const;

    // Column rectangles of a row (key, action, delay).
    static CRect ColumnRect(CRect row, int column);

    // ---- MControl ----
    void SetControlRect(CRect rc) override;
    void DrawControl(MGraphics& g, CRect clip) override;
    LRESULT OnMessage(unsigned id, unsigned code, WPARAM wParam, LPARAM lParam) override;
    int OnControlMouseMove(unsigned flags, CPoint pt) override;
    int OnControlLButtonDown(unsigned flags, CPoint pt) override;
    int OnControlRButtonUp(unsigned flags, CPoint pt) override;

private:
    friend struct ListLogic<CRecordList>;
    int RowAt(CPoint pt);
    void Paint(MGraphics& g);

    mutable std::mutex m_lock; // the rows
    std::vector<std::unique_ptr<RecordItem>> m_items;
    int m_hover { -1 };
    int m_selected { -1 };
    int m_row_height { 32 };
    ARGB m_hover_color;
    ARGB m_select_color;
    MImageList* m_image_list { nullptr };
    int m_edit_index { -1 };
    std::unique_ptr<InPlaceEdit> m_in_place;
};

}
