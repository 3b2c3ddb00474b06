#include <lumoui/BatteryCtrl.h>
#include <lumoui/ControlFactory.h>
#include <lumoui/PaintManager.h>

#include <algorithm>

namespace LumoUI {

namespace {

constexpr ARGB kFillColor = 0xFF34C759;
constexpr ARGB kLowColor = 0xFFFF3B30;
constexpr ARGB kOutline = 0xFFC8C8C8;
constexpr int kLowLevel = 20;

}

BatteryCtrl::BatteryCtrl(int visible)
    : MControlFont(visible, 1)
{
    m_frame_count = 1;
}

void BatteryCtrl::InitControl(PaintManager* manager)
{
    MControlFont::InitControl(manager);
    if (m_battery.IsNull())
        SetBatteryIcon(L"img_battery.png", L"img_battery_charging.png");
}

int BatteryCtrl::SetBatteryIcon(wchar_t const* battery, wchar_t const* charging)
{
    if (!m_manager || !battery || !charging)
        return 0;
    ImgResInfo* outline = m_manager->AddImgResInfo(battery, 1);
    ImgResInfo* mark = m_manager->AddImgResInfo(charging, 1);
    if (!outline || !mark)
        return 0;
    m_battery = outline->image;
    m_charge = mark->image;
    UpdateControl(1, 0);
    return 1;
}

void BatteryCtrl::SetBatteryInfo(int level, int charging)
{
    level = std::clamp(level, 0, 100);
    charging = charging ? 1 : 0;
    if (level == m_level && charging == m_charging)
        return;
    m_level = level;
    m_charging = charging;
    UpdateControl(1, 0);
}

CRect BatteryCtrl::BodyRect() const
{
    // Outline image at its natural size centred, else a 30 × 14 body.
    CSize const size = m_battery.IsNull() ? CSize(30, 14) : m_battery.Size();
    int const x = m_rect.left + (m_rect.Width() - size.cx) / 2;
    int const y = m_rect.top + (m_rect.Height() - size.cy) / 2;
    return CRect(x, y, x + size.cx, y + size.cy);
}

void BatteryCtrl::DrawControl(MGraphics& g, CRect)
{
    CRect const body = BodyRect();
    // The fill sits inside the outline, leaving room for the terminal cap.
    CRect inner(body.left + 3, body.top + 3, body.right - 6, body.bottom - 3);
    if (m_battery.IsNull()) {
        g.DrawRoundRect(CRect(body.left, body.top, body.right - 3, body.bottom), 2, 2, kOutline, 1.5f);
        g.FillRect(CRect(body.right - 3, body.top + body.Height() / 3, body.right, body.bottom - body.Height() / 3), kOutline);
    } else {
        g.DrawImage(m_battery, body.TopLeft());
    }
    CRect fill = inner;
    fill.right = inner.left + inner.Width() * m_level / 100;
    if (!fill.IsRectEmpty())
        g.FillRect(fill, m_level <= kLowLevel ? kLowColor : kFillColor);
    if (!m_charging)
        return;
    if (!m_charge.IsNull()) {
        CPoint const at(body.left + (body.Width() - m_charge.Width()) / 2, body.top + (body.Height() - m_charge.Height()) / 2);
        g.DrawImage(m_charge, at);
        return;
    }
    int const cx = (inner.left + inner.right) / 2;
    CPoint const bolt[6] = { { cx + 2, body.top + 1 }, { cx - 4, body.top + body.Height() / 2 + 1 }, { cx, body.top + body.Height() / 2 + 1 },
        { cx - 2, body.bottom - 1 }, { cx + 4, body.top + body.Height() / 2 - 1 }, { cx, body.top + body.Height() / 2 - 1 } };
    g.FillPolygon(bolt, 6, 0xFFFFD60A);
}

LUMOUI_REGISTER_CONTROL(BatteryCtrl, L"BatteryCtrl", FactoryDialog,
    [](ControlArgs const& a) { return std::make_unique<BatteryCtrl>(a.visible); });

}
