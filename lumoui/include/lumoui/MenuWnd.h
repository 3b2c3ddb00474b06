#pragma once

#include <lumoui/ButtonBase.h>
#include <lumoui/Dialog.h>
#include <lumoui/Export.h>

#include <vector>

namespace LumoUI {

// "MenuItem": one entry of a MenuWnd (class name "MenuItem"): a title, an
// optional 4-frame icon, and a check flag for checkable entries; states as
// the buttons' plus 6 = checked and pressed. A separator is an item
// without text drawn as a line. Notifies 1 on a press (wParam = check) and,
// for plain items, 2 on a click (wParam = check); a checkable item's
// release toggles its check silently.
class LUMOUI_API MenuItem : public MButtonBase {
public:
    explicit MenuItem(CString const& title = L"", int visible = 1);
    wchar_t const* GetClassNameW() override;
    void DrawControl(MGraphics& g, CRect clip) override;

    void SetIcon(MImage icon, int frames = 4);
    bool HasIcon() const { return !m_icon.IsNull(); }
    int GetIconWidth() const;
    void SetCheckable(bool on) { m_checkable = on; }
    bool IsCheckable() const { return m_checkable; }
    int GetCheck() const { return m_check; }
    void SetCheck(int check) { SetCheckValue(check ? 1 : 0); }
    void SetSeparator(bool on) { m_separator = on; }
    bool IsSeparator() const { return m_separator; }
    void SetSelectColor(ARGB color) { m_select_color = color; }
    void SetTextMargin(int margin) { m_text_margin = margin; }
    int GetState() const;

protected:
    void OnPressed() override;
    void OnClicked() override;
    bool ShowsChecked() const override { return false; }

private:
    MImage m_icon;
    int m_icon_frames { 4 };
    bool m_checkable { false };
    bool m_separator { false };
    ARGB m_select_color { 0xFF10A8FD };
    int m_text_margin { 5 };
};

// "MenuWnd": a skinned pop-up menu. The program creates it on the heap,
// calls Create and AddMenu for each entry, and deletes it after it closed.
// A click on an entry posts `msg` to the owner window with wParam = the
// entry's check state (0 for plain entries) and lParam = its id, and
// closes the menu; a press on a checkable entry posts `msg` with the check
// state before the change and stays open. Losing the activation (a click
// outside, another window) or Escape closes it without posting anything.
//
// Layout: items 35 pixels high at (2, y, width − 2, y + 35) from a top
// margin of 6; separators are the line (6, y + 1, width − 1, y + 2) and take
// 4 pixels; the window is as high as the items plus a bottom margin of 6.
// An entry wider than the menu widens it to its text width plus the text
// margin (5) plus 4. Window thread only.
class LUMOUI_API MenuWnd : public MDialog {
public:
    static constexpr int kDefaultWidth = 300;
    static constexpr int kItemHeight = 35;
    static constexpr int kTextMargin = 5;
    static constexpr int kTopMargin = 6;
    static constexpr int kBottomMargin = 6;
    static constexpr int kSeparatorHeight = 4;
    static constexpr ARGB kSelectColor = 0xFF10A8FD;

    explicit MenuWnd(MObject* parent = nullptr);
    ~MenuWnd() override;

    // Creates the window "Menu Window" at `pt` (screen), `width` wide; the
    // background image comes from the skin folder and is drawn with `mode`
    // (1 = nine-grid with corners of `param`). 1 on success, 0 when the
    // window cannot be created (the menu then shows and posts nothing).
    int Create(HWND owner, CPoint pt, unsigned msg, CString const& bkImage, int param, int width, enumBackMode mode);
    // The same with the background from an embedded image.
    int Create(HWND owner, CPoint pt, unsigned msg, unsigned resId, int param, int width, enumBackMode mode);
    // Without background image.
    int Create(HWND owner, CPoint pt, unsigned msg);

    // Adds an entry; the icon is a 4-frame skin image (empty = none).
    // Returns the entry's index, -1 without a window.
    int AddMenu(CString const& text, unsigned id, CString const& icon = L"", int checkable = 0, int check = 0);
    // iconResId -1 = no icon; otherwise an image embedded in the library.
    int AddMenu(CString const& text, unsigned id, int iconResId, int checkable, int check);
    int AddSeparator(unsigned id, CString const& text = L"");
    // Item changes by id; 0 when there is no such item.
    int SetItemTitle(unsigned id, CString const& title);
    int SetItemVisible(unsigned id, int visible);
    int SetItemEnable(unsigned id, int enabled);
    int SetItemCheck(unsigned id, int check);
    MenuItem* GetItem(unsigned id);
    int GetItemCount() const { return static_cast<int>(m_items.size()); }

    // Font of the entries (the family is kept; text uses the process font).
    void SetMenuFont(CString const& family, int size, int style = FontStyleRegular);
    int GetMenuWidth() const { return m_width; }
    unsigned GetNotifyMessage() const { return m_msg; }
    // Posts WM_CLOSE.
    void CloseWindow();

    LRESULT OnMessage(unsigned id, unsigned code, WPARAM wParam, LPARAM lParam) override;
    int OnNcActivate(int active) override;
    int OnKeyDown(WPARAM vk, LPARAM lParam) override;

private:
    HWND CreateMenuWindow(HWND owner, CPoint pt, unsigned msg, int width);
    MenuItem* AddItem(CString const& text, unsigned id);
    void Layout();
    int WidthNeeded(MenuItem& item) const;

    MObject* m_parent_object;
    HWND m_owner { nullptr };
    unsigned m_msg { 0 };
    int m_width { kDefaultWidth };
    CPoint m_origin;
    CString m_font_family;
    int m_font_size;
    int m_font_style { FontStyleRegular };
    std::vector<MenuItem*> m_items;
    bool m_closing { false };
};

}
