#include "keyboard/KeyboardTipsHost.h"

#include <lumoui/CKeyboardTips.h>
#include <lumoui/Messages.h>

namespace LumoUI {

KeyTipText MakeKeyTipText(KEY_INFO const& key)
{
    if (!key.tip_type.empty() || !key.tip_name.empty())
        return { key.text, key.tip_type, key.tip_name };
    return { key.text, L"Keyboard", key.text };
}

void KeyboardTipsHost::WindowDeleter::operator()(CKeyboardTips* window) const
{
    std::default_delete<CKeyboardTips>()(window);
}

KeyboardTipsHost::KeyboardTipsHost() = default;
KeyboardTipsHost::~KeyboardTipsHost() = default;

void KeyboardTipsHost::Show(HWND owner, KeyTipText const& text, CPoint anchor)
{
    if (!m_window) {
        m_window.reset(std::make_unique<CKeyboardTips>().release());
        // Without a window (no display) the texts are still kept, so the
        // picture behaves the same; there is just nothing to see.
        m_window->CreateTip(owner);
    }
    m_window->SetAirBladderMsg(text.title.c_str(), text.line1.c_str(), text.line2.c_str(), anchor);
    m_window->ShowWindow(SW_SHOW);
}

void KeyboardTipsHost::Hide()
{
    if (m_window && m_window->IsWindowVisible())
        m_window->ShowWindow(SW_HIDE);
}

}
