#pragma once

#include "app/PopupWindows.h"

#include <lumoui/Dialog.h>

#include <functional>

namespace Tessera {

// Button sets of the program's message box.
enum MessageBoxStyle : int {
    kMessageBoxOk = 0,    // one button, text 20: result 1
    kMessageBoxYesNo = 4, // text 23 (result 1) and text 25 (result 2)
};

// The program's message box: a 380 × 200 window titled "MessageBox" on the
// prompt background, a title, a message and the buttons of its style. Button
// 33 ends it with 1, button 34 with 2; closing it otherwise (Escape, the
// program's pop-ups being closed) gives 2 as well, which callers read as
// "no". Window thread only.
class CUIMessageBox final : public LumoUI::MDialog {
public:
    static constexpr int kWidth = 380;
    static constexpr int kHeight = 200;
    enum : unsigned { kIdTitle = 31, kIdMessage = 32, kIdFirstButton = 33, kIdSecondButton = 34 };

    CUIMessageBox(std::wstring title, std::wstring message, int style);

    // Creates the window centred over `parent` (or the screen).
    bool CreateBox(LumoUI::MWindow* parent);

    void InitUI(LumoUI::CRect client) override;
    int OnInitDialog() override;
    LumoUI::LRESULT OnMessage(unsigned id, unsigned code, LumoUI::WPARAM wParam, LumoUI::LPARAM lParam) override;
    int OnKeyDown(LumoUI::WPARAM vk, LumoUI::LPARAM lParam) override;

private:
    void AddButton(unsigned id, int textId, LumoUI::CRect rc);

    std::wstring m_title;
    std::wstring m_message;
    int m_style;
    PopupRegistration m_registration { this };
};

// How modal dialogs are run: ShowModal normally; tests drive the dialog
// before its loop starts. Returns the dialog's result.
using ModalRunner = std::function<unsigned(LumoUI::MDialog& dialog)>;
ModalRunner DefaultModalRunner();

// Shows a message box modally over `parent` and returns its result (1 or 2).
int ShowMessageBox(std::wstring const& message, LumoUI::MWindow* parent, std::wstring const& title, int style,
    ModalRunner const& runner = DefaultModalRunner());
// The same with language-text numbers for message and title.
int ShowMessageBox(int messageText, LumoUI::MWindow* parent, int titleText, int style,
    ModalRunner const& runner = DefaultModalRunner());

}
