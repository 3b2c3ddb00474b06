#pragma once

#include <lumoui/Control.h>
#include <lumoui/Export.h>

namespace LumoUI {

// "CArea": a plain rectangle filled with a colour, optionally framed.
class LUMOUI_API CArea : public MControl {
public:
    explicit CArea(int visible = 1);
    void DrawControl(MGraphics& g, CRect clip) override;

    // mode 0 = no fill, 1 = solid fill with `color` (COLORREF, alpha given apart).
    void SetFillMode(int mode, int alpha = 255) { m_fill_mode = mode; m_alpha = alpha; }
    void SetColor(COLORREF color) { m_color = color; m_fill_mode = 1; UpdateControl(1, 0); }
    COLORREF GetColor() const { return m_color; }
    void SetFrame(int width, COLORREF color) { m_frame_width = width; m_frame_color = color; UpdateControl(1, 0); }

private:
    int m_fill_mode { 0 };
    int m_alpha { 255 };
    COLORREF m_color { 0 };
    int m_frame_width { 0 };
    COLORREF m_frame_color { 0 };
};

}
