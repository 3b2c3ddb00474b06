#pragma once

#include <lumoui/ButtonBase.h>
#include <lumoui/Export.h>

namespace LumoUI {

// "CCheckButton": a check box image (strip of six frames: normal, hover,
// pressed, disabled, checked, checked and hover) left of its title. A click
// toggles the check and notifies NOTIFY_CLICK (lParam = new check); Space or
// Enter while focused toggles and notifies NOTIFY_KEYTOGGLE (7, lParam = new
// check). SetCheck changes the check silently and is ignored while
// disabled. Without an image a plain box with a tick is drawn.
class LUMOUI_API CCheckButton : public MButtonBase {
public:
    explicit CCheckButton(CString const& title = L"", int visible = 1, int enabled = 1);
    void DrawControl(MGraphics& g, CRect clip) override;

    int GetCheck() const { return m_check; }
    // Returns the previous check; changes nothing while disabled.
    int SetCheck(int check);

protected:
    void OnClicked() override;
    bool OnActivateKey() override;
};

// "CSwitchButton": an on/off switch drawn from one strip for "on" and one
// for "off" (frames by state: normal, hover, pressed, disabled). A click
// toggles and notifies NOTIFY_CLICK with lParam = the new state; SetCheck
// is silent. Without images a rounded track with a knob is drawn.
class LUMOUI_API CSwitchButton : public MButtonBase {
public:
    explicit CSwitchButton(int visible = 1, int enabled = 1);
    void DrawControl(MGraphics& g, CRect clip) override;

    // 0 when either image cannot be loaded (the previous ones are kept).
    int SetImage(wchar_t const* on, wchar_t const* off, int frames);
    using MControlFont::SetImage;
    int GetCheck() const { return m_check; }
    void SetCheck(int check) { SetCheckValue(check ? 1 : 0); }

protected:
    void OnClicked() override;
    bool ShowsChecked() const override { return false; }

private:
    MImage m_on;
    MImage m_off;
    int m_switch_frames { 4 };
};

}
