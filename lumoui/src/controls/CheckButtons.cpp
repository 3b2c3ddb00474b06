#include <lumoui/CheckButtons.h>
#include <lumoui/ControlFactory.h>
#include <lumoui/Manager.h>
#include <lumoui/PaintManager.h>


namespace LumoUI {

namespace {

constexpr int kBoxSize = 16;
constexpr int kTextGap = 6;

// A check box without skin: a framed square, filled with the select colour
// and ticked when checked.
void DrawPlainBox(MGraphics& g, CRect box, bool checked, int state, ARGB frame)
{
    ARGB const select = Manager::GetSelectColor();
    g.FillRoundRect(box, 3, 3, checked ? select : 0xFF1A2233);
    g.DrawRoundRect(box, 3, 3, state == BUTTON_HOVER || state == BUTTON_CHECKED_HOVER ? select : frame);
    if (checked) {
        CPoint const a(box.left + 4, box.top + box.Height() / 2);
        CPoint const b(box.left + box.Width() / 2 - 1, box.bottom - 5);
        CPoint const c(box.right - 4, box.top + 4);
        g.DrawLine(a, b, 0xFFFFFFFF, 2.0f);
        g.DrawLine(b, c, 0xFFFFFFFF, 2.0f);
    }
}

}

CCheckButton::CCheckButton(CString const& title, int visible, int enabled)
    : MButtonBase(title, visible, enabled)
{
    m_frame_count = 6;
    m_tab_stop = 1;
}

int CCheckButton::SetCheck(int check)
{
    int const previous = m_check;
    if (IsEnabled())
        SetCheckValue(check ? 1 : 0);
    return previous;
}

void CCheckButton::OnClicked()
{
    SetCheckValue(m_check ? 0 : 1);
    SendMessageW(NOTIFY_CLICK, 0, m_check);
}

bool CCheckButton::OnActivateKey()
{
    SetCheckValue(m_check ? 0 : 1);
    SendMessageW(NOTIFY_KEYTOGGLE, 0, m_check);
    return true;
}

void CCheckButton::DrawControl(MGraphics& g, CRect)
{
    int const state = GetState();
    int const w = m_image.IsNull() ? kBoxSize : m_frame_width;
    int const h = m_image.IsNull() ? kBoxSize : m_frame_height;
    CRect const box(m_rect.left, m_rect.top + (m_rect.Height() - h) / 2, m_rect.left + w, m_rect.top + (m_rect.Height() - h) / 2 + h);
    if (m_image.IsNull())
        DrawPlainBox(g, box, m_check != 0, state, IsEnabled() ? 0xFF8090A8 : 0xFF505860);
    else
        g.DrawImage(m_image, box, GetFrameRect(FrameForState(state, m_frame_count)));
    if (!m_title.empty())
        DrawTitle(g, CRect(box.right + kTextGap, m_rect.top, m_rect.right, m_rect.bottom), TitleColor());
}

CSwitchButton::CSwitchButton(int visible, int enabled)
    : MButtonBase(L"", visible, enabled)
{
}

int CSwitchButton::SetImage(wchar_t const* on, wchar_t const* off, int frames)
{
    if (!m_manager || !on || !off)
        return 0;
    ImgResInfo* on_info = m_manager->AddImgResInfo(on, frames);
    ImgResInfo* off_info = m_manager->AddImgResInfo(off, frames);
    if (!on_info || !off_info)
        return 0;
    m_on = on_info->image;
    m_off = off_info->image;
    m_switch_frames = on_info->frames;
    StateChanged();
    return 1;
}

void CSwitchButton::OnClicked()
{
    SetCheckValue(m_check ? 0 : 1);
    SendMessageW(NOTIFY_CLICK, 0, m_check);
}

void CSwitchButton::DrawControl(MGraphics& g, CRect)
{
    int const state = GetState();
    MImage const& image = m_check ? m_on : m_off;
    if (!image.IsNull()) {
        int const frames = m_switch_frames > 0 ? m_switch_frames : 1;
        int const fw = image.Width() / frames;
        int const frame = FrameForState(state, frames);
        g.DrawImage(image, m_rect, CRect(frame * fw, 0, (frame + 1) * fw, image.Height()));
        return;
    }
    ARGB const track = !IsEnabled() ? 0xFF3A3F48 : m_check ? Manager::GetSelectColor() : 0xFF4A5260;
    float const radius = m_rect.Height() / 2.0f;
    g.FillRoundRect(m_rect, radius, radius, track);
    int const knob = m_rect.Height() - 4;
    int const x = m_check ? m_rect.right - 2 - knob : m_rect.left + 2;
    g.FillEllipse(CRect(x, m_rect.top + 2, x + knob, m_rect.top + 2 + knob), state == BUTTON_HOVER ? 0xFFFFFFFF : 0xFFE6E6E6);
}

LUMOUI_REGISTER_CONTROL(CCheckButton, L"CCheckButton", FactoryBoth,
    [](ControlArgs const& a) { return std::make_unique<CCheckButton>(a.title, a.visible, a.enabled); });
LUMOUI_REGISTER_CONTROL(CSwitchButton, L"CSwitchButton", FactoryBoth,
    [](ControlArgs const& a) { return std::make_unique<CSwitchButton>(a.visible, a.enabled); });

}
