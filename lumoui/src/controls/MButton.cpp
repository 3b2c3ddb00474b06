#include <lumoui/ControlFactory.h>
#include <lumoui/MButton.h>
#include <lumoui/PaintManager.h>
#include <lumoui/Window.h>


namespace LumoUI {

MButton::MButton(CString const& title, int visible, int enabled)
    : MButtonBase(title, visible, enabled)
{
    m_halign = DT_CENTER;
}

void MButton::SetControlRect(CRect rc)
{
    if (rc.Size() != m_rect.Size())
        m_frame_cache_valid = false;
    MButtonBase::SetControlRect(rc);
}

int MButton::SetImage(wchar_t const* file, int frames)
{
    int const ok = MButtonBase::SetImage(file, frames);
    if (ok)
        m_frame_cache_valid = false;
    return ok;
}

void MButton::SetImageData(MImage image, int frames)
{
    m_image = std::move(image);
    m_frame_count = frames > 0 ? frames : 1;
    m_frame_width = m_image.IsNull() ? 0 : m_image.Width() / m_frame_count;
    m_frame_height = m_image.IsNull() ? 0 : m_image.Height();
    m_frame_cache_valid = false;
    UpdateControl(1, 0);
}

int MButton::SetIconImage(wchar_t const* file, int frames)
{
    if (!m_manager || !file)
        return 0;
    ImgResInfo* info = m_manager->AddImgResInfo(file, frames);
    if (!info)
        return 0;
    m_icon = info->image;
    m_icon_frames = info->frames;
    UpdateControl(1, 0);
    return 1;
}

void MButton::RebuildFrameCache()
{
    m_frame_cache_valid = true;
    int const w = m_rect.Width();
    int const h = m_rect.Height();
    if (m_image.IsNull() || w <= 0 || h <= 0) {
        m_frame_cache = MImage();
        return;
    }
    m_frame_cache = MImage::Create(w * m_frame_count, h);
    MGraphics cache(m_frame_cache);
    for (int i = 0; i < m_frame_count; ++i)
        cache.DrawImageFrame(m_image, CRect(i * w, 0, (i + 1) * w, h), GetFrameRect(i), m_corner);
}

void MButton::DrawControl(MGraphics& g, CRect)
{
    DrawFace(g, GetState());
}

void MButton::DrawFace(MGraphics& g, int state)
{
    if (!m_frame_cache_valid)
        RebuildFrameCache();
    if (!m_frame_cache.IsNull()) {
        int const w = m_rect.Width();
        int const frame = FrameForState(state, m_frame_count);
        g.DrawImage(m_frame_cache, m_rect, CRect(frame * w, 0, (frame + 1) * w, m_rect.Height()));
    }
    CRect text = m_rect;
    if (!m_icon.IsNull()) {
        int const frames = m_icon_frames > 0 ? m_icon_frames : 1;
        int const iw = m_icon.Width() / frames;
        int const ih = m_icon.Height();
        int const frame = FrameForState(state, frames);
        int const tw = m_title.empty() ? 0 : MGraphics::MeasureText(m_title, GetFont()).cx + 6;
        int const x = m_title.empty() || m_halign == DT_CENTER ? m_rect.left + (m_rect.Width() - iw - tw) / 2 : m_rect.left + 8;
        int const y = m_rect.top + (m_rect.Height() - ih) / 2;
        g.DrawImage(m_icon, CRect(x, y, x + iw, y + ih), CRect(frame * iw, 0, (frame + 1) * iw, ih));
        text.left = x + iw + 6;
        if (m_halign == DT_CENTER)
            text.right = text.left + tw;
    }
    if (!m_title.empty())
        DrawTitle(g, text, TitleColor());
}

CImageButton::CImageButton(CString const& title, int visible, int enabled)
    : MButton(title, visible, enabled)
{
}

void CImageButton::SetAlrBladderMode(int on, CString const& text, AIRBLADDER_TYPE type)
{
    m_bladder_on = on;
    m_bladder_text = text;
    m_bladder_type = type;
}

int CImageButton::OnControlMouseMove(unsigned flags, CPoint pt)
{
    bool const was_hover = m_hover;
    int const used = MButton::OnControlMouseMove(flags, pt);
    if (m_bladder_on && m_hover && !was_hover && !m_bladder_text.empty() && m_manager) {
        if (auto* dialog = dynamic_cast<MDialog*>(m_manager->GetOwner()))
            dialog->SetAirBladderMsg(m_bladder_text.c_str(), dialog->GetAirBladderPoint(this, m_bladder_type), m_bladder_type);
    }
    return used;
}

LUMOUI_REGISTER_CONTROL(MButton, L"MButton", FactoryBoth,
    [](ControlArgs const& a) { return std::make_unique<MButton>(a.title, a.visible, a.enabled); });
LUMOUI_REGISTER_CONTROL(CImageButton, L"CImageButton", FactoryBoth,
    [](ControlArgs const& a) { return std::make_unique<CImageButton>(a.title, a.visible, a.enabled); });

}
