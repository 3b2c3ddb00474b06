#include <lumoui/Render.h>

#include "render/Resources.h"

namespace LumoUI {

MImage MRender::LoadImageFromFile(CString const& path) { return MImage::LoadFromFile(path); }

MImage MRender::LoadImageFromIDResource(unsigned id, CString const&)
{
    auto bytes = GetResourceBytes(id);
    return bytes.empty() ? MImage {} : MImage::LoadFromMemory(bytes);
}

std::span<uint8_t const> MRender::GetResourceBytes(unsigned id) { return EmbeddedResource(id); }

void MRender::DrawImageFrame(MGraphics& g, MImage const& image, CRect const& dst, int sx, int sy, int sw, int sh, int corner)
{
    g.DrawImageFrame(image, dst, CRect(sx, sy, sx + sw, sy + sh), corner);
}

void MRender::DrawImageFrameMID(MGraphics& g, MImage const& image, CRect const& dst, int sx, int sy, int sw, int sh, int left, int top, int right, int bottom)
{
    g.DrawImageFrame(image, dst, CRect(sx, sy, sx + sw, sy + sh), left, top, right, bottom);
}

CPoint MRender::GetOriginPoint(int outerWidth, int outerHeight, int width, int height, unsigned halign, unsigned valign)
{
    CPoint pt;
    if (halign == 1)
        pt.x = (outerWidth - width) / 2;
    else if (halign == 2)
        pt.x = outerWidth - width;
    if (valign == 4)
        pt.y = (outerHeight - height) / 2;
    else if (valign == 8)
        pt.y = outerHeight - height;
    return pt;
}

CPoint MRender::GetOriginPoint(CRect const& rc, int width, int height, unsigned halign, unsigned valign)
{
    CPoint pt = GetOriginPoint(rc.Width(), rc.Height(), width, height, halign, valign);
    return { rc.left + pt.x, rc.top + pt.y + 2 };
}

CSize MRender::GetTextBounds(MFont const& font, CString const& text, int width) { return MGraphics::MeasureText(text, font, width); }

void MRender::CheckAlphaColor(COLORREF& color)
{
    if ((color & 0xFFFFFF) == 0)
        color = 0x000001;
}

void MRender::DrawColor(MGraphics& g, CRect const& rc, ARGB color)
{
    if (color >> 24)
        g.FillRect(rc, color);
}

void MRender::FillSolidRect(MGraphics& g, CRect const& rc, COLORREF color) { g.FillRect(rc, ColorRefToARGB(color)); }
void MRender::DrawGradient(MGraphics& g, CRect const& rc, ARGB from, ARGB to, bool vertical) { g.FillGradient(rc, from, to, vertical); }
void MRender::DrawRectangle(MGraphics& g, CRect const& rc, ARGB color, float width) { g.DrawRect(rc, color, width); }

void MRender::DrawRoundRectange(MGraphics& g, CRect const& rc, int radius, ARGB color, float width)
{
    g.DrawRoundRect(rc, static_cast<float>(radius), static_cast<float>(radius), color, width);
}

}
