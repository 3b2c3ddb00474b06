#pragma once

#include <lumoui/Dialog.h>
#include <lumoui/Export.h>

namespace LumoUI {

class MText;

// The tip window of the keyboard picture: 190 × 100 pixels, placed so that
// its bottom centre is at an anchor point in screen coordinates (it is not
// clamped to the screen). It shows its background image and three text
// lines: a grey 14-pixel title at (10, 8), a white 14-pixel first line at
// (10, 35) and a white 18-pixel second line below it.
//
// Create it once with CreateTip (a hidden pop-up owned by `owner`), then
// SetAirBladderMsg and ShowWindow(SW_SHOW / SW_HIDE). Showing never takes
// the activation from the owner. The owner of the object deletes it (the
// keyboard picture keeps it for its own lifetime). Window thread only.
class LUMOUI_API CKeyboardTips : public MDialog {
public:
    static constexpr int kWidth = 190;
    static constexpr int kHeight = 100;

    CKeyboardTips();
    ~CKeyboardTips() override;

    // A hidden pop-up named `name` (default "KeyboardTip Window"); the
    // background image "img_tip_bk.png" is loaded unless LoadBKImage chose
    // one before. Without an image the window is filled with the paint
    // manager's back and frame colours.
    // Null on failure.
    HWND CreateTip(HWND owner, wchar_t const* name = L"KeyboardTip Window");

    // Moves the window to (anchor.x − 95, anchor.y − 100) and sets the texts.
    void SetAirBladderMsg(wchar_t const* title, wchar_t const* line1, wchar_t const* line2, CPoint anchor);
    // Same texts, no move.
    void SetTexts(wchar_t const* title, wchar_t const* line1, wchar_t const* line2);
    CString GetTitleText() const;
    CString GetLine1() const;
    CString GetLine2() const;
    CPoint GetAnchor() const { return m_anchor; }

    // SW_SHOW and the other show commands show without activating.
    int ShowWindow(int nCmdShow) override;
    void InitUI(CRect client) override;

private:
    MText* m_title { nullptr };
    MText* m_line1 { nullptr };
    MText* m_line2 { nullptr };
    CString m_texts[3];
    CPoint m_anchor;
};

}
