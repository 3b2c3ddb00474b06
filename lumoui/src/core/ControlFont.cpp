#include <lumoui/ControlFont.h>
#include <lumoui/Manager.h>
#include <lumoui/PaintManager.h>

namespace LumoUI {

MControlFont::MControlFont(int visible, int enabled)
    : MControl(visible, enabled)
    , m_font_family(Manager::GetFontName())
    , m_font_size(Manager::GetFontWidth())
{
}

MControlFont::~MControlFont() = default;

void MControlFont::SetTextFont(CString const& family) { m_font_family = family; }

void MControlFont::SetTextColor(ARGB color)
{
    m_text_color = color;
    m_cache_valid = 0;
}

int MControlFont::SetImage(unsigned resId, CString const& resType, int frames)
{
    if (!m_manager)
        return 0;
    ImgResInfo* info = m_manager->AddImgResInfo(resId, resType, frames);
    return info ? TakeImage(*info, info->file) : 0;
}

int MControlFont::SetImage(wchar_t const* file, int frames)
{
    if (!m_manager || !file)
        return 0;
    ImgResInfo* info = m_manager->AddImgResInfo(file, frames);
    return info ? TakeImage(*info, file) : 0;
}

int MControlFont::TakeImage(ImgResInfo const& info, CString const& path)
{
    m_image = info.image;
    m_frame_width = info.frame_width;
    m_frame_height = info.frame_height;
    m_frame_count = info.frames;
    m_image_path = path;
    UpdateControl(1, 0);
    return 1;
}

void MControlFont::SetControlTitle(wchar_t const* title) { m_title = title ? title : L""; }
CString MControlFont::GetControlTitle() { return m_title; }

void MControlFont::SetTitle(wchar_t const* title)
{
    SetControlTitle(title);
    if (IsVisible())
        UpdateControl(1, 0);
}

void MControlFont::SetFont(wchar_t const* family, int size, int style)
{
    m_font_family = family ? family : L"";
    m_font_size = size;
    m_font_style = style;
}

MFont MControlFont::GetFont() const { return MFont { Manager::GetFontName(), m_font_size, m_font_style }; }

void MControlFont::SetAlignment(unsigned horizontal) { SetAlignment(horizontal, m_valign); }
void MControlFont::SetVAlignment(unsigned vertical) { SetAlignment(m_halign, vertical); }

void MControlFont::SetAlignment(unsigned horizontal, unsigned vertical)
{
    if (horizontal == m_halign && vertical == m_valign)
        return;
    m_halign = horizontal;
    m_valign = vertical;
    if (IsVisible())
        UpdateControl(1, 0);
}

void MControlFont::GetAlignment(unsigned& horizontal, unsigned& vertical) const
{
    horizontal = m_halign;
    vertical = m_valign;
}

void MControlFont::DrawTitle(MGraphics& g, CRect rc, ARGB color) const
{
    g.DrawText(m_title, rc, GetFont(), color, m_halign | m_valign | DT_END_ELLIPSIS);
}

CRect MControlFont::GetFrameRect(int index) const
{
    if (m_image.IsNull() || m_frame_width <= 0)
        return {};
    int last = std::max(m_frame_count, 1) - 1;
    index = std::clamp(index, 0, last);
    return CRect(index * m_frame_width, 0, (index + 1) * m_frame_width, m_frame_height);
}

}
