#pragma once

#include "app/PopupWindows.h"

#include <lumoui/Dialog.h>

namespace Tessera {

class SettingsStore;

// Asks once what closing the main window does and stores the answer as
// "exit_mode" (1 hide to the tray, 2 end the program). A 360 × 200 window
// titled "CloseWindowTipDlg", always on top: text 170, radio buttons 31
// (text 171) and 32 (text 172) of group "exit_mode", and button 33 (text 22),
// which stores the choice and ends the dialog with 1. Closing it any other
// way stores nothing. Window thread only.
class CloseWindowTipDlg final : public LumoUI::MDialog {
public:
    static constexpr int kWidth = 360;
    static constexpr int kHeight = 200;
    enum : unsigned { kIdQuestion = 30, kIdHideToTray = 31, kIdExit = 32, kIdConfirm = 33, kIdCloseButton = 34 };

    explicit CloseWindowTipDlg(SettingsStore& settings);

    bool CreateTip(LumoUI::MWindow* parent);

    void InitUI(LumoUI::CRect client) override;
    int OnInitDialog() override;
    LumoUI::LRESULT OnMessage(unsigned id, unsigned code, LumoUI::WPARAM wParam, LumoUI::LPARAM lParam) override;
    int OnKeyDown(LumoUI::WPARAM vk, LumoUI::LPARAM lParam) override;

    // Which radio button is selected (kIdHideToTray or kIdExit).
    unsigned SelectedChoice() const { return m_choice; }

private:
    void Select(unsigned id);

    SettingsStore& m_settings;
    unsigned m_choice { kIdHideToTray };
    PopupRegistration m_registration { this };
};

}
