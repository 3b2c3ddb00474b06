#pragma once

#include <lumoui/ControlFont.h>
#include <lumoui/Export.h>
#include <lumoui/Panel.h>

#include <memory>
#include <vector>

namespace LumoUI {

// One item of a tab bar. Owned by its MTabCtrl; pointers stay valid until
// the tab bar is destroyed.
struct TabItemInfo {
    int visible { 1 };
    unsigned id { 0 };
    CString text;
    CString image;
    // The page this item shows (may be null); not owned.
    MControl* page { nullptr };
    CRect rect;
    // 0 = measured from the text and icon.
    int width { 0 };
    // 0 = the bar's height minus the top and bottom padding.
    int height { 0 };
    // Icon strip of the item (frames: normal, hover, selected).
    MImage icon;
    int icon_frames { 1 };
};

// "MTabCtrl": a row of tab items laid out from the left padding, each item
// followed by the right padding. A press on a visible item notifies
// NOTIFY_TABPRESS (9) with wParam = index and selects it. SetSelectItem
// ignores invalid and current indexes; otherwise it keeps the previous
// index, notifies NOTIFY_CLICK (2) with wParam = the new index, shows the
// new item's page and hides every other item's page and, with the change
// animation on, starts control timer 100 at 30 ms to slide the marker.
// Window thread only.
class LUMOUI_API MTabCtrl : public MControlFont {
public:
    static constexpr unsigned kAnimationTimer = 100;

    MTabCtrl(int visible = 1, int enabled = 1);
    ~MTabCtrl() override;

    void DrawControl(MGraphics& g, CRect clip) override;
    void SetControlRect(CRect rc) override;
    int OnControlMouseMove(unsigned flags, CPoint pt) override;
    int OnControlLButtonDown(unsigned flags, CPoint pt) override;
    int OnControlTimer() override;

    // Appends an item; returns its index. `image` is a skin file (may be
    // null or empty); w/h 0 = automatic.
    int InsertItem(unsigned id, wchar_t const* text, wchar_t const* image, MControl* page, int w = 0, int h = 0);
    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    // 0 for an invalid index.
    unsigned GetItemID(int index) const;
    // Null for an invalid index.
    TabItemInfo* GetItemInfo(int index);
    int GetSelectItem() const { return m_selected; }
    int GetPrevSelectItem() const { return m_previous; }
    int GetHoverItem() const { return m_hover; }
    // Returns the previous selection (or the current one when nothing changed).
    int SetSelectItem(int index);
    void SetItemVisible(int index, int visible);
    void SetItemText(int index, CString const& text);
    void SetItemWidth(int index, int width, int repaint = 1);
    void SetItemHeight(int index, int height, int repaint = 1);
    void SetLeftRightPading(int left, int right);
    void SetTopBottomPading(int top, int bottom);
    void SetTabCtrlWidth(int width);
    void SetTabCtrlHeight(int height);
    void SetChangeAnimation(int on) { m_animate = on; }
    // Background of the whole bar (nine-grid, corner 8); 0 when missing.
    // The control's own image (SetImage) is the item background strip:
    // normal, hover, selected, disabled (nine-grid, corner 8).
    int SetBarImage(wchar_t const* file);
    bool IsAnimating() const { return m_anim_step < kAnimationSteps; }
    // The item under a client point, or -1.
    int HitTest(CPoint pt) const;

private:
    static constexpr int kAnimationSteps = 6;
    void Layout();
    void ShowPages();
    CRect MarkerRect() const;

    std::vector<std::unique_ptr<TabItemInfo>> m_items;
    MImage m_bar;
    int m_selected { -1 };
    int m_previous { -1 };
    int m_hover { -1 };
    int m_pad_left { 10 };
    int m_pad_right { 10 };
    int m_pad_top { 0 };
    int m_pad_bottom { 0 };
    int m_bar_width { 0 };
    int m_bar_height { 0 };
    int m_animate { 0 };
    int m_anim_step { kAnimationSteps };
};

// "MTabLayout": the page container the program puts its pages in: a panel
// without drawing of its own.
class LUMOUI_API MTabLayout : public MPanel {
public:
    explicit MTabLayout(int visible = 1);
};

}
