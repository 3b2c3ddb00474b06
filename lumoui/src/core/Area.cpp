#include <lumoui/Area.h>
#include <lumoui/ControlFactory.h>

namespace LumoUI {

CArea::CArea(int visible)
    : MControl(visible, 1)
{
}

void CArea::DrawControl(MGraphics& g, CRect)
{
    if (m_fill_mode == 1)
        g.FillRect(m_rect, ColorRefToARGB(m_color, static_cast<unsigned>(m_alpha)));
    if (m_frame_width > 0)
        g.DrawRect(m_rect, ColorRefToARGB(m_frame_color), static_cast<float>(m_frame_width));
}

LUMOUI_REGISTER_CONTROL(CArea, L"CArea", FactoryBoth, [](ControlArgs const& a) { return std::make_unique<CArea>(a.visible); });

}
