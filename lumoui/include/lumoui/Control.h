#pragma once

#include <lumoui/ControlList.h>
#include <lumoui/Export.h>
#include <lumoui/Graphics.h>
#include <lumoui/Image.h>
#include <lumoui/Object.h>
#include <lumoui/Types.h>
#include <lumoui/WindowSystem.h>

#include <atomic>
#include <functional>
#include <memory>

namespace LumoUI {

class PaintManager;

// Base of every windowless control: a rectangle in the dialog's client
// coordinates with an id, visibility, enabled and mouse-response flags, a
// tooltip, a cached bitmap of its face and two owning lists of children
// (areas, drawn first and never hit-tested, and controls).
//
// Ownership: a control is owned by the list it lives in (its parent's, or
// the paint manager's for top-level controls); it owns its children.
// Threads: everything runs on the window thread. The visible, enabled,
// run-timer and cache-valid flags are atomic so that repaint requests may be
// made from any thread.
class LUMOUI_API MControl : public MObject {
public:
    MControl(int visible = 1, int enabled = 1);
    ~MControl() override;

    wchar_t const* GetClassNameW() override;
    ControlList* GetChildControlList() override { return &m_controls; }
    // A panel-like control: the child's repaint request becomes a repaint
    // of that rectangle through this control's own parent.
    LRESULT OnControlUpdate(CRect rc, int markDirty, MControl* ctrl) override;
    // Passes children's notifications on to OnMessage.
    LRESULT OnBaseMessage(unsigned id, unsigned code, WPARAM wParam, LPARAM lParam) override;

    // ---- virtual operations ----
    virtual void InitControl(PaintManager* manager);
    virtual int PtInRect(CPoint pt);
    // Draws the control's face; g is the window buffer in client coordinates.
    virtual void DrawControl(MGraphics& g, CRect clip);
    // Draws every visible control child; 1.
    virtual int DrawSubControls(MGraphics& g, CRect clip);
    virtual int IsDraw(CPoint pt);
    // Cache valid = valid, recursively for control children that overlap.
    virtual void SetUpdate(int valid, COLORREF back);
    virtual int SetControlFocus(int focus);
    virtual void InitUI(CRect rc);
    // Adjusts a point from the parent's coordinates to the children's (panels
    // add their scroll offset); returns non-zero when it changed the point.
    virtual int OnMousePointChange(CPoint& pt);
    // Non-zero keeps the mouse on this control although it is outside.
    virtual int OnCheckMouseResponse(unsigned flags, CPoint pt);
    virtual LRESULT OnWindowMessage(unsigned msg, WPARAM wParam, LPARAM lParam);
    // Children's notifications; default passes them up unchanged.
    virtual LRESULT OnMessage(unsigned id, unsigned code, WPARAM wParam, LPARAM lParam);
    virtual void SetControlRect(CRect rc);
    virtual void SetControlVisible(int visible);
    virtual void SetControlWndVisible(int visible);
    virtual void SetControlEnabled(int enabled);
    // One timer tick (window timer or animation tick); non-zero when used.
    virtual int OnControlTimer();
    virtual int OnControlMouseMove(unsigned flags, CPoint pt);
    virtual int OnControlSetCursor(unsigned flags, CPoint pt);
    virtual int OnControlLButtonDown(unsigned flags, CPoint pt);
    virtual int OnControlLButtonUp(unsigned flags, CPoint pt);
    virtual int OnControlLButtonDblClk(unsigned flags, CPoint pt);
    // Wheel: notches = 1 per call; direction 1 = down, 0 = up.
    virtual int OnControlScroll(int notches, unsigned direction, CPoint pt);
    virtual int OnControlRButtonDown(unsigned flags, CPoint pt);
    virtual int OnControlRButtonUp(unsigned flags, CPoint pt);
    virtual int OnControlRButtonDblClk(unsigned flags, CPoint pt);
    // Default: 1 when a hot key is set and vk and modifiers both match.
    virtual int OnControlKeyDown(unsigned vk, unsigned repeat, unsigned modifiers);
    virtual int OnControlKeyUp(unsigned vk, unsigned repeat, unsigned modifiers);
    virtual int OnControlChar(unsigned ch);
    // An input method's uncommitted text for the focus control (`cursor`
    // code points into it; empty = the composition ended); non-zero when
    // shown. Default: ignored.
    virtual int OnControlComposition(CString const& text, int cursor);
    virtual void OnPositionChange();
    virtual void InvalidateRect(CRect const* rc, int erase);

    // ---- geometry, tree, flags ----
    void SetRect(CRect rc);
    void SetRect(int l, int t, int r, int b) { SetRect(CRect(l, t, r, b)); }
    CRect GetRect() const { return m_rect; }
    unsigned GetControlID() const { return m_id; }
    void SetControlID(unsigned id) { m_id = id; }
    MObject* GetParantObject() const { return m_parent; }
    void SetParent(MObject* parent) { m_parent = parent; }
    PaintManager* GetManager() const { return m_manager; }
    // Stores the manager and calls InitControl.
    void SetManager(PaintManager* manager);

    void SetVisible(int visible);
    void SetVisible(int visible, int repaint);
    int IsVisible() const { return m_visible.load(); }
    // 1 when every ancestor up to the dialog is visible.
    int IsParentVisible() const;
    void SetEnabled(int enabled);
    int IsEnabled() const { return m_enabled.load(); }

    void SetTooltip(wchar_t const* text);
    void SetTooltip(CString const& text, CRect rc);
    void ClearTooltip();
    CString GetTooltip() const { return m_tooltip; }
    // "arrow", "wait", "cross", "sizewe", "sizens", "hand", "help"; 0 for
    // another name (the cursor is kept).
    int SetCursorEx(wchar_t const* name);
    CursorKind GetCursor() const { return m_cursor; }

    // Asks the parent to repaint the control (when visible or forced).
    void UpdateControl(int markDirty = 1, int force = 0);
    void UpdateControl(CRect rc, int force, int markDirty);
    void UpdateAControl(int markDirty, int force) { UpdateControl(markDirty, force); }

    void AddMTimer();
    void SetRunTimer(int run) { m_run_timer = run; }
    int IsRunTimer() const { return m_run_timer.load(); }
    void SetTabStop(int on) { m_tab_stop = on; }
    int IsTabStop() const { return m_tab_stop; }
    void SetRresponse(int on) { m_mouse_response = on; }
    int GetRresponse() const { return m_mouse_response; }
    void SetDragDrop(int on) { m_drag_drop = on; }
    int IsDragDrop() const { return m_drag_drop; }
    void SetDblClk(int on) { m_dblclk = on; }
    int GetDblClk() const { return m_dblclk; }
    void SetDblClkNotify(int on) { m_dblclk_notify = on; }
    int IsFocused() const { return m_focused; }
    int IsFocusControl() const;
    int IsKeyDown() const { return m_key_down; }
    int IsPressed() const { return m_pressed; }
    int GetUpdate() const { return m_cache_valid.load(); }
    void SetHotKey(unsigned vk, unsigned modifiers) { m_hot_key_vk = vk; m_hot_key_modifiers = modifiers; }
    int UseImageECM() const { return m_use_image_ecm; }

    // Children.
    MControl* AddChildControl(std::unique_ptr<MControl> child);
    MControl* AddChildArea(std::unique_ptr<MControl> child);
    // Pre-order: control children (each with its subtree), then area children.
    MControl* GetControl(unsigned id);
    ControlList& GetControls() { return m_controls; }
    ControlList& GetAreas() { return m_areas; }
    MControl* GetActiveChild() const { return m_active_child; }
    // Deletes the child (it loses focus first when it is the focus control).
    void RemoveControl(MControl* child);
    void RemoveAllControl();
    // parent->OnBaseMessage(id, code, wParam, lParam).
    LRESULT SendMessageW(unsigned code, WPARAM wParam = 0, LPARAM lParam = 0);

    // ---- routing entry points (paint manager and parents) ----
    void Draw(MGraphics& g, CRect clip);
    int OnMouseMove(unsigned flags, CPoint pt);
    int OnLButtonDown(unsigned flags, CPoint pt);
    int OnLButtonUp(unsigned flags, CPoint pt);
    int OnLButtonDblClk(unsigned flags, CPoint pt);
    int OnRButtonDown(unsigned flags, CPoint pt);
    int OnRButtonUp(unsigned flags, CPoint pt);
    int OnRButtonDblClk(unsigned flags, CPoint pt);
    int OnScroll(int notches, unsigned direction, CPoint pt);
    int OnKeyDown(unsigned vk, unsigned repeat, unsigned modifiers);
    int OnKeyUp(unsigned vk, unsigned repeat, unsigned modifiers);
    int OnChar(unsigned ch);
    int OnTimer();
    // Called when the pointer leaves (the paint manager passes (-1, -1)).
    void OnFocus(int focus) { SetControlFocus(focus); }

    // Face cache: DrawCached runs paint(face) only when the cache is not
    // valid (face is a painter on the cache, in client coordinates, holding
    // a copy of the window pixels under the control), then copies the cache
    // into g at the control's rectangle.
    void DrawCached(MGraphics& g, std::function<void(MGraphics& face)> const& paint);
    // (Re)creates the cache at w × h when the size changed; marks it valid.
    MImage& UpdateMemDC(int w, int h);
    MImage& FaceCache() { return m_cache; }

    // Child-level focus helpers.
    MControl* GetNextFocusableControl(MControl* current);
    MControl* GetPrevFocusableControl(MControl* current);
    MControl* GetFocusControl(MControl* start);

protected:
    MObject* m_parent { nullptr };
    PaintManager* m_manager { nullptr };
    unsigned m_id { 0 };
    CRect m_rect;
    std::atomic<int> m_visible { 1 };
    std::atomic<int> m_enabled { 1 };
    int m_drag_drop { 0 };
    int m_mouse_response { 1 };
    int m_tab_stop { 0 };
    int m_dblclk { 0 };
    int m_dblclk_notify { 1 };
    int m_pressed { 0 };
    int m_right_pressed { 0 };
    int m_key_down { 0 };
    int m_focused { 0 };
    unsigned m_hot_key_vk { 0 };
    unsigned m_hot_key_modifiers { 0 };
    std::atomic<int> m_cache_valid { 0 };
    std::atomic<int> m_run_timer { 0 };
    int m_use_image_ecm { 0 };
    ControlList m_areas;
    ControlList m_controls;
    MControl* m_active_child { nullptr };
    MImage m_cache;
    CString m_tooltip;
    CursorKind m_cursor { CursorKind::Arrow };
    bool m_cursor_set { false };
    int m_mouse_outside { 1 };
    int m_mouse_was_outside { 1 };

    // The child that contains pt and takes mouse input (last in list order).
    MControl* HitChild(CPoint pt) const;
    // The same for a point the control adjusted for its children (scroll
    // bars, ids 1 and 2, are tested with the original point).
    MControl* HitChild(CPoint original, CPoint adjusted) const;
    // Point for a child: scroll bars (ids 1 and 2) get the unchanged point.
    static CPoint PointForChild(MControl const* child, CPoint original, CPoint adjusted);

private:
    void ForgetChild(MControl* child);
};

}
