#pragma once

#include <lumoui/Window.h>

#include <mutex>
#include <string>
#include <vector>

namespace Tessera {

// The program's pop-up windows, found by their titles: before a device change
// or a modal dialog the main window closes them ("CloseWindowTipDlg",
// "CustomKeyDlg", "MessageBox", "WaitDlg", "Menu Window"; a message box is
// closed with the result 2, "no") and hides the tip and drop-down windows
// ("KeyboardTip Window", "ComboWnd").
//
// Each pop-up registers itself while its window exists (PopupRegistration).
// Thread-safe registry; CloseAll runs on the window thread.
class PopupWindows {
public:
    static PopupWindows& Instance();

    void Add(LumoUI::MWindow* window);
    void Remove(LumoUI::MWindow* window);
    // Closes or hides every registered pop-up by its title; returns how many
    // were acted on.
    int CloseAll();
    // The wParam a WM_CLOSE to a window of this title carries, or -1 when
    // windows of this title are hidden instead (or left alone: -2).
    static int CloseParameterFor(std::wstring const& title);

private:
    std::mutex m_mutex;
    std::vector<LumoUI::MWindow*> m_windows;
};

// Registers a pop-up for the life of this object (a member of the pop-up).
class PopupRegistration {
public:
    explicit PopupRegistration(LumoUI::MWindow* window) : m_window(window) { PopupWindows::Instance().Add(window); }
    ~PopupRegistration() { PopupWindows::Instance().Remove(m_window); }
    PopupRegistration(PopupRegistration const&) = delete;
    PopupRegistration& operator=(PopupRegistration const&) = delete;

private:
    LumoUI::MWindow* m_window;
};

}
