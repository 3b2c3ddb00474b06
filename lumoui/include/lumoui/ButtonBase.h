#pragma once

#include <lumoui/ControlFont.h>
#include <lumoui/Export.h>

namespace LumoUI {

// Frame index of a button's image strip for each state.
enum ButtonState : int {
    BUTTON_NORMAL = 0,
    BUTTON_HOVER = 1,
    BUTTON_PRESSED = 2,
    BUTTON_DISABLED = 3,
    BUTTON_CHECKED = 4,
    BUTTON_CHECKED_HOVER = 5,
    BUTTON_CHECKED_PRESSED = 6, // menu items only
};

// The press cycle every button shares. A press inside (only while enabled)
// shows the pressed frame and notifies NOTIFY_LBUTTONDOWN (1); a release
// inside after that press is a click (OnClicked, by default NOTIFY_CLICK 2);
// a release outside only ends the press. Moving in and out switches the
// hover frame and the hand cursor. A disabled button shows frame 3 and
// ignores the mouse. The control's hot key (SetHotKey) clicks it; a
// focused button that ActivateKey accepts handles Space and Enter.
// Threads: window thread only.
class LUMOUI_API MButtonBase : public MControlFont {
public:
    MButtonBase(CString const& title, int visible, int enabled);

    int OnControlMouseMove(unsigned flags, CPoint pt) override;
    int OnControlLButtonDown(unsigned flags, CPoint pt) override;
    int OnControlLButtonUp(unsigned flags, CPoint pt) override;
    int OnControlKeyDown(unsigned vk, unsigned repeat, unsigned modifiers) override;
    void SetControlEnabled(int enabled) override;
    void SetControlVisible(int visible) override;

    // The current frame index (ButtonState).
    int GetState() const;
    bool IsHover() const { return m_hover; }
    bool IsButtonDown() const { return m_down; }
    int GetCheckValue() const { return m_check; }

    // Frame of `state` in a strip of `frames`: a strip without the checked
    // frames shows the pressed frame for them.
    static int FrameForState(int state, int frames);
    // Corner of the nine-grid the images are stretched with (default 4).
    void SetCorner(int corner) { m_corner = corner; UpdateControl(1, 0); }
    int GetCorner() const { return m_corner; }

protected:
    // A completed click; default notifies NOTIFY_CLICK.
    virtual void OnClicked();
    // A press; default notifies NOTIFY_LBUTTONDOWN.
    virtual void OnPressed();
    // Space/Enter while focused; true when used (check-like buttons).
    virtual bool OnActivateKey() { return false; }
    // The check state (0 unchecked) for the checked frames.
    virtual bool ShowsChecked() const { return m_check != 0; }
    void SetCheckValue(int check);
    void StateChanged() { UpdateControl(1, 0); }
    // Draws frame `state` of the control's image over rc (nine-grid).
    void DrawStateFrame(MGraphics& g, CRect rc, int state) const;
    ARGB TitleColor() const;

    bool m_hover { false };
    bool m_down { false };
    int m_check { 0 };
    int m_corner { 4 };
};

}
