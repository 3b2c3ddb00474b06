#pragma once

#include <lumoui/ControlFont.h>
#include <lumoui/Export.h>

#include <memory>
#include <vector>

namespace LumoUI {

class EditBuffer;

// "MEdit": a single-line text entry (play times, delays, colour values,
// in-place renaming of list rows).
//
// Input: a press places the caret (Shift extends the selection), dragging
// selects, a double click selects the word under the pointer; Left/Right
// (Ctrl: by word), Home/End, with Shift extending the selection;
// Backspace/Delete; Ctrl+A selects all; Ctrl+C / Ctrl+Insert copy,
// Ctrl+X / Shift+Delete cut, Ctrl+V / Shift+Insert paste through MClipboard.
// Text arrives as WM_CHAR code points (any language, as the platform's text
// input delivers them); an input method's uncommitted text is shown at the
// caret through SetComposition. Enter ends the edit (the edit gives up the
// focus); Escape restores the text it had when it got the focus and ends.
//
// Notifications (id, code, wParam, lParam):
//   30 NOTIFY_EDITSHOW    the edit got the keyboard focus
//   26 NOTIFY_EDITCHANGE  the user changed the text (typing, paste, cut, delete)
//   29 NOTIFY_EDITEND     the edit lost the focus; lParam = 1 when the text
//                         differs from the text it had when it got the focus
//   31 NOTIFY_EDITCLICK   left release inside the edit
// SetEditText/SetTitle change the text without notification.
//
// Threads: window thread only.
class LUMOUI_API MEdit : public MControlFont {
public:
    explicit MEdit(CString const& text = L"", int visible = 1, int enabled = 1);
    ~MEdit() override;

    wchar_t const* GetClassNameW() override;
    void InitControl(PaintManager* manager) override;
    void DrawControl(MGraphics& g, CRect clip) override;
    int SetControlFocus(int focus) override;
    void SetControlEnabled(int enabled) override;
    void SetControlRect(CRect rc) override;
    int OnControlTimer() override;
    int OnControlMouseMove(unsigned flags, CPoint pt) override;
    int OnControlLButtonDown(unsigned flags, CPoint pt) override;
    int OnControlLButtonUp(unsigned flags, CPoint pt) override;
    int OnControlLButtonDblClk(unsigned flags, CPoint pt) override;
    int OnControlKeyDown(unsigned vk, unsigned repeat, unsigned modifiers) override;
    int OnControlChar(unsigned ch) override;
    // Shows the input method's uncommitted text (SetComposition).
    int OnControlComposition(CString const& text, int cursor) override;
    int OnCheckMouseResponse(unsigned flags, CPoint pt) override;
    // The title is the edit's text.
    void SetControlTitle(wchar_t const* title) override;
    CString GetControlTitle() override;

    CString GetEditText() const;
    // Replaces the text (caret at the end, no selection), no notification.
    void SetEditText(CString const& text);
    // Maximum number of characters (0 = no limit); a longer text is cut.
    void SetLimitText(int limit);
    // Accept only the digits 0-9 (numeric fields).
    void SetNumberOnly(bool on);
    bool IsNumberOnly() const;

    // Caret and selection, as positions 0..length in code points.
    int GetCaretPos() const;
    // start <= end; equal when nothing is selected.
    void GetSel(int& start, int& end) const;
    CString GetSelText() const;
    void SetSel(int start, int end);
    void SelectAll();
    // Replaces the selection as if typed (notifies 26 when the text changed).
    void ReplaceSel(CString const& text);

    void Copy();
    void Cut();
    void Paste();

    // Uncommitted input-method text shown at the caret, `cursor` code points
    // into it; an empty text ends the composition. Committed text arrives as
    // WM_CHAR.
    void SetComposition(CString const& text, int cursor);
    CString GetComposition() const { return m_composition; }

    // Appearance: a 4-frame strip (normal, hover, focused, disabled) drawn
    // as a nine-grid with `corner`; without an image the back colour is
    // filled and framed with the frame colour (the select colour while
    // focused).
    void SetBackImage(wchar_t const* file, int frames = 4, int corner = 6);
    void SetBackColor(ARGB back, ARGB frame);
    void SetSelectColor(ARGB color) { m_select_color = color; }
    // Inner padding left and right of the text, in pixels (default 6).
    void SetTextPadding(int padding) { m_padding = padding; }
    // The caret is drawn (blink phase); for tests and painting.
    bool IsCaretShown() const { return m_caret_on; }
    // Client x of a caret position (after scrolling).
    int CaretX(int position) const;
    // The caret position nearest to a client x.
    int PositionFromX(int x) const;

private:
    CRect TextRect() const;
    void TextChanged(bool notify);
    void CaretMoved();
    // Tells the input method where the caret is (its candidate window).
    void PlaceInputMethod();
    void EnsureCaretVisible();
    // Caret position in the shown text (the composition counts).
    int DisplayCaret() const;
    void RestartBlink();
    bool IsShiftDown() const;
    bool IsCtrlDown() const;
    int HandleEditingKey(unsigned vk, bool shift, bool ctrl);
    void PaintFace(MGraphics& face);
    std::vector<int> const& Offsets() const;

    std::unique_ptr<EditBuffer> m_buffer;
    CString m_text_on_focus;
    CString m_composition;
    int m_composition_cursor { 0 };
    int m_scroll_x { 0 };
    int m_padding { 6 };
    int m_corner { 6 };
    bool m_caret_on { false };
    bool m_selecting { false };
    bool m_hover { false };
    ARGB m_back_color { 0xFF061835 };
    ARGB m_frame_color { 0xFF3A4A66 };
    ARGB m_select_color;
    mutable std::vector<int> m_offsets;
    mutable bool m_offsets_valid { false };
};

}
