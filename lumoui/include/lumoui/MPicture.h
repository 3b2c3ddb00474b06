#pragma once

#include <lumoui/ControlFont.h>
#include <lumoui/Export.h>

#include <cstdint>

namespace LumoUI {

// "MPicture": a static image (frame SetFrameIndex of its strip, default 0)
// drawn at its natural size, centred in the control; with SetStretch(true)
// it fills the control. Takes no clicks. "CSliderPicture" is the same.
class LUMOUI_API MPicture : public MControlFont {
public:
    MPicture(int visible = 1, int enabled = 1);
    void DrawControl(MGraphics& g, CRect clip) override;
    int OnControlLButtonDown(unsigned flags, CPoint pt) override;
    void SetStretch(bool on);
    void SetFrameIndex(int frame);
    int GetFrameIndex() const { return m_frame; }
    // An image already in memory (generated pictures, tests).
    void SetImageData(MImage image, int frames = 1);

protected:
    CRect ImageRect() const;
    bool m_stretch { false };
    int m_frame { 0 };
};

using CSliderPicture = MPicture;

// "CPhotoFrame": an MPicture that reports clicks: NOTIFY_LBUTTONDOWN on a
// press inside, NOTIFY_CLICK on the release inside after it.
class LUMOUI_API CPhotoFrame : public MPicture {
public:
    CPhotoFrame(int visible = 1, int enabled = 1);
    int OnControlLButtonDown(unsigned flags, CPoint pt) override;
    int OnControlLButtonUp(unsigned flags, CPoint pt) override;
    int OnControlMouseMove(unsigned flags, CPoint pt) override;

private:
    bool m_down { false };
};

// "CGifPicture": plays the frames of its strip on animation ticks while
// running. SetRunState(run, value) fails (0) for an image of at most one
// frame; otherwise it stores `value` (milliseconds per frame; 0 = 100),
// starts or stops the run and repaints. The control joins the animation
// list in InitControl; the dialog must run the animation timer
// (SetMTimer(10)).
class LUMOUI_API CGifPicture : public MPicture {
public:
    CGifPicture(int visible = 1, int enabled = 1);
    void InitControl(PaintManager* manager) override;
    int OnControlTimer() override;
    int SetRunState(int run, int value);
    int GetRunValue() const { return m_value; }

private:
    int m_value { 0 };
    uint32_t m_last_step { 0 };
};

}
