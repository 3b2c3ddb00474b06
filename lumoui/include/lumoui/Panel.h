#pragma once

#include <lumoui/ControlFont.h>
#include <lumoui/Export.h>

namespace LumoUI {

class MScrollBar;

// A container control that scrolls a virtual area larger than itself. Its
// vertical (id 1, right edge) and horizontal (id 2, bottom edge) scroll
// bars are created with it and are always its first two control children;
// a bar is shown only while the content is larger than the panel. Children
// are laid out in dialog client coordinates as if unscrolled; the panel
// moves mouse points by the scroll offset and draws children shifted.
class LUMOUI_API MPanel : public MControlFont {
public:
    MPanel(int visible = 1, int enabled = 1);
    ~MPanel() override;

    void InitControl(PaintManager* manager) override;
    void SetControlRect(CRect rc) override;
    int OnMousePointChange(CPoint& pt) override;
    int OnControlScroll(int notches, unsigned direction, CPoint pt) override;
    LRESULT OnMessage(unsigned id, unsigned code, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnControlUpdate(CRect rc, int markDirty, MControl* ctrl) override;
    void DrawControl(MGraphics& g, CRect clip) override;
    int DrawSubControls(MGraphics& g, CRect clip) override;
    // Every child, also those scrolled out of view: their caches hold the
    // pixels beneath them, which change when the content moves.
    void SetUpdate(int valid, COLORREF back) override;

    // ---- panel factory ----
    virtual MControl* CreateArea(wchar_t const* cls, unsigned id, CRect rc, wchar_t const* title, int visible, int enabled);
    virtual MControl* CreateControl(int kind, MObject* parent, wchar_t const* cls, unsigned id, CRect rc, wchar_t const* title, int visible, int enabled);
    virtual MControl* CreateControl(wchar_t const* cls, unsigned id, CRect rc, wchar_t const* title, int visible, int enabled);

    void SetVirtualWidth(int width);
    void SetVirtualHeight(int height);
    int GetVirtualWidth() const { return m_virtual_width; }
    int GetVirtualHeight() const { return m_virtual_height; }
    void SetEnableScroll(int on) { m_scroll_enabled = on; }
    int GetEnableScroll() const { return m_scroll_enabled; }
    MScrollBar* GetScrollVertical() const { return m_vscroll; }
    MScrollBar* GetScrollHorizontal() const { return m_hscroll; }
    // Content offset in pixels (how far the children are moved up / left).
    CPoint GetScrollOffset() const;
    // Recomputes the virtual size from the children and shows or hides the bars.
    void UpdateScrollBars();
    // Scrolls so that the content pixel `y` (from the panel's top) is at the top.
    void ScrollToY(int y);

protected:
    int m_scroll_enabled { 1 };
    MScrollBar* m_vscroll { nullptr };
    MScrollBar* m_hscroll { nullptr };
    int m_scroll_thickness { 7 };
    int m_virtual_width { 0 };
    int m_virtual_height { 0 };
    int m_virtual_width_min { 0 };
    int m_virtual_height_min { 0 };
    // Background fill of the panel (0 = none).
    ARGB m_back_color { 0 };

public:
    void SetBackColor(ARGB color) { m_back_color = color; }
};

// A panel scroll bar: position 0..range, where range is the virtual size.
class LUMOUI_API MScrollBar : public MControlFont {
public:
    MScrollBar(bool vertical);
    wchar_t const* GetClassNameW() override;
    void DrawControl(MGraphics& g, CRect clip) override;
    int OnControlLButtonDown(unsigned flags, CPoint pt) override;
    int OnControlMouseMove(unsigned flags, CPoint pt) override;
    int OnControlLButtonUp(unsigned flags, CPoint pt) override;
    int OnCheckMouseResponse(unsigned flags, CPoint pt) override;

    bool IsVertical() const { return m_vertical; }
    int GetPos() const { return m_pos; }
    // Clamped to 0..range; notifies NOTIFY_POSCHANGED when it changed.
    bool SetPos(int pos, bool notify = true);
    int GetRange() const { return m_range; }
    void SetRange(int range, int page);
    int GetPage() const { return m_page; }
    // Step of one wheel notch.
    int GetStep() const;

private:
    CRect ThumbRect() const;
    bool m_vertical;
    int m_pos { 0 };
    int m_range { 0 };
    int m_page { 0 };
    int m_drag_from { -1 };
    int m_drag_pos { 0 };
};

}
