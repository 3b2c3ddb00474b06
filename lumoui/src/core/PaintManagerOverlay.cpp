// The paint manager's tooltip and fading message overlay.

#include <lumoui/PaintManager.h>
#include <lumoui/Window.h>

#include "core/TooltipWindow.h"
#include "window/WindowSystemImpl.h"

namespace LumoUI {

void PaintManager::SetTooltip(wchar_t const* text, CRect)
{
    CString value = text ? text : L"";
    m_tooltip_text = value;
    if (value.empty()) {
        if (m_tooltip)
            m_tooltip->Hide();
        return;
    }
    if (!m_tooltip)
        m_tooltip = std::make_unique<TooltipWindow>();
    m_tooltip->Show(m_hwnd, value);
}

void PaintManager::ClearTooltip()
{
    m_tooltip_text.clear();
    m_tooltip_ctrl = 0;
    if (m_tooltip)
        m_tooltip->Hide();
}

HWND PaintManager::GetToolTipWnd() const { return m_tooltip ? m_tooltip->GetSafeHwnd() : nullptr; }

void PaintManager::SetMessage(CString const& text, CRect rc, MsgLevel level)
{
    WindowSystem::Get().KillTimer(m_hwnd, 66);
    WindowSystem::Get().KillTimer(m_hwnd, 88);
    m_msg_alpha = 255;
    m_msg_progress = 0;
    m_msg_target = 0;
    m_msg_text = text;
    m_msg_rect = rc;
    m_msg_level = level;
    Invalidate();
    WindowSystem::Get().SetTimer(m_hwnd, 66, 3000);
}

void PaintManager::SetProgress(int percent, CString const& text, CRect rc)
{
    if (percent == m_msg_target)
        return;
    if (percent < 5)
        WindowSystem::Get().KillTimer(m_hwnd, 88);
    m_msg_alpha = 255;
    m_msg_text = text;
    if (rc.IsRectEmpty()) {
        CRect client;
        GetClientRect(client);
        rc = CRect(client.left, client.bottom - 60, client.right, client.bottom - 2);
    }
    m_msg_rect = rc;
    m_msg_target = percent;
    if (m_msg_target - m_msg_progress < 6) {
        m_msg_progress = m_msg_target;
        if (m_msg_progress > 99)
            WindowSystem::Get().SetTimer(m_hwnd, 88, 50);
    } else {
        WindowSystem::Get().SetTimer(m_hwnd, 99, 10);
    }
    Invalidate();
}

void PaintManager::OnMessageTimer(unsigned id)
{
    auto& system = WindowSystem::Get();
    switch (id) {
    case 66:
        system.KillTimer(m_hwnd, 66);
        system.SetTimer(m_hwnd, 88, 50);
        break;
    case 88:
        m_msg_alpha -= 10;
        if (m_msg_alpha < 20) {
            m_msg_alpha = 0;
            m_msg_progress = 0;
            m_msg_target = 0;
            system.KillTimer(m_hwnd, 88);
        }
        Invalidate();
        break;
    case 99:
        m_msg_progress = std::min(m_msg_progress + 2, m_msg_target);
        if (m_msg_progress >= m_msg_target) {
            system.KillTimer(m_hwnd, 99);
            if (m_msg_progress >= 100)
                system.SetTimer(m_hwnd, 88, 50);
        }
        Invalidate();
        break;
    default:
        break;
    }
}

}
