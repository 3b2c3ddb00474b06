#pragma once

#include <lumoui/Types.h>

#include <optional>

namespace LumoUI {

// The drag rectangle with which the keyboard picture paints keys in its
// per-key colour mode. Small jitters while the button is held must not select
// anything, so a move is only taken when it leaves a 20-pixel square around
// the last accepted point, and a rectangle narrower or lower than 6 pixels
// selects nothing. UI thread only.
class FrameSelection {
public:
    static constexpr int kMoveThreshold = 20;
    static constexpr int kMinimumSize = 6;

    // A press inside the picture starts a possible drag at `point`.
    void Press(CPoint point);
    // Forgets the press and any drag (release, or a press outside).
    void Reset();

    // The mouse moved with a button held. Returns the new selection rectangle
    // when the move was accepted (it may be empty), nothing when ignored.
    std::optional<CRect> Move(CPoint point);

    bool IsPressed() const { return m_pressed; }
    bool IsDragging() const { return m_dragging; }
    // The rectangle spanned by the press and the last accepted point.
    CRect GetRectangle() const;

private:
    bool m_pressed { false };
    bool m_dragging { false };
    CPoint m_press;
    CPoint m_last;
};

}
