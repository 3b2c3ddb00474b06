#include <lumoui/Area.h>
#include <lumoui/ControlFactory.h>

#include <algorithm>

namespace LumoUI {

namespace {

unsigned PercentToAlpha(int percent) { return static_cast<unsigned>((std::clamp(percent, 0, 100) * 255 + 50) / 100); }

}

CArea::CArea(int visible)
    : MControl(visible, 1)
{
}

void CArea::SetTransparent(int mode, int param, COLORREF color)
{
    m_fill_mode = 2;
    m_start_percent = std::clamp(mode, 0, 100);
    m_end_percent = std::clamp(param, 0, 100);
    m_color = color;
    UpdateControl(1, 0);
}

void CArea::SetTransitionHorizontal(bool horizontal)
{
    m_horizontal = horizontal;
    UpdateControl(1, 0);
}

void CArea::SetFrame(int width, ARGB color, int radius)
{
    m_frame_width = std::max(width, 0);
    m_frame_color = color;
    m_frame_radius = std::max(radius, 0);
    UpdateControl(1, 0);
}

void CArea::DrawControl(MGraphics& g, CRect)
{
    if (m_fill_mode == 1) {
        g.FillRect(m_rect, ColorRefToARGB(m_color, static_cast<unsigned>(std::clamp(m_alpha, 0, 255))));
    } else if (m_fill_mode == 2) {
        ARGB const from = ColorRefToARGB(m_color, PercentToAlpha(m_start_percent));
        ARGB const to = ColorRefToARGB(m_color, PercentToAlpha(m_end_percent));
        if (from == to)
            g.FillRect(m_rect, from);
        else
            g.FillGradient(m_rect, from, to, !m_horizontal);
    }
    if (m_frame_width <= 0)
        return;
    auto const width = static_cast<float>(m_frame_width);
    if (m_frame_radius > 0)
        g.DrawRoundRect(m_rect, static_cast<float>(m_frame_radius), static_cast<float>(m_frame_radius), m_frame_color, width);
    else
        g.DrawRect(m_rect, m_frame_color, width);
}

LUMOUI_REGISTER_CONTROL(CArea, L"CArea", FactoryBoth, [](ControlArgs const& a) { return std::make_unique<CArea>(a.visible); });

}
