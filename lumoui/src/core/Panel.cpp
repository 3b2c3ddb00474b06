#include <lumoui/ControlFactory.h>
#include <lumoui/PaintManager.h>
#include <lumoui/Panel.h>

namespace LumoUI {

namespace {

constexpr unsigned kVerticalBarId = 1;
constexpr unsigned kHorizontalBarId = 2;

bool IsBar(MControl const* c) { return c->GetControlID() == kVerticalBarId || c->GetControlID() == kHorizontalBarId; }

}

MPanel::MPanel(int visible, int enabled)
    : MControlFont(visible, enabled)
{
    auto vertical = std::make_unique<MScrollBar>(true);
    vertical->SetControlID(kVerticalBarId);
    auto horizontal = std::make_unique<MScrollBar>(false);
    horizontal->SetControlID(kHorizontalBarId);
    m_vscroll = static_cast<MScrollBar*>(AddChildControl(std::move(vertical)));
    m_hscroll = static_cast<MScrollBar*>(AddChildControl(std::move(horizontal)));
}

MPanel::~MPanel() = default;

void MPanel::InitControl(PaintManager* manager)
{
    m_vscroll->SetManager(manager);
    m_hscroll->SetManager(manager);
    SetControlRect(m_rect);
}

void MPanel::SetControlRect(CRect rc)
{
    MControlFont::SetControlRect(rc);
    m_vscroll->SetControlRect(CRect(rc.right - m_scroll_thickness, rc.top, rc.right, rc.bottom));
    m_hscroll->SetControlRect(CRect(rc.left, rc.bottom - m_scroll_thickness, rc.right, rc.bottom));
    UpdateScrollBars();
}

void MPanel::UpdateScrollBars()
{
    int height = 0, width = 0;
    m_controls.ForEach([&](MControl* c) {
        if (IsBar(c))
            return;
        CRect r = c->GetRect();
        height = std::max(height, r.bottom - m_rect.top);
        width = std::max(width, r.right - m_rect.left);
    });
    m_virtual_height = std::max(height, m_virtual_height_min);
    m_virtual_width = std::max(width, m_virtual_width_min);
    m_vscroll->SetRange(m_virtual_height, m_rect.Height());
    m_hscroll->SetRange(m_virtual_width, m_rect.Width());
    m_vscroll->SetControlVisible(m_scroll_enabled && m_rect.Height() < m_virtual_height);
    m_hscroll->SetControlVisible(m_scroll_enabled && m_rect.Width() < m_virtual_width);
}

void MPanel::SetVirtualWidth(int width)
{
    m_virtual_width_min = width;
    UpdateScrollBars();
}

void MPanel::SetVirtualHeight(int height)
{
    m_virtual_height_min = height;
    UpdateScrollBars();
}

CPoint MPanel::GetScrollOffset() const
{
    CPoint offset;
    if (!m_scroll_enabled)
        return offset;
    int h = m_rect.Height(), w = m_rect.Width();
    if (m_virtual_height > h && m_vscroll->GetRange() > 0)
        offset.y = static_cast<int>(static_cast<long long>(m_virtual_height - h) * m_vscroll->GetPos() / m_vscroll->GetRange());
    if (m_virtual_width > w && m_hscroll->GetRange() > 0)
        offset.x = static_cast<int>(static_cast<long long>(m_virtual_width - w) * m_hscroll->GetPos() / m_hscroll->GetRange());
    return offset;
}

void MPanel::ScrollToY(int y)
{
    int scrollable = m_virtual_height - m_rect.Height();
    if (scrollable <= 0) {
        m_vscroll->SetPos(0, false);
    } else {
        y = std::clamp(y, 0, scrollable);
        m_vscroll->SetPos(static_cast<int>((static_cast<long long>(y) * m_vscroll->GetRange() + scrollable - 1) / scrollable), false);
    }
    SetUpdate(0, 0);
    UpdateControl(1, 0);
}

int MPanel::OnMousePointChange(CPoint& pt)
{
    CPoint offset = GetScrollOffset();
    if (offset == CPoint())
        return 0;
    pt = pt + offset;
    return 1;
}

int MPanel::OnControlScroll(int, unsigned direction, CPoint)
{
    if (!m_scroll_enabled || m_virtual_height < m_rect.Height())
        return 0;
    int pos = m_vscroll->GetPos() + (direction == 1 ? m_vscroll->GetStep() : -m_vscroll->GetStep());
    if (!m_vscroll->SetPos(pos, false))
        return 1;
    SetUpdate(0, 0);
    UpdateControl(1, 0);
    return 1;
}

LRESULT MPanel::OnMessage(unsigned id, unsigned code, WPARAM wParam, LPARAM lParam)
{
    // The panel's own scroll bars move its content; their ids (1, 2) are
    // private to the panel and must not reach the dialog.
    if ((id == kVerticalBarId || id == kHorizontalBarId) && code == NOTIFY_POSCHANGED) {
        SetUpdate(0, 0);
        UpdateControl(1, 0);
        return 1;
    }
    return MControlFont::OnMessage(id, code, wParam, lParam);
}

LRESULT MPanel::OnControlUpdate(CRect rc, int markDirty, MControl* ctrl)
{
    if (!ctrl)
        return 0;
    if (!IsBar(ctrl)) {
        CPoint offset = GetScrollOffset();
        rc.OffsetRect(-offset.x, -offset.y);
    }
    return MControlFont::OnControlUpdate(rc, markDirty, ctrl);
}

void MPanel::DrawControl(MGraphics& g, CRect)
{
    if (m_back_color >> 24)
        g.FillRect(m_rect, m_back_color);
}

int MPanel::DrawSubControls(MGraphics& g, CRect clip)
{
    CPoint offset = GetScrollOffset();
    CRect visibleClip;
    if (!visibleClip.IntersectRect(clip, m_rect))
        return 1;
    g.Save();
    g.ClipRect(m_rect);
    g.Translate(-offset.x, -offset.y);
    CRect childClip = visibleClip;
    childClip.OffsetRect(offset.x, offset.y);
    m_controls.ForEach([&](MControl* child) {
        if (!IsBar(child) && child->IsVisible())
            child->Draw(g, childClip);
    });
    g.Restore();
    m_controls.ForEach([&](MControl* child) {
        if (IsBar(child) && child->IsVisible())
            child->Draw(g, clip);
    });
    return 1;
}

void MPanel::SetUpdate(int valid, COLORREF back)
{
    m_cache_valid = valid;
    m_controls.ForEach([&](MControl* child) { child->SetUpdate(valid, back); });
}

MControl* MPanel::CreateArea(wchar_t const* cls, unsigned id, CRect rc, wchar_t const* title, int visible, int enabled)
{
    return CreateControl(0, this, cls, id, rc, title, visible, enabled);
}

MControl* MPanel::CreateControl(wchar_t const* cls, unsigned id, CRect rc, wchar_t const* title, int visible, int enabled)
{
    return CreateControl(1, this, cls, id, rc, title, visible, enabled);
}

MControl* MPanel::CreateControl(int kind, MObject* parent, wchar_t const* cls, unsigned id, CRect rc, wchar_t const* title, int visible, int enabled)
{
    std::unique_ptr<MControl> control = ControlFactory::Create(cls, FactoryPanel, ControlArgs { title ? title : L"", visible, enabled });
    if (!control)
        return nullptr;
    control->SetControlID(id);
    control->SetParent(parent ? parent : this);
    control->SetControlRect(rc);
    if (m_manager)
        control->SetManager(m_manager);
    if (kind == 0)
        return m_areas.Add(std::move(control));
    // Any other kind is listed as a control: the list owns every control.
    MControl* raw = m_controls.Add(std::move(control));
    UpdateScrollBars();
    return raw;
}

}
