#include <lumoui/PaintManager.h>
#include <lumoui/Panel.h>

namespace LumoUI {

namespace {

// Content pixels one wheel notch moves.
constexpr int kWheelPixels = 40;
constexpr int kMinThumb = 20;

}

MScrollBar::MScrollBar(bool vertical)
    : MControlFont(0, 1)
    , m_vertical(vertical)
{
}

wchar_t const* MScrollBar::GetClassNameW() { return m_vertical ? L"CScrollVertical" : L"CScrollHorizontal"; }

void MScrollBar::SetRange(int range, int page)
{
    m_range = std::max(range, 0);
    m_page = std::max(page, 0);
    m_pos = std::clamp(m_pos, 0, m_range);
    if (m_image.IsNull() && m_manager)
        SetImage(m_manager->GetScrollResID(m_vertical), L"PNG", 1);
}

int MScrollBar::GetStep() const
{
    int scrollable = m_range - m_page;
    if (scrollable <= 0 || m_range <= 0)
        return std::max(m_range, 1);
    return std::max(1, static_cast<int>((static_cast<long long>(kWheelPixels) * m_range + scrollable - 1) / scrollable));
}

bool MScrollBar::SetPos(int pos, bool notify)
{
    pos = std::clamp(pos, 0, m_range);
    if (pos == m_pos)
        return false;
    m_pos = pos;
    UpdateControl(1, 0);
    if (notify)
        SendMessageW(NOTIFY_POSCHANGED, static_cast<WPARAM>(m_pos), 0);
    return true;
}

CRect MScrollBar::ThumbRect() const
{
    int length = m_vertical ? m_rect.Height() : m_rect.Width();
    if (m_range <= 0 || length <= 0)
        return {};
    int thumb = std::clamp(static_cast<int>(static_cast<long long>(length) * m_page / m_range), kMinThumb, length);
    int offset = static_cast<int>(static_cast<long long>(length - thumb) * m_pos / m_range);
    return m_vertical ? CRect(m_rect.left, m_rect.top + offset, m_rect.right, m_rect.top + offset + thumb)
                      : CRect(m_rect.left + offset, m_rect.top, m_rect.left + offset + thumb, m_rect.bottom);
}

void MScrollBar::DrawControl(MGraphics& g, CRect)
{
    g.FillRoundRect(m_rect, 3, 3, 0x30FFFFFF);
    CRect thumb = ThumbRect();
    if (thumb.IsRectEmpty())
        return;
    if (m_image.IsNull()) {
        g.FillRoundRect(thumb, 3, 3, 0xC0FFFFFF);
        return;
    }
    int corner = std::min({ 3, m_image.Width() / 2, m_image.Height() / 2 });
    g.DrawImageFrame(m_image, thumb, CRect(CPoint(), m_image.Size()), corner);
}

int MScrollBar::OnControlLButtonDown(unsigned, CPoint pt)
{
    CRect thumb = ThumbRect();
    if (thumb.PtInRect(pt)) {
        m_drag_from = m_vertical ? pt.y : pt.x;
        m_drag_pos = m_pos;
        return 1;
    }
    // A press beside the thumb moves one page towards the press.
    int before = m_vertical ? pt.y < thumb.top : pt.x < thumb.left;
    SetPos(m_pos + (before ? -m_page : m_page));
    return 1;
}

int MScrollBar::OnControlMouseMove(unsigned, CPoint pt)
{
    if (m_drag_from < 0 || pt.x == -1)
        return 0;
    int length = m_vertical ? m_rect.Height() : m_rect.Width();
    int thumb = ThumbRect().Size().cx;
    thumb = m_vertical ? ThumbRect().Height() : thumb;
    int travel = length - thumb;
    if (travel <= 0)
        return 1;
    int moved = (m_vertical ? pt.y : pt.x) - m_drag_from;
    SetPos(m_drag_pos + static_cast<int>(static_cast<long long>(moved) * m_range / travel));
    return 1;
}

int MScrollBar::OnControlLButtonUp(unsigned, CPoint)
{
    m_drag_from = -1;
    return 1;
}

int MScrollBar::OnCheckMouseResponse(unsigned, CPoint) { return m_drag_from >= 0 ? 1 : 0; }

}
