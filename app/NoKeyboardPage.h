#pragma once

#include "app/PageController.h"

namespace Tessera {

// The page shown while no keyboard is linked (tab item 0, which the tab bar
// does not show): it says how to connect the keyboard.
class NoKeyboardPage final : public PageController {
public:
    static constexpr unsigned kIdMessage = 1201;
    NoKeyboardPage();
    void ReloadTexts() override;

protected:
    void BuildContent(LumoUI::MPanel& container) override;
    void LayoutContent(LumoUI::CRect area) override;

private:
    LumoUI::MControlFont* m_message { nullptr };
};

}
