#include <lumoui/ButtonBase.h>

namespace LumoUI {

namespace {

constexpr ARGB kDisabledText = 0xFF808080;

}

MButtonBase::MButtonBase(CString const& title, int visible, int enabled)
    : MControlFont(visible, enabled)
{
    m_title = title;
}

int MButtonBase::GetState() const
{
    if (!IsEnabled())
        return BUTTON_DISABLED;
    bool const checked = ShowsChecked();
    if (m_down && m_hover)
        return BUTTON_PRESSED;
    if (checked)
        return m_hover ? BUTTON_CHECKED_HOVER : BUTTON_CHECKED;
    return m_hover ? BUTTON_HOVER : BUTTON_NORMAL;
}

int MButtonBase::FrameForState(int state, int frames)
{
    if (frames <= 1)
        return 0;
    if (state < frames)
        return state;
    if (state >= BUTTON_CHECKED)
        return frames > BUTTON_PRESSED ? BUTTON_PRESSED : frames - 1;
    return frames - 1;
}

void MButtonBase::SetCheckValue(int check)
{
    if (m_check == check)
        return;
    m_check = check;
    StateChanged();
}

int MButtonBase::OnControlMouseMove(unsigned, CPoint pt)
{
    if (!IsEnabled())
        return 0;
    bool const inside = m_rect.PtInRect(pt);
    if (inside != m_hover) {
        m_hover = inside;
        SetCursorEx(inside ? L"hand" : L"arrow");
        StateChanged();
    }
    return inside ? 1 : 0;
}

int MButtonBase::OnControlLButtonDown(unsigned, CPoint pt)
{
    if (!IsEnabled() || !m_rect.PtInRect(pt))
        return 0;
    m_down = true;
    m_hover = true;
    StateChanged();
    OnPressed();
    return 1;
}

int MButtonBase::OnControlLButtonUp(unsigned, CPoint pt)
{
    if (!m_down)
        return 0;
    m_down = false;
    bool const inside = IsEnabled() && m_rect.PtInRect(pt);
    m_hover = inside;
    if (!inside)
        SetCursorEx(L"arrow");
    StateChanged();
    if (inside)
        OnClicked();
    return 1;
}

int MButtonBase::OnControlKeyDown(unsigned vk, unsigned repeat, unsigned modifiers)
{
    if (!IsEnabled())
        return 0;
    if (MControlFont::OnControlKeyDown(vk, repeat, modifiers)) {
        OnClicked();
        return 1;
    }
    if ((vk == VK_SPACE || vk == VK_RETURN) && m_focused)
        return OnActivateKey() ? 1 : 0;
    return 0;
}

void MButtonBase::SetControlEnabled(int enabled)
{
    MControlFont::SetControlEnabled(enabled);
    if (!enabled) {
        m_down = false;
        m_hover = false;
    }
    StateChanged();
}

void MButtonBase::SetControlVisible(int visible)
{
    MControlFont::SetControlVisible(visible);
    if (!visible) {
        m_down = false;
        m_hover = false;
    }
}

void MButtonBase::OnClicked()
{
    SendMessageW(NOTIFY_CLICK, 0, 0);
}

void MButtonBase::OnPressed()
{
    SendMessageW(NOTIFY_LBUTTONDOWN, 0, 0);
}

void MButtonBase::DrawStateFrame(MGraphics& g, CRect rc, int state) const
{
    if (m_image.IsNull())
        return;
    CRect const src = GetFrameRect(FrameForState(state, m_frame_count));
    if (src.Size() == rc.Size())
        g.DrawImage(m_image, rc, src);
    else
        g.DrawImageFrame(m_image, rc, src, m_corner);
}

ARGB MButtonBase::TitleColor() const
{
    return IsEnabled() ? m_text_color : kDisabledText;
}

}
