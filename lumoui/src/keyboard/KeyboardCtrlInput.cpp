// The keyboard picture's mouse handling, drag painting, tips and animation tick.
#include <lumoui/KeyboardCtrl.h>

#include <lumoui/Messages.h>
#include <lumoui/PaintManager.h>
#include <lumoui/Window.h>

#include "keyboard/FrameSelection.h"
#include "keyboard/KeyboardTipsHost.h"
#include "keyboard/LightFrames.h"

namespace LumoUI {

int KeyboardCtrl::HitTest(CPoint pt)
{
    std::lock_guard lock(m_lock);
    for (auto const& key : m_keys)
        if (KeyScreenRect(*key).PtInRect(pt))
            return key->index;
    return -1;
}

// ---- hover and tips ----

int KeyboardCtrl::OnControlMouseMove(unsigned flags, CPoint pt)
{
    if (!IsEnabled())
        return 0;
    bool const buttonHeld = (flags & (MK_LBUTTON | MK_RBUTTON)) != 0 || m_selection->IsPressed();
    if (m_frame_select && m_mode == KBMODE_USERLIGHT && buttonHeld) {
        RunFrameSelection(pt);
        return 1;
    }

    int const before = m_hover;
    bool const inside = m_rect.PtInRect(pt);
    if (!inside) {
        m_hover = -1;
        HideTip();
    } else {
        KEY_INFO tipKey;
        CRect tipRect;
        bool stillOnHovered = false;
        {
            std::lock_guard lock(m_lock);
            if (before >= 0 && before < static_cast<int>(m_keys.size())) {
                KEY_INFO const& key = *m_keys[static_cast<size_t>(before)];
                tipRect = KeyScreenRect(key);
                stillOnHovered = tipRect.PtInRect(pt);
                if (stillOnHovered) {
                    tipKey.text = key.text;
                    tipKey.tip_type = key.tip_type;
                    tipKey.tip_name = key.tip_name;
                }
            }
        }
        // The tip appears on the second move over a key, so that sweeping
        // across the picture does not flash a tip on every key.
        if (stillOnHovered) {
            SetTips(&tipKey, tipRect, true);
            return 1;
        }
        m_hover = -1;
        HideTip();
        m_hover = HitTest(pt);
    }
    if (m_hover != before)
        RepaintUnlessAnimating();
    return inside ? 1 : 0;
}

void KeyboardCtrl::SetTips(KEY_INFO* key, CRect keyRect, bool show)
{
    if (!m_tips_enabled)
        return;
    if (!show) {
        HideTip();
        return;
    }
    if (key == nullptr || m_manager == nullptr)
        return;
    CPoint anchor { (keyRect.left + keyRect.right) / 2, keyRect.top };
    if (MWindow* owner = m_manager->GetOwner())
        owner->ClientToScreen(anchor);
    m_tips->Show(m_manager->GetPaintWnd(), MakeKeyTipText(*key), anchor);
}

void KeyboardCtrl::SetControlVisible(int visible)
{
    MPanel::SetControlVisible(visible);
    if (!visible) {
        m_hover = -1;
        HideTip();
    }
}

void KeyboardCtrl::SetControlEnabled(int enabled)
{
    MPanel::SetControlEnabled(enabled);
    if (!enabled) {
        m_hover = -1;
        HideTip();
    }
}

void KeyboardCtrl::HideTip()
{
    m_tips->Hide();
}

// ---- press and release ----

int KeyboardCtrl::OnControlLButtonDown(unsigned, CPoint pt)
{
    if (!IsEnabled())
        return 0;
    OnPress(pt);
    return 1;
}

int KeyboardCtrl::OnControlRButtonDown(unsigned, CPoint pt)
{
    if (!IsEnabled())
        return 0;
    OnPress(pt);
    return 1;
}

int KeyboardCtrl::OnControlLButtonUp(unsigned, CPoint pt)
{
    if (!IsEnabled())
        return 0;
    OnRelease(pt, NOTIFY_CLICK);
    return 1;
}

int KeyboardCtrl::OnControlRButtonUp(unsigned, CPoint pt)
{
    if (!IsEnabled())
        return 0;
    OnRelease(pt, NOTIFY_RBUTTONUP);
    return 1;
}

int KeyboardCtrl::OnCheckMouseResponse(unsigned, CPoint)
{
    // A drag that leaves the picture still belongs to it until the release.
    return m_selection->IsPressed() ? 1 : 0;
}

void KeyboardCtrl::OnPress(CPoint pt)
{
    if (m_selection->IsDragging()) {
        m_selection->Reset();
        Repaint();
    }
    int const before = m_selected;
    if (m_rect.PtInRect(pt)) {
        m_selection->Press(pt);
        // Hit-test the press itself: a press without a preceding move
        // (touch, a window that just got focus) must select what it hits.
        m_selected = HitTest(pt);
    } else {
        m_selection->Reset();
    }
    if (m_selected != before)
        RepaintUnlessAnimating();
}

void KeyboardCtrl::OnRelease(CPoint pt, unsigned code)
{
    bool const endedDrag = m_selection->IsDragging();
    m_selection->Reset();
    if (endedDrag)
        Repaint();

    int const selected = m_selected;
    bool found = false;
    bool toggled = false;
    uint32_t keyValue = 0;
    if (m_rect.PtInRect(pt) && selected >= 0) {
        std::lock_guard lock(m_lock);
        if (selected < static_cast<int>(m_keys.size())) {
            KEY_INFO& key = *m_keys[static_cast<size_t>(selected)];
            found = true;
            keyValue = key.key_value;
            // The drag already painted the key it started on; toggling it
            // again would undo the user's stroke there.
            if (m_mode == KBMODE_USERLIGHT && !endedDrag) {
                key.color = key.color != 0 ? 0 : m_custom_color.load();
                toggled = true;
            }
        }
    }
    if (toggled)
        Repaint();
    if (found) {
        m_current_key_value = static_cast<int>(keyValue);
        SendMessageW(code, static_cast<WPARAM>(selected), static_cast<LPARAM>(keyValue));
    } else {
        m_current_key_value = 0;
        SendMessageW(code, static_cast<WPARAM>(-1), 0);
    }
}

// ---- drag painting ----

void KeyboardCtrl::RunFrameSelection(CPoint pt)
{
    if (!m_rect.PtInRect(pt))
        return;
    std::optional<CRect> const selection = m_selection->Move(pt);
    if (!selection)
        return;
    COLORREF const color = m_custom_color;
    {
        std::lock_guard lock(m_lock);
        for (auto& key : m_keys) {
            if (!selection->IsRectEmpty() && KeyScreenRect(*key).Intersects(*selection)) {
                key->check = 1;
                key->color = color;
            } else {
                key->check = 0;
            }
        }
    }
    Repaint();
}

// ---- animation ----

int KeyboardCtrl::OnControlTimer()
{
    m_animating = true;
    if (!IsVisible())
        return 0;
    if (m_mode != KBMODE_LIGHT)
        return 1;
    bool advanced = false;
    {
        std::lock_guard lock(m_lock);
        if (!m_frames->HasFrames())
            return 0;
        advanced = m_frames->Tick();
    }
    if (advanced)
        Repaint();
    return 1;
}

}
