#pragma once

#include <lumoui/Export.h>
#include <lumoui/Graphics.h>
#include <lumoui/Image.h>
#include <lumoui/Types.h>

#include <span>

namespace LumoUI {

// Static drawing and loading helpers.
class LUMOUI_API MRender {
public:
    MRender() = delete;

    // Exact path; null image when missing or undecodable.
    static MImage LoadImageFromFile(CString const& path);
    // An image embedded in the library: 101 horizontal and 102 vertical
    // scroll-bar images (PNG). Null for another id.
    static MImage LoadImageFromIDResource(unsigned id, CString const& type = L"PNG");
    // Bytes of an embedded resource (empty when unknown).
    static std::span<uint8_t const> GetResourceBytes(unsigned id);

    static void DrawImageFrame(MGraphics& g, MImage const& image, CRect const& dst, int sx, int sy, int sw, int sh, int corner);
    static void DrawImageFrameMID(MGraphics& g, MImage const& image, CRect const& dst, int sx, int sy, int sw, int sh, int left, int top, int right, int bottom);
    // Offset of a w × h box aligned in rc: horizontal 1 centre, 2 right,
    // else left; vertical 4 centre, 8 bottom, else top.
    static CPoint GetOriginPoint(int outerWidth, int outerHeight, int width, int height, unsigned halign, unsigned valign);
    // The same within rc, in rc's coordinates; adds 2 pixels to y.
    static CPoint GetOriginPoint(CRect const& rc, int width, int height, unsigned halign, unsigned valign);
    static CSize GetTextBounds(MFont const& font, CString const& text, int width = -1);
    // Pure black (low 24 bits zero) becomes 0x000001 so it never equals a
    // black colour key.
    static void CheckAlphaColor(COLORREF& color);
    // Fills only when the colour's alpha byte is non-zero.
    static void DrawColor(MGraphics& g, CRect const& rc, ARGB color);
    static void FillSolidRect(MGraphics& g, CRect const& rc, COLORREF color);
    static void DrawGradient(MGraphics& g, CRect const& rc, ARGB from, ARGB to, bool vertical);
    static void DrawRectangle(MGraphics& g, CRect const& rc, ARGB color, float width = 1.0f);
    static void DrawRoundRectange(MGraphics& g, CRect const& rc, int radius, ARGB color, float width = 1.0f);
};

}
