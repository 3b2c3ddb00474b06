#pragma once

#include <lumoui/ControlFont.h>
#include <lumoui/Export.h>

namespace LumoUI {

// "MSlider": a horizontal slider over a range (default 0..100). The track is
// the control's image (SetImage, e.g. "img_slider_back.png": frame 0 the
// empty track, frame 1, when present, the filled part; nine-grid), the
// thumb a strip of four frames (normal, hover, pressed, disabled) from
// SetThumbImage. Without images a plain track and a round thumb are drawn.
//
// A press on the thumb starts a drag, a press elsewhere on the track moves
// the thumb there and starts a drag; while dragging every position change
// notifies NOTIFY_POSCHANGED (8) with wParam = position, and the release
// notifies NOTIFY_CLICK (2) with wParam = position. SetProgress is silent.
// Window thread only.
class LUMOUI_API MSlider : public MControlFont {
public:
    MSlider(int visible = 1, int enabled = 1);

    void DrawControl(MGraphics& g, CRect clip) override;
    int OnControlMouseMove(unsigned flags, CPoint pt) override;
    int OnControlLButtonDown(unsigned flags, CPoint pt) override;
    int OnControlLButtonUp(unsigned flags, CPoint pt) override;
    int OnCheckMouseResponse(unsigned flags, CPoint pt) override;
    void SetControlEnabled(int enabled) override;

    // Values above the maximum become the maximum, values below the
    // minimum the minimum; negative values are ignored. Repaints on change.
    // Returns the position after the call.
    int SetProgress(int position);
    int GetProgress() const { return m_pos; }
    // 0 when the image cannot be loaded (the previous thumb is kept).
    int SetThumbImage(wchar_t const* file);
    // min <= max, else nothing changes; the position is clamped into it.
    void SetRange(int minimum, int maximum);
    void SetMaxValue(int maximum) { SetRange(m_min, maximum); }
    int GetMinValue() const { return m_min; }
    int GetMaxValue() const { return m_max; }
    // The thumb's rectangle in client coordinates.
    CRect GetThumbRect() const;
    // The position for a client x on the track.
    int PositionFromX(int x) const;
    bool IsDragging() const { return m_dragging; }

private:
    CSize ThumbSize() const;
    void MoveTo(int position, bool notify);

    int m_min { 0 };
    int m_max { 100 };
    int m_pos { 0 };
    bool m_dragging { false };
    bool m_hover_thumb { false };
    int m_grab_offset { 0 };
    MImage m_thumb;
};

// "MProgress": a progress bar; the image (nine-grid) frame 0 is the
// background and frame 1 the filled part; without an image plain bars.
class LUMOUI_API MProgress : public MControlFont {
public:
    MProgress(int visible = 1, int enabled = 1);
    void DrawControl(MGraphics& g, CRect clip) override;
    void SetRange(int minimum, int maximum);
    // Clamped to the range; repaints on change.
    void SetPos(int position);
    int GetPos() const { return m_pos; }

private:
    int m_min { 0 };
    int m_max { 100 };
    int m_pos { 0 };
};

// "MLevelCtrl": a row of level segments 1..count; a press selects the
// level under the pointer and notifies NOTIFY_CLICK with wParam = level.
class LUMOUI_API MLevelCtrl : public MControlFont {
public:
    MLevelCtrl(int visible = 1, int enabled = 1);
    void DrawControl(MGraphics& g, CRect clip) override;
    int OnControlLButtonDown(unsigned flags, CPoint pt) override;
    void SetLevelCount(int count);
    int GetLevelCount() const { return m_count; }
    // 0..count, silent.
    void SetLevel(int level);
    int GetLevel() const { return m_level; }

private:
    int m_count { 5 };
    int m_level { 0 };
};

}
