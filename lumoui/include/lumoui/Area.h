#pragma once

#include <lumoui/Control.h>
#include <lumoui/Export.h>

namespace LumoUI {

// "CArea": a plain rectangle filled with a colour, optionally framed; the
// program uses it for page backgrounds and for tinted bands over the dialog's
// background. Window thread only.
class LUMOUI_API CArea : public MControl {
public:
    explicit CArea(int visible = 1);
    void DrawControl(MGraphics& g, CRect clip) override;

    // mode 0 = no fill, 1 = solid fill with `color` (COLORREF, alpha given apart).
    void SetFillMode(int mode, int alpha = 255) { m_fill_mode = mode; m_alpha = alpha; }
    void SetColor(COLORREF color) { m_color = color; m_fill_mode = 1; UpdateControl(1, 0); }
    COLORREF GetColor() const { return m_color; }
    void SetFrame(int width, COLORREF color) { SetFrame(width, ColorRefToARGB(color), 0); }

    // Tints the area with `color` over what lies beneath it: `mode` is the
    // colour's opacity in percent at the start of the transition, `param` at
    // its end (both clamped to 0..100); equal values tint evenly ("50/50").
    // The transition runs from the top edge to the bottom edge, or from the
    // left edge to the right edge after SetTransitionHorizontal(true).
    void SetTransparent(int mode, int param, COLORREF color);
    void SetTransitionHorizontal(bool horizontal);
    // A border of `width` pixels inside the rectangle (0 = none) in an ARGB
    // colour, with corners rounded by `radius` pixels (0 = square).
    void SetFrame(int width, ARGB color, int radius);

private:
    int m_fill_mode { 0 }; // 0 none, 1 solid, 2 transition
    int m_alpha { 255 };
    COLORREF m_color { 0 };
    int m_start_percent { 100 };
    int m_end_percent { 100 };
    bool m_horizontal { false };
    int m_frame_width { 0 };
    ARGB m_frame_color { 0 };
    int m_frame_radius { 0 };
};

}
