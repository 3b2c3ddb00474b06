#include "keyboard/KeyboardTipsHost.h"

namespace LumoUI {

KeyTipText MakeKeyTipText(KEY_INFO const& key)
{
    if (!key.tip_type.empty() || !key.tip_name.empty())
        return { key.text, key.tip_type, key.tip_name };
    return { key.text, L"Keyboard", key.text };
}

void KeyboardTipsHost::WindowDeleter::operator()(CKeyboardTips*) const
{
}

KeyboardTipsHost::KeyboardTipsHost() = default;
KeyboardTipsHost::~KeyboardTipsHost() = default;

void KeyboardTipsHost::Show(HWND, KeyTipText const&, CPoint)
{
}

void KeyboardTipsHost::Hide()
{
}

}
