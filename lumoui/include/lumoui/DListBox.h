#pragma once

#include <lumoui/Export.h>
#include <lumoui/Image.h>
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

// One entry of a DListBox.
struct DListItem {
    CString text;
    int image { -1 }; // index into the image list; -1 when added with AddItem
    long data { 0 };
};

// "DListBox": a vertical list of named entries, each with an optional icon
// and an integer, that the user can rename in place. Rows are 32 pixels high
// and scroll through the panel's vertical scroll bar.
//
// Notifications (id, code, wParam, lParam):
//    1 NOTIFY_LBUTTONDOWN  left press on an entry (it becomes the selection), wParam = index
//    2 NOTIFY_CLICK        left release on an entry, wParam = index
//    5 NOTIFY_RBUTTONUP    right release inside, wParam = selected index
//   29 NOTIFY_EDITEND      a rename ended with a changed text, lParam = index
//
// Threads: window thread. The entries have their own lock because painting
// may interleave with the program's calls.
class LUMOUI_API DListBox : public MPanel {
public:
    explicit DListBox(int visible = 1);
    ~DListBox() override;

    // Appends, shows the scroll bar when needed and scrolls to the new entry.
    int AddString(wchar_t const* text, long data, int image);
    int AddString(wchar_t const* text, int image);
    // index -1 appends; an index outside -1..count-1 gives -1; otherwise the
    // entry is inserted before `index`. Returns count - 1.
    int InsertString(int index, wchar_t const* text, int image, long data);
    // Appends an entry without image and scrolls back to the top.
    int AddItem(wchar_t const* text, long data);
    // 0 for an invalid index; hover and selection become -1.
    int DeleteItem(int index);
    int DeleteAllItems();

    int GetItemCount();
    int GetCurSel() const { return m_selected; }
    // -1..count-1 (else 0 and nothing changes); no notification.
    int SetCurSel(int index);
    int GetHoverIndex() const { return m_hover; }
    long GetItemData(int index);
    int SetItemData(int index, long data);
    int FindItemData(long data);
    int FindString(wchar_t const* text);
    // Data of the selected entry, 0 when none.
    int GetCurData();
    // Selects the first entry with this data; its index or -1.
    int SetCurData(long data);
    CString GetItemText(int index);
    // No repaint.
    int ModifyItemString(int index, wchar_t const* text);
    // Screen rectangle of an entry's row (empty for an invalid index).
    CRect GetItemRect(int index);
    // Both valid and different; no repaint.
    int SwapItem(int a, int b);

    void SetItemHeight(int height);
    int GetItemHeight() const { return m_row_height; }
    // Icons by image index (not owned; must outlive the list).
    void SetImageList(MImageList* images) { m_image_list = images; }
    // The per-row icon strip (SetImage from MControlFont): frame 1 for the
    // selected row, frame 0 for the others, centred in the icon area.
    // The frame image drawn (nine-grid, corner 6) behind the row being renamed.
    void SetEditImage(wchar_t const* file, int frames);
    void SetHoverColor(ARGB color) { m_hover_color = color; }
    void SetSelectColor(ARGB color) { m_select_color = color; }

    // In-place renaming: allowed only after EnableEdit(1).
    void EnableEdit(int enable) { m_edit_allowed = enable; }
    int IsEditEnabled() const { return m_edit_allowed; }
    // Starts renaming the selected entry (editing allowed, enabled, a
    // selection). It ends on a press on another entry or when the list loses
    // the focus (Enter does that); a changed text is stored and reported (29).
    void ShowEdit();
    void HideEdit();
    int GetEditIndex() const { return m_edit_index; }
    // The in-place edit; null before the first rename.
    MEdit* GetEditControl() const;

    // ---- MControl ----
    void SetControlRect(CRect rc) override;
    void DrawControl(MGraphics& g, CRect clip) override;
    LRESULT OnMessage(unsigned id, unsigned code, WPARAM wParam, LPARAM lParam) override;
    int OnControlMouseMove(unsigned flags, CPoint pt) override;
    int OnControlLButtonDown(unsigned flags, CPoint pt) override;
    int OnControlLButtonUp(unsigned flags, CPoint pt) override;
    int OnControlRButtonUp(unsigned flags, CPoint pt) override;

private:
    friend struct ListLogic<DListBox>;
    int RowAt(CPoint pt);
    CRect TextRect(CRect row) const;
    void Paint(MGraphics& g);

    mutable std::mutex m_lock; // the entries
    std::vector<DListItem> m_items;
    int m_hover { -1 };
    int m_selected { -1 };
    int m_row_height { 32 };
    int m_icon_width { 50 };
    ARGB m_hover_color;
    ARGB m_select_color;
    MImageList* m_image_list { nullptr };
    int m_edit_allowed { 0 };
    int m_edit_index { -1 };
    std::unique_ptr<InPlaceEdit> m_in_place;
    COLORREF m_edit_back { 0x351806 };
    MImage m_edit_image;
    CSize m_edit_frame;
};

}
