#pragma once

#include <lumoui/ButtonBase.h>
#include <lumoui/Dialog.h>
#include <lumoui/Export.h>

namespace LumoUI {

// "MButton": a push button drawn from a strip of four frames (normal, hover,
// pressed, disabled). All frames are drawn once into a cache as wide as
// the button times the frame count, each stretched as a nine-grid with the
// button's corner; a state change only shows another part of the cache. The
// title is drawn over it (centred by default); an optional icon strip
// (SetIconImage) follows the same states and sits left of the title. A
// button without an image draws only its title. Notifications: 1 on press,
// 2 on click. Window thread only.
class LUMOUI_API MButton : public MButtonBase {
public:
    explicit MButton(CString const& title = L"", int visible = 1, int enabled = 1);

    void DrawControl(MGraphics& g, CRect clip) override;
    void SetControlRect(CRect rc) override;
    int SetImage(wchar_t const* file, int frames) override;
    using MControlFont::SetImage;

    // 0 when the icon cannot be loaded (the previous one is kept).
    int SetIconImage(wchar_t const* file, int frames = 4);
    // An image already in memory (generated skins, tests).
    void SetImageData(MImage image, int frames);

protected:
    void DrawFace(MGraphics& g, int state);
    void RebuildFrameCache();

    MImage m_frame_cache;
    bool m_frame_cache_valid { false };
    MImage m_icon;
    int m_icon_frames { 4 };
};

// "CImageButton": an MButton that can show a balloon tip below itself while
// hovered (SetAlrBladderMode with a text and where under the button it
// points); the balloon goes through MDialog::SetAirBladderMsg.
class LUMOUI_API CImageButton : public MButton {
public:
    explicit CImageButton(CString const& title = L"", int visible = 1, int enabled = 1);
    int OnControlMouseMove(unsigned flags, CPoint pt) override;
    void SetAlrBladderMode(int on, CString const& text = L"", AIRBLADDER_TYPE type = AIRBLADDER_CENTER);
    int GetAlrBladderMode() const { return m_bladder_on; }

private:
    int m_bladder_on { 0 };
    CString m_bladder_text;
    AIRBLADDER_TYPE m_bladder_type { AIRBLADDER_CENTER };
};

}
