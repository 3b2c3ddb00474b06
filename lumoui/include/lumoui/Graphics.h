#pragma once

#include <lumoui/Export.h>
#include <lumoui/Image.h>
#include <lumoui/Messages.h>
#include <lumoui/Types.h>

#include <memory>

namespace LumoUI {

// Font style bits (combine with |).
enum FontStyle : int {
    FontStyleRegular = 0,
    FontStyleBold = 1,
    FontStyleItalic = 2,
    FontStyleBoldItalic = 3,
    FontStyleUnderline = 4,
    FontStyleStrikeout = 8,
};

// A font request. An empty family means the process-wide family
// (Manager::GetFontName(), resolved through the font registry); size is in
// pixels. Any family name that is not installed falls back to the
// process-wide family, then to a CJK-capable sans-serif.
struct MFont {
    CString family;
    int size { 14 };
    int style { FontStyleRegular };
};

// The painter every control draws with. It draws into an MImage (the window's
// off-screen buffer or a control's face cache) in that image's pixel
// coordinates, moved by Translate. Colours are 0xAARRGGBB. Not thread-safe;
// used on the window thread during painting.
class LUMOUI_API MGraphics {
public:
    explicit MGraphics(MImage& target);
    ~MGraphics();
    MGraphics(MGraphics const&) = delete;
    MGraphics& operator=(MGraphics const&) = delete;

    MImage& Target() { return m_target; }
    // Current translation: drawing at (x, y) lands on target pixel (x + dx, y + dy).
    CPoint Origin() const;

    void Save();
    void Restore();
    void Translate(int dx, int dy);
    // Intersects the clip with rc (in current coordinates).
    void ClipRect(CRect rc);
    void SetAntialias(bool on);

    // Replaces the pixels of rc with color (no blending); 0 clears them.
    void Clear(CRect rc, ARGB color = 0);
    void FillRect(CRect rc, ARGB color);
    // Outline inside rc, `width` pixels wide.
    void DrawRect(CRect rc, ARGB color, float width = 1.0f);
    void FillRoundRect(CRect rc, float radiusX, float radiusY, ARGB color);
    void DrawRoundRect(CRect rc, float radiusX, float radiusY, ARGB color, float width = 1.0f);
    void DrawLine(CPoint from, CPoint to, ARGB color, float width = 1.0f, bool dotted = false);
    void DrawDottedRect(CRect rc, ARGB color, float width = 1.0f);
    void FillEllipse(CRect rc, ARGB color);
    void DrawEllipse(CRect rc, ARGB color, float width = 1.0f);
    // Arc of the ellipse in rc; angles in degrees, clockwise from 3 o'clock.
    void DrawArc(CRect rc, float startDegrees, float sweepDegrees, ARGB color, float width = 1.0f);
    void FillPie(CRect rc, float startDegrees, float sweepDegrees, ARGB color);
    void FillPolygon(CPoint const* points, int count, ARGB color);
    // Linear gradient from `from` to `to`, top-to-bottom or left-to-right.
    void FillGradient(CRect rc, ARGB from, ARGB to, bool vertical);

    // The whole image at its natural size with its top-left at `at`.
    void DrawImage(MImage const& image, CPoint at, float opacity = 1.0f);
    // The whole image scaled into dst.
    void DrawImage(MImage const& image, CRect dst, float opacity = 1.0f);
    // The source rectangle src of the image scaled into dst.
    void DrawImage(MImage const& image, CRect dst, CRect src, float opacity = 1.0f);
    // Nine-grid: corners of `corner` pixels unscaled, edges stretched along
    // their length, centre stretched both ways.
    void DrawImageFrame(MImage const& image, CRect dst, CRect src, int corner);
    void DrawImageFrame(MImage const& image, CRect dst, CRect src, int left, int top, int right, int bottom);
    // Copies pixels unblended (replacing alpha too): src rectangle of image to `at`.
    void CopyImage(MImage const& image, CRect src, CPoint at);

    // Text in rc with DT_* alignment flags (DT_CENTER/DT_RIGHT,
    // DT_VCENTER/DT_BOTTOM, DT_WORDBREAK, DT_END_ELLIPSIS); single line
    // unless DT_WORDBREAK is given.
    void DrawText(CString const& text, CRect rc, MFont const& font, ARGB color, unsigned format = DT_LEFT | DT_VCENTER);
    // Size of the text's ink-and-advance box; wraps at maxWidth when > 0.
    static CSize MeasureText(CString const& text, MFont const& font, int maxWidth = -1);

    // Backend access (the renderer only).
    struct State;

private:
    MImage m_target;
    std::unique_ptr<State> m_state;
};

}
