#pragma once

#include <lumoui/ControlFont.h>
#include <lumoui/Export.h>
#include <lumoui/MPopupWnd.h>
#include <lumoui/Panel.h>

#include <memory>
#include <vector>

namespace LumoUI {

class CComboBoxWnd;
class MComboBox;

// One entry of a combo box.
struct ComboItem {
    CString text;
    long data { 0 };
    CString icon;
    MImage icon_image;
    // ARGB colour of a colour combo's swatch (0 = none).
    ARGB color { 0 };
};

// "CComboBoxList": the panel inside the drop-down: one 30-pixel row per
// item with the current one highlighted; scrolls when the rows do not fit.
// A click on a row notifies NOTIFY_CLICK with wParam = the item index.
class LUMOUI_API CComboBoxList : public MPanel {
public:
    static constexpr int kRowHeight = 30;
    static constexpr unsigned kFirstRowId = 100;

    explicit CComboBoxList(int visible = 1);
    wchar_t const* GetClassNameW() override;
    // Builds one row per item (copies the items).
    void SetItems(std::vector<ComboItem> const& items, int current, bool colorSwatches, bool centered);
    int GetRowCount() const { return m_rows; }

private:
    int m_rows { 0 };
};

// The drop-down of MComboBox: opened below the box at its screen position,
// as wide as the box and 30 pixels per row for at most 5 rows. Picking a
// row sends code 2 with lParam 19 to the combo box and closes the window;
// losing the activation closes it without a change.
class LUMOUI_API CComboBoxWnd : public MPopupWnd {
public:
    static constexpr int kMaxVisibleRows = 5;
    static constexpr LPARAM kPickedFromList = 19;

    explicit CComboBoxWnd(MComboBox* combo);
    ~CComboBoxWnd() override;

    // Opens under the combo box; null when the box has no window or no items.
    HWND Open();
    LRESULT OnMessage(unsigned id, unsigned code, WPARAM wParam, LPARAM lParam) override;
    void InitUI(CRect client) override;
    CComboBoxList* GetList() const { return m_list; }
    // Height for n items: 30 per row, at most 5 rows.
    static int HeightForItems(int count);

private:
    MComboBox* m_combo;
    CComboBoxList* m_list { nullptr };
};

// "MComboBox": shows the selected item; a click opens the drop-down list
// (CComboBoxWnd) below it (a click on the box while it is open closes it). Picking a row closes the list, selects the row
// and notifies NOTIFY_CLICK with wParam = the new index. SetCurSel and
// SelectData select silently. Invalid indexes change nothing and return
// -1 (or 0 for data). The face is the control's image strip (normal,
// hover, open, disabled; nine-grid) with the text over it.
// Window thread only.
class LUMOUI_API MComboBox : public MControlFont {
public:
    MComboBox(int visible = 1, int enabled = 1);
    ~MComboBox() override;

    void DrawControl(MGraphics& g, CRect clip) override;
    int OnControlMouseMove(unsigned flags, CPoint pt) override;
    int OnControlLButtonDown(unsigned flags, CPoint pt) override;
    int OnControlLButtonUp(unsigned flags, CPoint pt) override;
    // Up/Down while focused select the previous/next item and notify like a pick.
    int OnControlKeyDown(unsigned vk, unsigned repeat, unsigned modifiers) override;
    LRESULT OnMessage(unsigned id, unsigned code, WPARAM wParam, LPARAM lParam) override;
    void SetControlEnabled(int enabled) override;
    void SetControlVisible(int visible) override;

    int AddItem(wchar_t const* text, long data = 0, wchar_t const* icon = nullptr, ARGB color = 0);
    // index -1 or past the end appends; returns the index.
    int InsertItem(int index, wchar_t const* text, long data = 0, wchar_t const* icon = nullptr, ARGB color = 0);
    void DelAllItems();
    // -1 for an invalid index; the selection follows the removal.
    int DeleteItem(int index);
    int GetCount() const { return static_cast<int>(m_items.size()); }
    // -1 clears the selection; an invalid index changes nothing. Returns
    // the selection after the call.
    int SetCurSel(int index);
    int GetCurSel() const { return m_cur; }
    // Data of the selected item, 0 when nothing is selected.
    long GetCurData() const;
    // Selects the first item with this data; its index or -1.
    int SelectData(long data);
    int FindData(long data) const;
    int SetItemData(int index, long data);
    long GetItemData(int index) const;
    int SetItemText(int index, CString const& text);
    CString GetItemText(int index) const;
    std::vector<ComboItem> const& GetItems() const { return m_items; }
    // Background image of the drop-down (nine-grid, corner 8); default
    // "bk_combo_drop.png".
    int SetBackImage(wchar_t const* file);
    CString GetBackImage() const { return m_back_image; }
    void SetScrollResID(unsigned vertical, unsigned horizontal);
    // 1 = texts centred in the box and the list.
    void SetShowModeMID(int on);

    // The drop-down; null while closed.
    CComboBoxWnd* GetDropDown() const;
    bool IsDropped() const;
    void ShowDropDown(bool show);

protected:
    bool m_color_swatches { false };

private:
    friend class CComboBoxWnd;
    void Picked(int index);

    std::vector<ComboItem> m_items;
    int m_cur { -1 };
    bool m_hover { false };
    bool m_down { false };
    bool m_swallow_release { false };
    int m_centered { 0 };
    CString m_back_image;
    unsigned m_scroll_v { 102 };
    unsigned m_scroll_h { 101 };
    std::unique_ptr<CComboBoxWnd> m_drop;
};

// A combo box whose items are shown as colour swatches.
class LUMOUI_API CColorCombo : public MComboBox {
public:
    CColorCombo(int visible = 1, int enabled = 1);
};

}
