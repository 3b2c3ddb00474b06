#pragma once

#include <lumoui/KeyboardCtrl.h>
#include <lumoui/Types.h>

#include <memory>

namespace LumoUI {

class CKeyboardTips;

// The three lines a key's tip shows: its title and the two tip lines, or,
// for a key without tip lines, the title, "Keyboard" and the title again.
struct KeyTipText {
    CString title;
    CString line1;
    CString line2;
    bool operator==(KeyTipText const&) const = default;
};
KeyTipText MakeKeyTipText(KEY_INFO const& key);

// Owns the keyboard picture's tip window, created on first use as a pop-up
// owned by the picture's window. Window thread only.
class KeyboardTipsHost {
public:
    KeyboardTipsHost();
    ~KeyboardTipsHost();

    // Shows the tip with its bottom centre at `anchor` (screen coordinates).
    void Show(HWND owner, KeyTipText const& text, CPoint anchor);
    void Hide();

    CKeyboardTips* Window() const { return m_window.get(); }

private:
    struct WindowDeleter {
        void operator()(CKeyboardTips* window) const;
    };
    std::unique_ptr<CKeyboardTips, WindowDeleter> m_window;
};

}
