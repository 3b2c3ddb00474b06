#include <lumoui/CDeviceCtrl.h>
#include <lumoui/ControlFactory.h>
#include <lumoui/Manager.h>
#include <lumoui/PaintManager.h>

#include "controls/ItemHover.h"

namespace LumoUI {

namespace {

constexpr ARGB kTileColor = 0xFF1A2233;
constexpr ARGB kTileHover = 0xFF222C3E;
constexpr ARGB kOnline = 0xFF34C759;
constexpr ARGB kOffline = 0xFF5A6270;

}

CDeviceCtrl::CDeviceCtrl(int visible)
    : MControlFont(visible, 1)
{
}

void CDeviceCtrl::InitControl(PaintManager* manager)
{
    MControlFont::InitControl(manager);
    if (m_image.IsNull() && manager)
        SetImage(L"img_device_tile.png", 4);
}

int CDeviceCtrl::AddDevice(CString const& name, int value1, int value2, int type, bool flag)
{
    DeviceEntry entry;
    entry.name = name;
    entry.value1 = value1;
    entry.value2 = value2;
    entry.type = type;
    entry.flag = flag;
    m_entries.push_back(std::move(entry));
    Layout();
    UpdateControl(1, 0);
    return static_cast<int>(m_entries.size()) - 1;
}

int CDeviceCtrl::SetDeviceState(int type, int state)
{
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].type != type)
            continue;
        m_entries[i].state = state;
        if (state != 0)
            m_current = static_cast<int>(i);
        Recount();
        UpdateControl(1, 0);
        return 1;
    }
    return 0;
}

void CDeviceCtrl::ResetAllState()
{
    for (auto& entry : m_entries)
        entry.state = 0;
    m_current = -1;
    Recount();
    UpdateControl(1, 0);
}

void CDeviceCtrl::Recount()
{
    m_connected = 0;
    for (auto const& entry : m_entries)
        if (entry.state == 1)
            ++m_connected;
}

int CDeviceCtrl::GetCurDeviceType() const
{
    if (m_current < 0 || m_current >= GetDeviceCount() || m_connected == 0)
        return 0;
    return m_entries[m_current].type;
}

DeviceEntry const* CDeviceCtrl::GetDevice(int index) const
{
    if (index < 0 || index >= GetDeviceCount())
        return nullptr;
    return &m_entries[index];
}

void CDeviceCtrl::DeleteAllDevices()
{
    m_entries.clear();
    m_current = -1;
    m_connected = 0;
    m_hover = -1;
    UpdateControl(1, 0);
}

void CDeviceCtrl::SetControlRect(CRect rc)
{
    MControlFont::SetControlRect(rc);
    Layout();
}

void CDeviceCtrl::Layout()
{
    int x = m_rect.left;
    for (auto& entry : m_entries) {
        entry.rect = CRect(x, m_rect.top, x + kTileWidth, m_rect.bottom);
        x += kTileWidth + kTileGap;
    }
}

int CDeviceCtrl::HitTest(CPoint pt) const
{
    if (!m_rect.PtInRect(pt))
        return -1;
    for (size_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].rect.PtInRect(pt))
            return static_cast<int>(i);
    return -1;
}

int CDeviceCtrl::OnControlMouseMove(unsigned, CPoint pt)
{
    return TrackItemHover(*this, m_hover, IsEnabled() ? HitTest(pt) : -1);
}

int CDeviceCtrl::OnControlLButtonDown(unsigned, CPoint pt)
{
    if (!IsEnabled())
        return 0;
    int const index = HitTest(pt);
    if (index < 0)
        return 0;
    SendMessageW(NOTIFY_LBUTTONDOWN, static_cast<WPARAM>(index), 0);
    return 1;
}

void CDeviceCtrl::DrawControl(MGraphics& g, CRect)
{
    g.Save();
    g.ClipRect(m_rect);
    for (size_t i = 0; i < m_entries.size(); ++i) {
        DeviceEntry const& entry = m_entries[i];
        bool const current = static_cast<int>(i) == m_current && m_connected > 0;
        bool const hover = static_cast<int>(i) == m_hover;
        int const cy = (entry.rect.top + entry.rect.bottom) / 2;
        CRect dot(entry.rect.left + 16, cy - 4, entry.rect.left + 24, cy + 4);
        if (!m_image.IsNull()) {
            int const frame = current ? 2 : hover ? 1 : entry.state == 1 ? 0 : 3;
            g.DrawImageFrame(m_image, entry.rect, GetFrameRect(frame), 10);
        } else {
            // Without the skin's tiles a dot tells connected from absent.
            g.FillRoundRect(entry.rect, 5, 5, hover ? kTileHover : kTileColor);
            if (current)
                g.DrawRoundRect(entry.rect, 5, 5, Manager::GetSelectColor(), 2.0f);
            g.FillEllipse(dot, entry.state == 1 ? kOnline : kOffline);
        }
        CRect text(entry.rect.left + 40, entry.rect.top, entry.rect.right - 6, entry.rect.bottom);
        g.DrawText(entry.name, text, GetFont(), entry.state == 1 ? m_text_color : 0xFF8A92A0, DT_LEFT | DT_VCENTER | DT_END_ELLIPSIS);
    }
    g.Restore();
}

LUMOUI_REGISTER_CONTROL(CDeviceCtrl, L"CDeviceCtrl", FactoryBoth,
    [](ControlArgs const& a) { return std::make_unique<CDeviceCtrl>(a.visible); });

}
