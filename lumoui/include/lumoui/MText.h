#pragma once

#include <lumoui/ControlFont.h>
#include <lumoui/Export.h>

namespace LumoUI {

// "MText": static text in the control's font, colour and alignment. It is
// never enabled, so it takes no clicks. A text with line breaks, or with
// SetWordBreak(true), wraps within the rectangle. Window thread only.
class LUMOUI_API MText : public MControlFont {
public:
    explicit MText(CString const& title = L"", int visible = 1);
    void DrawControl(MGraphics& g, CRect clip) override;
    // Text never takes the mouse: it stays disabled.
    void SetControlEnabled(int enabled) override;
    void SetWordBreak(bool on);

private:
    bool m_word_break { false };
};

}
