#include <lumoui/ControlFactory.h>
#include <lumoui/MSlider.h>
#include <lumoui/Manager.h>
#include <lumoui/PaintManager.h>

#include <algorithm>


namespace LumoUI {

namespace {

constexpr int kPlainThumb = 14;
constexpr int kPlainTrack = 4;
constexpr int kThumbFrames = 4;

}

MSlider::MSlider(int visible, int enabled)
    : MControlFont(visible, enabled)
{
    m_frame_count = 2;
}

int MSlider::SetThumbImage(wchar_t const* file)
{
    if (!m_manager || !file)
        return 0;
    ImgResInfo* info = m_manager->AddImgResInfo(file, kThumbFrames);
    if (!info)
        return 0;
    m_thumb = info->image;
    UpdateControl(1, 0);
    return 1;
}

CSize MSlider::ThumbSize() const
{
    if (m_thumb.IsNull())
        return { kPlainThumb, kPlainThumb };
    return { m_thumb.Width() / kThumbFrames, m_thumb.Height() };
}

void MSlider::SetRange(int minimum, int maximum)
{
    if (minimum > maximum)
        return;
    m_min = minimum;
    m_max = maximum;
    m_pos = std::clamp(m_pos, m_min, m_max);
    UpdateControl(1, 0);
}

int MSlider::SetProgress(int position)
{
    if (position < 0)
        return m_pos;
    MoveTo(std::clamp(position, m_min, m_max), false);
    return m_pos;
}

void MSlider::MoveTo(int position, bool notify)
{
    if (position == m_pos)
        return;
    m_pos = position;
    UpdateControl(1, 0);
    if (notify)
        SendMessageW(NOTIFY_POSCHANGED, static_cast<WPARAM>(m_pos), 0);
}

CRect MSlider::GetThumbRect() const
{
    CSize const thumb = ThumbSize();
    int const travel = std::max(0, m_rect.Width() - thumb.cx);
    int const span = m_max - m_min;
    int const x = m_rect.left + (span > 0 ? static_cast<int>(static_cast<long long>(travel) * (m_pos - m_min) / span) : 0);
    int const y = m_rect.top + (m_rect.Height() - thumb.cy) / 2;
    return CRect(x, y, x + thumb.cx, y + thumb.cy);
}

int MSlider::PositionFromX(int x) const
{
    CSize const thumb = ThumbSize();
    int const travel = m_rect.Width() - thumb.cx;
    if (travel <= 0)
        return m_min;
    long long const offset = std::clamp(x - m_rect.left - thumb.cx / 2, 0, travel);
    long long const span = m_max - m_min;
    // Rounded to the nearest position.
    return m_min + static_cast<int>((offset * span + travel / 2) / travel);
}

int MSlider::OnControlLButtonDown(unsigned, CPoint pt)
{
    if (!IsEnabled() || !m_rect.PtInRect(pt))
        return 0;
    CRect const thumb = GetThumbRect();
    if (thumb.PtInRect(pt)) {
        m_grab_offset = pt.x - (thumb.left + thumb.Width() / 2);
    } else {
        m_grab_offset = 0;
        MoveTo(PositionFromX(pt.x), true);
    }
    m_dragging = true;
    UpdateControl(1, 0);
    return 1;
}

int MSlider::OnControlMouseMove(unsigned, CPoint pt)
{
    if (m_dragging) {
        if (pt.x != -1 || pt.y != -1)
            MoveTo(PositionFromX(pt.x - m_grab_offset), true);
        return 1;
    }
    bool const over = IsEnabled() && GetThumbRect().PtInRect(pt);
    if (over != m_hover_thumb) {
        m_hover_thumb = over;
        UpdateControl(1, 0);
    }
    SetCursorEx(IsEnabled() && m_rect.PtInRect(pt) ? L"hand" : L"arrow");
    return m_rect.PtInRect(pt) ? 1 : 0;
}

int MSlider::OnControlLButtonUp(unsigned, CPoint)
{
    if (!m_dragging)
        return 0;
    m_dragging = false;
    UpdateControl(1, 0);
    SendMessageW(NOTIFY_CLICK, static_cast<WPARAM>(m_pos), 0);
    return 1;
}

int MSlider::OnCheckMouseResponse(unsigned, CPoint) { return m_dragging ? 1 : 0; }

void MSlider::SetControlEnabled(int enabled)
{
    MControlFont::SetControlEnabled(enabled);
    if (!enabled)
        m_dragging = false;
}

void MSlider::DrawControl(MGraphics& g, CRect)
{
    CRect const thumb = GetThumbRect();
    int const fill_to = (thumb.left + thumb.right) / 2;
    if (!m_image.IsNull()) {
        int const h = m_frame_height;
        CRect track(m_rect.left, m_rect.top + (m_rect.Height() - h) / 2, m_rect.right, m_rect.top + (m_rect.Height() - h) / 2 + h);
        g.DrawImageFrame(m_image, track, GetFrameRect(0), std::min(h / 2, 6));
        if (m_frame_count > 1) {
            g.Save();
            g.ClipRect(CRect(track.left, track.top, fill_to, track.bottom));
            g.DrawImageFrame(m_image, track, GetFrameRect(1), std::min(h / 2, 6));
            g.Restore();
        }
    } else {
        int const mid = (m_rect.top + m_rect.bottom) / 2;
        CRect track(m_rect.left + 2, mid - kPlainTrack / 2, m_rect.right - 2, mid + kPlainTrack / 2);
        g.FillRoundRect(track, 2, 2, 0xFF3A4250);
        track.right = fill_to;
        g.FillRoundRect(track, 2, 2, IsEnabled() ? Manager::GetSelectColor() : 0xFF606870);
    }
    int const state = !IsEnabled() ? 3 : m_dragging ? 2 : m_hover_thumb ? 1 : 0;
    if (!m_thumb.IsNull()) {
        int const fw = m_thumb.Width() / kThumbFrames;
        g.DrawImage(m_thumb, thumb, CRect(state * fw, 0, (state + 1) * fw, m_thumb.Height()));
    } else {
        g.FillEllipse(thumb, state == 3 ? 0xFF808080 : state == 0 ? 0xFFE6E6E6 : 0xFFFFFFFF);
        if (state == 1 || state == 2) {
            g.DrawEllipse(thumb, Manager::GetSelectColor(), 2.0f);
        }
    }
}

// ---- progress ----

MProgress::MProgress(int visible, int enabled)
    : MControlFont(visible, enabled)
{
    m_frame_count = 2;
}

void MProgress::SetRange(int minimum, int maximum)
{
    if (minimum > maximum)
        return;
    m_min = minimum;
    m_max = maximum;
    m_pos = std::clamp(m_pos, m_min, m_max);
    UpdateControl(1, 0);
}

void MProgress::SetPos(int position)
{
    position = std::clamp(position, m_min, m_max);
    if (position == m_pos)
        return;
    m_pos = position;
    UpdateControl(1, 0);
}

void MProgress::DrawControl(MGraphics& g, CRect)
{
    int const span = m_max - m_min;
    int const filled = span > 0 ? static_cast<int>(static_cast<long long>(m_rect.Width()) * (m_pos - m_min) / span) : 0;
    CRect fill = m_rect;
    fill.right = fill.left + filled;
    if (!m_image.IsNull()) {
        int const corner = std::min(m_frame_height / 2, 6);
        g.DrawImageFrame(m_image, m_rect, GetFrameRect(0), corner);
        g.Save();
        g.ClipRect(fill);
        g.DrawImageFrame(m_image, m_rect, GetFrameRect(1), corner);
        g.Restore();
    } else {
        float const r = m_rect.Height() / 2.0f;
        g.FillRoundRect(m_rect, r, r, 0xFF2A3140);
        if (filled > 0) {
            g.Save();
            g.ClipRect(fill);
            g.FillRoundRect(m_rect, r, r, Manager::GetSelectColor());
            g.Restore();
        }
    }
    if (!m_title.empty())
        DrawTitle(g, m_rect);
}

// ---- level ----

MLevelCtrl::MLevelCtrl(int visible, int enabled)
    : MControlFont(visible, enabled)
{
}

void MLevelCtrl::SetLevelCount(int count)
{
    if (count < 1)
        return;
    m_count = count;
    m_level = std::min(m_level, m_count);
    UpdateControl(1, 0);
}

void MLevelCtrl::SetLevel(int level)
{
    level = std::clamp(level, 0, m_count);
    if (level == m_level)
        return;
    m_level = level;
    UpdateControl(1, 0);
}

int MLevelCtrl::OnControlLButtonDown(unsigned, CPoint pt)
{
    if (!IsEnabled() || !m_rect.PtInRect(pt) || m_rect.Width() <= 0)
        return 0;
    int const level = 1 + (pt.x - m_rect.left) * m_count / m_rect.Width();
    SetLevel(level);
    SendMessageW(NOTIFY_CLICK, static_cast<WPARAM>(m_level), 0);
    return 1;
}

void MLevelCtrl::DrawControl(MGraphics& g, CRect)
{
    int const gap = 3;
    int const width = (m_rect.Width() - gap * (m_count - 1)) / m_count;
    for (int i = 0; i < m_count; ++i) {
        int const left = m_rect.left + i * (width + gap);
        int const height = m_rect.Height() * (i + 1) / m_count;
        CRect bar(left, m_rect.bottom - height, left + width, m_rect.bottom);
        g.FillRect(bar, i < m_level ? Manager::GetSelectColor() : 0xFF3A4250);
    }
}

LUMOUI_REGISTER_CONTROL(MSlider, L"MSlider", FactoryBoth,
    [](ControlArgs const& a) { return std::make_unique<MSlider>(a.visible, a.enabled); });
LUMOUI_REGISTER_CONTROL(MProgress, L"MProgress", FactoryBoth,
    [](ControlArgs const& a) { return std::make_unique<MProgress>(a.visible, a.enabled); });
LUMOUI_REGISTER_CONTROL(MLevelCtrl, L"MLevelCtrl", FactoryBoth,
    [](ControlArgs const& a) { return std::make_unique<MLevelCtrl>(a.visible, a.enabled); });

}
