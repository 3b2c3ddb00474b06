#include <lumoui/CKeyboardTips.h>
#include <lumoui/ControlFactory.h>
#include <lumoui/GroupButtons.h>
#include <lumoui/Manager.h>
#include <lumoui/PaintManager.h>
#include <lumoui/Window.h>



namespace LumoUI {

namespace {

constexpr int kRadioSize = 16;
constexpr int kTextGap = 6;

}

MGroupButton::MGroupButton(CString const& title, int visible, int enabled)
    : MButtonBase(title, visible, enabled)
{
    m_frame_count = 6;
}

void MGroupButton::ResetGroupCheck()
{
    ControlList* siblings = m_parent ? m_parent->GetChildControlList() : nullptr;
    if (!siblings)
        return;
    wchar_t const* own_class = GetClassNameW();
    siblings->ForEach([&](MControl* control) {
        if (control == this || !control->IsClass(own_class))
            return;
        auto* button = dynamic_cast<MGroupButton*>(control);
        if (button && button->m_group == m_group)
            button->SetControlCheck(0);
    });
}

int MGroupButton::SetCheck(int check)
{
    int const previous = m_check;
    if (check)
        ResetGroupCheck();
    SetCheckValue(check ? 1 : 0);
    return previous;
}

void MGroupButton::OnClicked()
{
    SetCheck(1);
    SendMessageW(NOTIFY_CLICK, 0, 1);
}

bool MGroupButton::OnActivateKey()
{
    SetCheck(1);
    SendMessageW(NOTIFY_KEYTOGGLE, 0, 1);
    return true;
}

void MGroupButton::DrawImageAndTitle(MGraphics& g)
{
    int const state = GetState();
    if (m_title.empty() && !m_image.IsNull()) {
        DrawStateFrame(g, m_rect, state);
        return;
    }
    int const w = m_image.IsNull() ? kRadioSize : m_frame_width;
    int const h = m_image.IsNull() ? kRadioSize : m_frame_height;
    int const top = m_rect.top + (m_rect.Height() - h) / 2;
    CRect const mark(m_rect.left, top, m_rect.left + w, top + h);
    if (!m_image.IsNull()) {
        g.DrawImage(m_image, mark, GetFrameRect(FrameForState(state, m_frame_count)));
    } else {
        ARGB const select = Manager::GetSelectColor();
        bool const hover = state == BUTTON_HOVER || state == BUTTON_CHECKED_HOVER;
        g.DrawEllipse(mark, !IsEnabled() ? 0xFF505860 : hover ? select : 0xFF8090A8, 1.5f);
        if (m_check) {
            CRect dot = mark;
            dot.DeflateRect(4, 4);
            g.FillEllipse(dot, select);
        }
    }
    if (!m_title.empty())
        DrawTitle(g, CRect(mark.right + kTextGap, m_rect.top, m_rect.right, m_rect.bottom), TitleColor());
}

// ---- radio ----

CRadioButton::CRadioButton(CString const& title, int visible, int enabled)
    : MGroupButton(title, visible, enabled)
{
    m_tab_stop = 1;
}

wchar_t const* CRadioButton::GetClassNameW() { return L"RadioButton"; }

void CRadioButton::DrawControl(MGraphics& g, CRect)
{
    DrawImageAndTitle(g);
}

// ---- colour ----

CColorButton::CColorButton(int visible, int enabled)
    : MGroupButton(L"", visible, enabled)
{
}

wchar_t const* CColorButton::GetClassNameW() { return L"ColorButton"; }

void CColorButton::InitControl(PaintManager* manager)
{
    MGroupButton::InitControl(manager);
    if (ImgResInfo* ring = manager ? manager->AddImgResInfo(L"btn_color.png", 6) : nullptr) {
        m_ring = ring->image;
        m_ring_frames = ring->frames;
    }
}

void CColorButton::SetColor(COLORREF color)
{
    if (m_color == color)
        return;
    m_color = color;
    StateChanged();
}

void CColorButton::DrawControl(MGraphics& g, CRect)
{
    int const state = GetState();
    if (!m_image.IsNull()) {
        DrawStateFrame(g, m_rect, state);
    } else {
        CRect swatch = m_rect;
        swatch.DeflateRect(3, 3);
        g.FillRoundRect(swatch, 3, 3, IsEnabled() ? ColorRefToARGB(m_color) : ColorRefToARGB(m_color, 96));
        g.DrawRoundRect(swatch, 3, 3, 0x60FFFFFF);
        if (!m_ring.IsNull()) {
            int const fw = m_ring.Width() / m_ring_frames;
            int const frame = FrameForState(state, m_ring_frames);
            g.DrawImageFrame(m_ring, m_rect, CRect(frame * fw, 0, (frame + 1) * fw, m_ring.Height()), 6);
            return;
        }
    }
    bool const hover = state == BUTTON_HOVER || state == BUTTON_CHECKED_HOVER || state == BUTTON_PRESSED;
    if (m_check)
        g.DrawRoundRect(m_rect, 4, 4, 0xFFFFFFFF, 2.0f);
    else if (hover)
        g.DrawRoundRect(m_rect, 4, 4, 0x90FFFFFF, 1.0f);
}

// ---- layer ----

KeyLayerButton::KeyLayerButton(CString const& title, int visible)
    : MGroupButton(title, visible, 1)
{
    m_halign = DT_CENTER;
    m_frame_count = 4;
    m_tab_stop = 1;
}

wchar_t const* KeyLayerButton::GetClassNameW() { return L"KeyLayerButton"; }

void KeyLayerButton::DrawControl(MGraphics& g, CRect)
{
    int const state = GetState();
    if (!m_image.IsNull()) {
        DrawStateFrame(g, m_rect, state);
    } else {
        bool const checked = m_check != 0;
        ARGB const fill = checked ? Manager::GetSelectColor() : state == BUTTON_HOVER ? 0xFF2A3446 : 0xFF1A2233;
        g.FillRoundRect(m_rect, 4, 4, fill);
        g.DrawRoundRect(m_rect, 4, 4, checked ? Manager::GetSelectColor() : 0xFF3A4A66);
    }
    if (!m_title.empty())
        DrawTitle(g, m_rect, TitleColor());
}

// ---- icon ----

CIconButton::CIconButton(CString const& title, int visible, int enabled)
    : MGroupButton(title, visible, enabled)
{
    m_frame_count = 4;
    m_halign = DT_CENTER;
}

CIconButton::~CIconButton() = default;

wchar_t const* CIconButton::GetClassNameW() { return L"IconButton"; }

int CIconButton::SetIconImage(wchar_t const* file, int frames)
{
    if (!m_manager || !file)
        return 0;
    ImgResInfo* info = m_manager->AddImgResInfo(file, frames);
    if (!info)
        return 0;
    m_icon = info->image;
    m_icon_frames = info->frames;
    StateChanged();
    return 1;
}

void CIconButton::SetDownState(int down)
{
    if (m_down_state == down)
        return;
    m_down_state = down;
    StateChanged();
}

void CIconButton::SetTips(bool on)
{
    m_tips_on = on;
    if (!on)
        ShowTip(false);
}

void CIconButton::OnClicked()
{
    SendMessageW(NOTIFY_CLICK, 0, 0);
}

int CIconButton::OnControlMouseMove(unsigned flags, CPoint pt)
{
    bool const was_hover = m_hover;
    int const used = MGroupButton::OnControlMouseMove(flags, pt);
    if (was_hover != m_hover)
        ShowTip(m_hover);
    return used;
}

void CIconButton::ShowTip(bool show)
{
    if (!show) {
        if (m_tip)
            m_tip->ShowWindow(SW_HIDE);
        return;
    }
    if (!m_tips_on || m_tip_text.empty() || !m_manager || !m_manager->GetOwner())
        return;
    MWindow* owner = m_manager->GetOwner();
    if (!m_tip) {
        m_tip = std::make_unique<CKeyboardTips>();
        if (!m_tip->CreateTip(owner->GetSafeHwnd())) {
            m_tip.reset();
            return;
        }
    }
    CPoint anchor((m_rect.left + m_rect.right) / 2, m_rect.top);
    owner->ClientToScreen(anchor);
    m_tip->SetAirBladderMsg(m_tip_text.c_str(), m_title.c_str(), L"", anchor);
    m_tip->ShowWindow(SW_SHOW);
}

void CIconButton::DrawControl(MGraphics& g, CRect)
{
    int const state = GetState();
    DrawStateFrame(g, m_rect, state);
    CRect text = m_rect;
    if (!m_icon.IsNull()) {
        int const frames = m_icon_frames > 0 ? m_icon_frames : 1;
        int const iw = m_icon.Width() / frames;
        int const ih = m_icon.Height();
        int const frame = FrameForState(state, frames);
        int const x = m_rect.left + (m_rect.Width() - iw) / 2;
        int const y = m_title.empty() ? m_rect.top + (m_rect.Height() - ih) / 2 : m_rect.top + 4;
        g.DrawImage(m_icon, CRect(x, y, x + iw, y + ih), CRect(frame * iw, 0, (frame + 1) * iw, ih));
        text.top = y + ih;
    } else if (m_image.IsNull()) {
        ARGB const fill = ShowsChecked() ? Manager::GetSelectColor() : state == BUTTON_HOVER ? 0xFF2A3446 : 0xFF1A2233;
        g.FillRoundRect(m_rect, 4, 4, fill);
    }
    if (!m_title.empty())
        DrawTitle(g, text, TitleColor());
}

LUMOUI_REGISTER_CONTROL(CRadioButton, L"CRadioButton", FactoryBoth,
    [](ControlArgs const& a) { return std::make_unique<CRadioButton>(a.title, a.visible, a.enabled); });
LUMOUI_REGISTER_CONTROL(CColorButton, L"CColorButton", FactoryBoth,
    [](ControlArgs const& a) { return std::make_unique<CColorButton>(a.visible, a.enabled); });
LUMOUI_REGISTER_CONTROL(KeyLayerButton, L"KeyLayerButton", FactoryPanel,
    [](ControlArgs const& a) { return std::make_unique<KeyLayerButton>(a.title, a.visible); });
LUMOUI_REGISTER_CONTROL(CIconButton, L"CIconButton", FactoryBoth,
    [](ControlArgs const& a) { return std::make_unique<CIconButton>(a.title, a.visible, a.enabled); });

}
