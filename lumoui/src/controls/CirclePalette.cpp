#include <lumoui/CirclePalette.h>
#include <lumoui/ControlFactory.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>


namespace LumoUI {

namespace {

// A wheel of hues around the circle, white at the centre, fully saturated
// at the rim.
MImage GenerateWheel(int size)
{
    std::vector<uint32_t> pixels(static_cast<size_t>(size) * size, 0);
    double const r = size / 2.0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            double const dx = x + 0.5 - r;
            double const dy = y + 0.5 - r;
            double const d = std::sqrt(dx * dx + dy * dy);
            if (d > r)
                continue;
            double hue = std::atan2(-dy, dx) * 180.0 / std::numbers::pi;
            if (hue < 0)
                hue += 360.0;
            double const s = std::min(1.0, d / r);
            double const c = s;
            double const h = hue / 60.0;
            double const xx = c * (1 - std::fabs(std::fmod(h, 2.0) - 1));
            double rr = 0, gg = 0, bb = 0;
            switch (static_cast<int>(h) % 6) {
            case 0: rr = c; gg = xx; break;
            case 1: rr = xx; gg = c; break;
            case 2: gg = c; bb = xx; break;
            case 3: gg = xx; bb = c; break;
            case 4: rr = xx; bb = c; break;
            default: rr = c; bb = xx; break;
            }
            double const m = 1 - c;
            auto channel = [m](double v) { return static_cast<unsigned>(std::lround((v + m) * 255)); };
            pixels[static_cast<size_t>(y) * size + x] = MakeARGB(255, channel(rr), channel(gg), channel(bb));
        }
    }
    return MImage::FromARGB(size, size, pixels);
}

}

CirclePalette::CirclePalette(int visible)
    : MControlFont(visible, 1)
{
    m_frame_count = 1;
}

void CirclePalette::SetControlRect(CRect rc)
{
    CPoint const offset = m_thumb - m_rect.CenterPoint();
    bool const placed = m_rect.Width() > 0;
    MControlFont::SetControlRect(rc);
    m_thumb = placed ? rc.CenterPoint() + offset : rc.CenterPoint();
    m_generated = MImage();
}

CRect CirclePalette::WheelRect() const
{
    MImage const& wheel = Wheel();
    if (wheel.IsNull())
        return m_rect;
    CSize const size = m_image.IsNull() ? wheel.Size() : CSize(m_frame_width, m_frame_height);
    CPoint const c = m_rect.CenterPoint();
    return CRect(c.x - size.cx / 2, c.y - size.cy / 2, c.x - size.cx / 2 + size.cx, c.y - size.cy / 2 + size.cy);
}

MImage const& CirclePalette::Wheel() const
{
    if (!m_image.IsNull())
        return m_image;
    if (m_generated.IsNull()) {
        int const size = std::min(m_rect.Width(), m_rect.Height());
        if (size > 0)
            m_generated = GenerateWheel(size);
    }
    return m_generated;
}

int CirclePalette::DistanceFromCenter(CPoint pt) const
{
    CPoint const c = m_rect.CenterPoint();
    double const dx = pt.x - c.x;
    double const dy = pt.y - c.y;
    return static_cast<int>(std::floor(std::sqrt(dx * dx + dy * dy)));
}

COLORREF CirclePalette::ColorAt(CPoint pt) const
{
    MImage const& wheel = Wheel();
    CRect const rc = WheelRect();
    if (wheel.IsNull() || !rc.PtInRect(pt))
        return 0;
    ARGB const argb = wheel.GetPixel(pt.x - rc.left, pt.y - rc.top);
    // A translucent pixel shows the dark window background through it.
    unsigned const a = argb >> 24;
    auto channel = [a](unsigned v) { return v * a / 255; };
    return RGB(channel((argb >> 16) & 0xFF), channel((argb >> 8) & 0xFF), channel(argb & 0xFF));
}

void CirclePalette::SetThumbPoint(CPoint pt)
{
    m_thumb = pt;
    m_color = ColorAt(pt);
    UpdateControl(1, 0);
}

bool CirclePalette::Pick(CPoint pt)
{
    if (DistanceFromCenter(pt) > kRadius)
        return false;
    m_thumb = pt;
    m_color = ColorAt(pt);
    UpdateControl(1, 0);
    SendMessageW(NOTIFY_COLORCHANGED, 0, static_cast<LPARAM>(m_color));
    return true;
}

int CirclePalette::OnControlLButtonDown(unsigned, CPoint pt)
{
    if (!IsEnabled() || !m_rect.PtInRect(pt))
        return 0;
    CRect thumb(m_thumb.x - kThumbSize / 2, m_thumb.y - kThumbSize / 2, m_thumb.x + kThumbSize / 2, m_thumb.y + kThumbSize / 2);
    if (thumb.PtInRect(pt)) {
        m_dragging = true;
        m_last_drag = pt;
    }
    Pick(pt);
    return 1;
}

int CirclePalette::OnControlMouseMove(unsigned, CPoint pt)
{
    if (!m_dragging)
        return m_rect.PtInRect(pt) ? 1 : 0;
    if (std::abs(pt.x - m_last_drag.x) <= kDragThreshold && std::abs(pt.y - m_last_drag.y) <= kDragThreshold)
        return 1;
    if (Pick(pt))
        m_last_drag = pt;
    return 1;
}

int CirclePalette::OnControlLButtonUp(unsigned, CPoint)
{
    bool const was = m_dragging;
    m_dragging = false;
    return was ? 1 : 0;
}

int CirclePalette::OnCheckMouseResponse(unsigned, CPoint) { return m_dragging ? 1 : 0; }

void CirclePalette::DrawControl(MGraphics& g, CRect)
{
    MImage const& wheel = Wheel();
    if (!wheel.IsNull())
        g.DrawImage(wheel, WheelRect(), m_image.IsNull() ? CRect(CPoint(), wheel.Size()) : GetFrameRect(0));
    CRect thumb(m_thumb.x - kThumbSize / 2, m_thumb.y - kThumbSize / 2, m_thumb.x + kThumbSize / 2, m_thumb.y + kThumbSize / 2);
    g.DrawEllipse(thumb, 0xFF000000, 2.0f);
    thumb.DeflateRect(1, 1);
    g.DrawEllipse(thumb, 0xFFFFFFFF, 1.5f);
}

LUMOUI_REGISTER_CONTROL(CirclePalette, L"CirclePalette", FactoryBoth,
    [](ControlArgs const& a) { return std::make_unique<CirclePalette>(a.visible); });

}
