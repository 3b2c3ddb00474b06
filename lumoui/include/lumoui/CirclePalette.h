#pragma once

#include <lumoui/ControlFont.h>
#include <lumoui/Export.h>

namespace LumoUI {

// "CirclePalette": a colour wheel drawn from its image (the program gives
// "img_circlepalette.png"; without one a hue/saturation wheel is
// generated), with a 10 × 10 thumb on the picked point.
//
// Every press, and every move during a drag, to a point at most 65 pixels
// from the control's centre (distance rounded down) moves the thumb there,
// takes the colour the drawn wheel shows at that point and notifies
// NOTIFY_COLORCHANGED (27) with lParam = the colour (COLORREF). Points
// farther out are ignored. A press on the thumb starts a drag, the release
// ends it; drag moves of 5 pixels or less in both directions are ignored.
// Window thread only.
class LUMOUI_API CirclePalette : public MControlFont {
public:
    static constexpr int kRadius = 65;
    static constexpr int kThumbSize = 10;
    static constexpr int kDragThreshold = 5;

    explicit CirclePalette(int visible = 1);
    void DrawControl(MGraphics& g, CRect clip) override;
    int OnControlLButtonDown(unsigned flags, CPoint pt) override;
    int OnControlMouseMove(unsigned flags, CPoint pt) override;
    int OnControlLButtonUp(unsigned flags, CPoint pt) override;
    int OnCheckMouseResponse(unsigned flags, CPoint pt) override;
    void SetControlRect(CRect rc) override;

    COLORREF GetColor() const { return m_color; }
    // Centre of the thumb (client coordinates).
    CPoint GetThumbPoint() const { return m_thumb; }
    // Places the thumb without notification (e.g. the centre: white).
    void SetThumbPoint(CPoint pt);
    bool IsDragging() const { return m_dragging; }
    // The colour the wheel shows at a client point (as drawn).
    COLORREF ColorAt(CPoint pt) const;
    // Distance from the centre, rounded down.
    int DistanceFromCenter(CPoint pt) const;

private:
    CRect WheelRect() const;
    bool Pick(CPoint pt);
    MImage const& Wheel() const;

    CPoint m_thumb;
    CPoint m_last_drag;
    COLORREF m_color { 0xFFFFFF };
    bool m_dragging { false };
    mutable MImage m_generated;
};

}
