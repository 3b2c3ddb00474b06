#pragma once

#include <lumoui/ButtonBase.h>
#include <lumoui/Export.h>

namespace LumoUI {

class CKeyboardTips;

// A button that is checked exclusively within its group: the siblings
// searched are the controls of its parent's control list (the dialog's
// top-level controls for a button placed on a dialog), and only those whose
// class name (IsClass) and group name both equal this button's are
// unchecked.
class LUMOUI_API MGroupButton : public MButtonBase {
public:
    MGroupButton(CString const& title, int visible, int enabled);

    int GetCheck() const { return m_check; }
    // Checks (after unchecking the group) or unchecks; no notification.
    // Returns the previous check.
    int SetCheck(int check);
    // Sets the check state only (no group reset, no notification).
    void SetControlCheck(int check) { SetCheckValue(check); }
    void SetGroupName(wchar_t const* group) { m_group = group ? group : L""; }
    CString const& GetGroupName() const { return m_group; }
    // Unchecks every other button of the group.
    void ResetGroupCheck();

protected:
    // Click: check this one, reset the group, notify NOTIFY_CLICK.
    void OnClicked() override;
    // Space/Enter: the same, notifying NOTIFY_KEYTOGGLE (lParam 1).
    bool OnActivateKey() override;
    void DrawImageAndTitle(MGraphics& g);

    CString m_group;
};

// "CRadioButton" (class name "RadioButton"): round image (six frames) left
// of its title, or an image-only button when it has no title.
class LUMOUI_API CRadioButton : public MGroupButton {
public:
    explicit CRadioButton(CString const& title = L"", int visible = 1, int enabled = 1);
    wchar_t const* GetClassNameW() override;
    void DrawControl(MGraphics& g, CRect clip) override;
};

// "CColorButton" (class name "ColorButton"): a swatch of its colour
// (COLORREF); checked swatches get a ring. With an image (for example a
// multicolour button) the image frames are drawn instead. Notifies 1 and 2.
class LUMOUI_API CColorButton : public MGroupButton {
public:
    explicit CColorButton(int visible = 1, int enabled = 1);
    wchar_t const* GetClassNameW() override;
    // Takes the ring "btn_color.png" (six frames, transparent inside) that
    // the skin draws over plain swatches, when it has one.
    void InitControl(PaintManager* manager) override;
    void DrawControl(MGraphics& g, CRect clip) override;
    COLORREF GetColor() const { return m_color; }
    void SetColor(COLORREF color);

private:
    COLORREF m_color { 0 };
    MImage m_ring;
    int m_ring_frames { 6 };
};

// "KeyLayerButton": a radio-like layer selector (image and title); code 2
// on click, code 7 on Space/Enter. All layer buttons of a parent form one
// group.
class LUMOUI_API KeyLayerButton : public MGroupButton {
public:
    explicit KeyLayerButton(CString const& title = L"", int visible = 1);
    wchar_t const* GetClassNameW() override;
    void DrawControl(MGraphics& g, CRect clip) override;
};

// "CIconButton" (class name "IconButton"): an icon strip with an optional
// title; codes 1 and 2 on clicks (a click does not check it: the program
// checks it with SetCheck). SetDownState keeps the pressed look. With tips
// on, hovering shows a CKeyboardTips window with the tip text above it.
class LUMOUI_API CIconButton : public MGroupButton {
public:
    explicit CIconButton(CString const& title = L"", int visible = 1, int enabled = 1);
    ~CIconButton() override;
    wchar_t const* GetClassNameW() override;
    void DrawControl(MGraphics& g, CRect clip) override;
    int OnControlMouseMove(unsigned flags, CPoint pt) override;

    int SetIconImage(wchar_t const* file, int frames = 4);
    void SetDownState(int down);
    int GetDownState() const { return m_down_state; }
    void SetTips(CString const& text) { m_tip_text = text; }
    // (A literal would otherwise pick the bool overload.)
    void SetTips(wchar_t const* text) { m_tip_text = text ? text : L""; }
    void SetTips(bool on);
    CKeyboardTips* GetTipWindow() const { return m_tip.get(); }

protected:
    void OnClicked() override;
    bool OnActivateKey() override { return false; }
    bool ShowsChecked() const override { return m_check != 0 || m_down_state != 0; }

private:
    void ShowTip(bool show);

    MImage m_icon;
    int m_icon_frames { 4 };
    int m_down_state { 0 };
    bool m_tips_on { false };
    CString m_tip_text;
    std::unique_ptr<CKeyboardTips> m_tip;
};

}
