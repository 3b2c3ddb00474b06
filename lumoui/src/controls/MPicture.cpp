#include <lumoui/ControlFactory.h>
#include <lumoui/MPicture.h>
#include <lumoui/PaintManager.h>

namespace LumoUI {

MPicture::MPicture(int visible, int enabled)
    : MControlFont(visible, enabled)
{
    m_frame_count = 1;
}

int MPicture::OnControlLButtonDown(unsigned, CPoint) { return 0; }

void MPicture::SetStretch(bool on)
{
    m_stretch = on;
    UpdateControl(1, 0);
}

void MPicture::SetFrameIndex(int frame)
{
    if (frame < 0 || frame >= m_frame_count || frame == m_frame)
        return;
    m_frame = frame;
    UpdateControl(1, 0);
}

void MPicture::SetImageData(MImage image, int frames)
{
    m_image = std::move(image);
    m_frame_count = frames > 0 ? frames : 1;
    m_frame_width = m_image.IsNull() ? 0 : m_image.Width() / m_frame_count;
    m_frame_height = m_image.IsNull() ? 0 : m_image.Height();
    m_frame = 0;
    UpdateControl(1, 0);
}

CRect MPicture::ImageRect() const
{
    if (m_stretch)
        return m_rect;
    int const x = m_rect.left + (m_rect.Width() - m_frame_width) / 2;
    int const y = m_rect.top + (m_rect.Height() - m_frame_height) / 2;
    return CRect(x, y, x + m_frame_width, y + m_frame_height);
}

void MPicture::DrawControl(MGraphics& g, CRect)
{
    if (m_image.IsNull())
        return;
    g.Save();
    g.ClipRect(m_rect);
    g.DrawImage(m_image, ImageRect(), GetFrameRect(m_frame));
    g.Restore();
}

CPhotoFrame::CPhotoFrame(int visible, int enabled)
    : MPicture(visible, enabled)
{
}

int CPhotoFrame::OnControlLButtonDown(unsigned, CPoint pt)
{
    if (!IsEnabled() || !m_rect.PtInRect(pt))
        return 0;
    m_down = true;
    SendMessageW(NOTIFY_LBUTTONDOWN, 0, 0);
    return 1;
}

int CPhotoFrame::OnControlLButtonUp(unsigned, CPoint pt)
{
    if (!m_down)
        return 0;
    m_down = false;
    if (m_rect.PtInRect(pt))
        SendMessageW(NOTIFY_CLICK, 0, 0);
    return 1;
}

int CPhotoFrame::OnControlMouseMove(unsigned, CPoint pt)
{
    bool const inside = IsEnabled() && m_rect.PtInRect(pt);
    SetCursorEx(inside ? L"hand" : L"arrow");
    return inside ? 1 : 0;
}

CGifPicture::CGifPicture(int visible, int enabled)
    : MPicture(visible, enabled)
{
}

void CGifPicture::InitControl(PaintManager* manager)
{
    MPicture::InitControl(manager);
    AddMTimer();
}

int CGifPicture::SetRunState(int run, int value)
{
    if (m_image.IsNull() || m_frame_count <= 1)
        return 0;
    m_value = value;
    m_last_step = GetTickCount();
    SetRunTimer(run ? 1 : 0);
    UpdateControl(1, 0);
    return 1;
}

int CGifPicture::OnControlTimer()
{
    if (!IsRunTimer() || m_frame_count <= 1)
        return 0;
    uint32_t const period = m_value > 0 ? static_cast<uint32_t>(m_value) : 100;
    uint32_t const now = GetTickCount();
    if (now - m_last_step < period)
        return 0;
    m_last_step = now;
    m_frame = (m_frame + 1) % m_frame_count;
    UpdateControl(1, 0);
    return 1;
}

LUMOUI_REGISTER_CONTROL(MPicture, L"MPicture", FactoryBoth,
    [](ControlArgs const& a) { return std::make_unique<MPicture>(a.visible, a.enabled); });
LUMOUI_REGISTER_CONTROL(CPhotoFrame, L"CPhotoFrame", FactoryBoth,
    [](ControlArgs const& a) { return std::make_unique<CPhotoFrame>(a.visible, a.enabled); });
LUMOUI_REGISTER_CONTROL(CSliderPicture, L"CSliderPicture", FactoryBoth,
    [](ControlArgs const& a) { return std::make_unique<MPicture>(a.visible, a.enabled); });
LUMOUI_REGISTER_CONTROL(CGifPicture, L"CGifPicture", FactoryBoth,
    [](ControlArgs const& a) { return std::make_unique<CGifPicture>(a.visible, a.enabled); });

}
