#include "controls/EditBuffer.h"

#include <lumoui/Clipboard.h>
#include <lumoui/ControlFactory.h>
#include <lumoui/MEdit.h>
#include <lumoui/Manager.h>
#include <lumoui/PaintManager.h>

#include <algorithm>
#include <cwctype>

namespace LumoUI {

namespace {

constexpr unsigned kBlinkTimer = 1;
constexpr unsigned kBlinkMs = 530;
constexpr ARGB kDisabledText = 0xFF808080;
constexpr ARGB kCaretColor = 0xFFFFFFFF;

}

MEdit::MEdit(CString const& text, int visible, int enabled)
    : MControlFont(visible, enabled)
    , m_buffer(std::make_unique<EditBuffer>())
    , m_select_color(Manager::GetSelectColor())
{
    m_buffer->SetText(text);
    m_tab_stop = 1;
    // A double click selects a word; it is not reported as code 3.
    m_dblclk = 1;
    m_dblclk_notify = 0;
    SetCursorEx(L"arrow");
}

MEdit::~MEdit() = default;

wchar_t const* MEdit::GetClassNameW() { return L"MEdit"; }

void MEdit::InitControl(PaintManager* manager)
{
    MControlFont::InitControl(manager);
}

void MEdit::SetControlTitle(wchar_t const* title)
{
    SetEditText(title ? CString(title) : CString());
}

CString MEdit::GetControlTitle() { return GetEditText(); }

CString MEdit::GetEditText() const { return m_buffer->GetText(); }

void MEdit::SetEditText(CString const& text)
{
    m_buffer->SetText(text);
    m_composition.clear();
    TextChanged(false);
}

void MEdit::SetLimitText(int limit)
{
    m_buffer->SetLimit(limit > 0 ? static_cast<size_t>(limit) : 0);
    TextChanged(false);
}

void MEdit::SetNumberOnly(bool on) { m_buffer->SetDigitsOnly(on); }

bool MEdit::IsNumberOnly() const { return m_buffer->IsDigitsOnly(); }

int MEdit::GetCaretPos() const { return static_cast<int>(m_buffer->GetCaret()); }

void MEdit::GetSel(int& start, int& end) const
{
    start = static_cast<int>(m_buffer->GetSelectionStart());
    end = static_cast<int>(m_buffer->GetSelectionEnd());
}

CString MEdit::GetSelText() const { return m_buffer->GetSelectedText(); }

void MEdit::SetSel(int start, int end)
{
    m_buffer->Select(static_cast<size_t>(std::max(start, 0)), static_cast<size_t>(std::max(end, 0)));
    CaretMoved();
}

void MEdit::SelectAll()
{
    m_buffer->SelectAll();
    CaretMoved();
}

void MEdit::ReplaceSel(CString const& text)
{
    if (m_buffer->Insert(text))
        TextChanged(true);
    else
        CaretMoved();
}

void MEdit::Copy()
{
    if (m_buffer->HasSelection())
        MClipboard::SetText(m_buffer->GetSelectedText());
}

void MEdit::Cut()
{
    if (!m_buffer->HasSelection())
        return;
    if (MClipboard::SetText(m_buffer->GetSelectedText()) && m_buffer->DeleteSelection())
        TextChanged(true);
}

void MEdit::Paste()
{
    CString const text = MClipboard::GetText();
    if (!text.empty())
        ReplaceSel(text);
}

void MEdit::SetComposition(CString const& text, int cursor)
{
    m_composition = text;
    m_composition_cursor = std::clamp(cursor, 0, static_cast<int>(text.size()));
    m_offsets_valid = false;
    CaretMoved();
}

void MEdit::SetBackImage(wchar_t const* file, int frames, int corner)
{
    m_corner = corner;
    SetImage(file, frames);
}

void MEdit::SetBackColor(ARGB back, ARGB frame)
{
    m_back_color = back;
    m_frame_color = frame;
    UpdateControl(1, 0);
}

// ---- focus, timers ----

int MEdit::SetControlFocus(int focus)
{
    bool const had = m_focused != 0;
    MControlFont::SetControlFocus(focus);
    m_focused = focus ? 1 : 0;
    if (focus && !had) {
        m_text_on_focus = m_buffer->GetText();
        RestartBlink();
        PlaceInputMethod();
        UpdateControl(1, 0);
        SendMessageW(NOTIFY_EDITSHOW, 0, 0);
    } else if (!focus && had) {
        m_selecting = false;
        m_caret_on = false;
        m_composition.clear();
        m_offsets_valid = false;
        if (m_manager)
            m_manager->KillTimer(this, kBlinkTimer);
        UpdateControl(1, 0);
        LPARAM const changed = m_buffer->GetText() != m_text_on_focus ? 1 : 0;
        SendMessageW(NOTIFY_EDITEND, 0, changed);
    }
    return 0;
}

void MEdit::SetControlEnabled(int enabled)
{
    MControlFont::SetControlEnabled(enabled);
    if (!enabled && m_focused && m_manager && m_manager->GetFocusControl() == this)
        m_manager->SetFocusControl(nullptr);
}

void MEdit::SetControlRect(CRect rc)
{
    MControlFont::SetControlRect(rc);
    EnsureCaretVisible();
}

void MEdit::RestartBlink()
{
    m_caret_on = true;
    if (m_manager) {
        m_manager->KillTimer(this, kBlinkTimer);
        m_manager->SetTimer(this, kBlinkTimer, kBlinkMs);
    }
}

int MEdit::OnControlTimer()
{
    if (!m_focused)
        return 0;
    m_caret_on = !m_caret_on;
    UpdateControl(1, 0);
    return 1;
}

// ---- geometry ----

CRect MEdit::TextRect() const
{
    CRect rc = m_rect;
    rc.DeflateRect(m_padding, 0);
    return rc;
}

std::vector<int> const& MEdit::Offsets() const
{
    if (m_offsets_valid)
        return m_offsets;
    CString shown = m_buffer->GetText();
    if (!m_composition.empty())
        shown.insert(m_buffer->GetSelectionStart(), m_composition);
    MFont const font = GetFont();
    m_offsets.assign(shown.size() + 1, 0);
    for (size_t i = 1; i <= shown.size(); ++i)
        m_offsets[i] = MGraphics::MeasureText(shown.substr(0, i), font).cx;
    m_offsets_valid = true;
    return m_offsets;
}

int MEdit::CaretX(int position) const
{
    auto const& offsets = Offsets();
    int const index = std::clamp(position, 0, static_cast<int>(offsets.size()) - 1);
    CRect const text = TextRect();
    int align = 0;
    int const total = offsets.back();
    if (total < text.Width()) {
        if (m_halign & DT_CENTER)
            align = (text.Width() - total) / 2;
        else if (m_halign & DT_RIGHT)
            align = text.Width() - total;
    }
    return text.left + align - m_scroll_x + offsets[index];
}

int MEdit::PositionFromX(int x) const
{
    auto const& offsets = Offsets();
    int best = 0;
    int best_distance = INT32_MAX;
    for (size_t i = 0; i < offsets.size(); ++i) {
        int const distance = std::abs(CaretX(static_cast<int>(i)) - x);
        if (distance < best_distance) {
            best_distance = distance;
            best = static_cast<int>(i);
        }
    }
    // Positions inside a composition are not real text positions.
    int const length = static_cast<int>(m_buffer->GetText().size());
    return std::min(best, length);
}

int MEdit::DisplayCaret() const
{
    if (m_composition.empty())
        return static_cast<int>(m_buffer->GetCaret());
    return static_cast<int>(m_buffer->GetSelectionStart()) + m_composition_cursor;
}

void MEdit::EnsureCaretVisible()
{
    auto const& offsets = Offsets();
    int const width = TextRect().Width();
    int const total = offsets.back();
    int const caret = offsets[std::min(static_cast<size_t>(DisplayCaret()), offsets.size() - 1)];
    if (total <= width || width <= 0)
        m_scroll_x = 0;
    else if (caret - m_scroll_x > width - 1)
        m_scroll_x = caret - width + 1;
    else if (caret < m_scroll_x)
        m_scroll_x = caret;
    m_scroll_x = std::clamp(m_scroll_x, 0, std::max(0, total - width + 1));
}

void MEdit::TextChanged(bool notify)
{
    m_offsets_valid = false;
    CaretMoved();
    if (notify)
        SendMessageW(NOTIFY_EDITCHANGE, 0, 0);
}

void MEdit::CaretMoved()
{
    EnsureCaretVisible();
    if (m_focused) {
        RestartBlink();
        PlaceInputMethod();
    }
    UpdateControl(1, 0);
}

void MEdit::PlaceInputMethod()
{
    if (!m_manager)
        return;
    int const x = CaretX(DisplayCaret());
    SetTextInputRect(m_manager->GetPaintWnd(), CRect(x, m_rect.top, x + 1, m_rect.bottom));
}

// ---- mouse ----

int MEdit::OnControlMouseMove(unsigned, CPoint pt)
{
    bool const inside = m_rect.PtInRect(pt);
    if (inside != m_hover) {
        m_hover = inside;
        UpdateControl(1, 0);
    }
    if (m_selecting && IsEnabled()) {
        m_buffer->SetCaret(static_cast<size_t>(PositionFromX(pt.x)), true);
        CaretMoved();
        return 1;
    }
    return inside ? 1 : 0;
}

int MEdit::OnControlLButtonDown(unsigned, CPoint pt)
{
    if (!IsEnabled() || !m_rect.PtInRect(pt))
        return 0;
    if (m_manager && m_manager->GetFocusControl() != this)
        m_manager->SetFocusControl(this);
    if (!m_composition.empty())
        SetComposition(L"", 0);
    m_buffer->SetCaret(static_cast<size_t>(PositionFromX(pt.x)), IsShiftDown());
    m_selecting = true;
    CaretMoved();
    return 1;
}

int MEdit::OnControlLButtonUp(unsigned, CPoint pt)
{
    bool const was_selecting = m_selecting;
    m_selecting = false;
    if (was_selecting && TextRect().PtInRect(pt) && m_rect.PtInRect(pt))
        SendMessageW(NOTIFY_EDITCLICK, 0, 0);
    return was_selecting ? 1 : 0;
}

int MEdit::OnControlLButtonDblClk(unsigned, CPoint pt)
{
    if (!IsEnabled() || !m_rect.PtInRect(pt))
        return 0;
    // A double click can be the first click the edit sees (the first one
    // went elsewhere or ended an edit): it takes the focus too.
    if (m_manager && m_manager->GetFocusControl() != this)
        m_manager->SetFocusControl(this);
    // Select the word (or the run of other characters) under the pointer.
    CString const& text = m_buffer->GetText();
    size_t const at = static_cast<size_t>(PositionFromX(pt.x));
    auto word = [](wchar_t c) { return std::iswalnum(static_cast<wint_t>(c)) || c == L'_' || c > 0x2E7F; };
    size_t start = at;
    size_t end = at;
    if (at < text.size() || at > 0) {
        bool const kind = at < text.size() ? word(text[at]) : word(text[at - 1]);
        while (start > 0 && word(text[start - 1]) == kind)
            --start;
        while (end < text.size() && word(text[end]) == kind)
            ++end;
    }
    m_buffer->Select(start, end);
    m_selecting = false;
    CaretMoved();
    return 1;
}

int MEdit::OnCheckMouseResponse(unsigned, CPoint) { return m_selecting ? 1 : 0; }

// ---- keyboard ----

bool MEdit::IsShiftDown() const { return (GetKeyState(VK_SHIFT) & 0x8000) != 0; }

bool MEdit::IsCtrlDown() const { return (GetKeyState(VK_CONTROL) & 0x8000) != 0; }

int MEdit::OnControlKeyDown(unsigned vk, unsigned repeat, unsigned modifiers)
{
    if (!m_focused || !IsEnabled())
        return MControlFont::OnControlKeyDown(vk, repeat, modifiers);
    bool const shift = IsShiftDown();
    bool const ctrl = IsCtrlDown();
    switch (vk) {
    case VK_RETURN:
        if (m_manager)
            m_manager->SetFocusControl(nullptr);
        return 1;
    case VK_ESCAPE:
        if (m_buffer->GetText() != m_text_on_focus) {
            m_buffer->SetText(m_text_on_focus);
            TextChanged(true);
        }
        if (m_manager)
            m_manager->SetFocusControl(nullptr);
        return 1;
    default:
        return HandleEditingKey(vk, shift, ctrl);
    }
}

int MEdit::HandleEditingKey(unsigned vk, bool shift, bool ctrl)
{
    switch (vk) {
    case VK_LEFT: m_buffer->MoveLeft(shift, ctrl); break;
    case VK_RIGHT: m_buffer->MoveRight(shift, ctrl); break;
    case VK_HOME: m_buffer->MoveHome(shift); break;
    case VK_END: m_buffer->MoveEnd(shift); break;
    case VK_BACK:
        if (m_buffer->DeleteBackward(ctrl))
            TextChanged(true);
        return 1;
    case VK_DELETE:
        if (shift && !ctrl)
            Cut();
        else if (m_buffer->DeleteForward(ctrl))
            TextChanged(true);
        return 1;
    case VK_INSERT:
        if (ctrl)
            Copy();
        else if (shift)
            Paste();
        return 1;
    case 'A':
    case 'C':
    case 'X':
    case 'V':
        if (!ctrl)
            return 0; // the letter itself arrives as WM_CHAR
        if (vk == 'A')
            SelectAll();
        else if (vk == 'C')
            Copy();
        else if (vk == 'X')
            Cut();
        else
            Paste();
        return 1;
    default:
        return 0;
    }
    CaretMoved();
    return 1;
}

int MEdit::OnControlComposition(CString const& text, int cursor)
{
    if (!m_focused || !IsEnabled())
        return 0;
    SetComposition(text, cursor);
    return 1;
}

int MEdit::OnControlChar(unsigned ch)
{
    if (!m_focused || !IsEnabled())
        return 0;
    if (ch < 0x20 || ch == 0x7F || IsCtrlDown())
        return 0;
    m_composition.clear();
    ReplaceSel(CString(1, static_cast<wchar_t>(ch)));
    return 1;
}

// ---- painting ----

void MEdit::DrawControl(MGraphics& g, CRect)
{
    PaintFace(g);
}

void MEdit::PaintFace(MGraphics& g)
{
    int state = 0;
    if (!IsEnabled())
        state = 3;
    else if (m_focused)
        state = 2;
    else if (m_hover)
        state = 1;
    if (!m_image.IsNull()) {
        g.DrawImageFrame(m_image, m_rect, GetFrameRect(state), m_corner);
    } else {
        g.FillRect(m_rect, m_back_color);
        g.DrawRect(m_rect, m_focused ? m_select_color : m_frame_color);
    }

    CRect const text_rect = TextRect();
    auto const& offsets = Offsets();
    MFont const font = GetFont();
    int const line_height = font.size + 6;
    int const mid = (m_rect.top + m_rect.bottom) / 2;
    CRect const band(text_rect.left, mid - line_height / 2, text_rect.right, mid - line_height / 2 + line_height);

    g.Save();
    g.ClipRect(text_rect);
    size_t const sel_start = m_buffer->GetSelectionStart();
    size_t const sel_end = m_buffer->GetSelectionEnd();
    if (m_focused && sel_start != sel_end && m_composition.empty()) {
        CRect sel(CaretX(static_cast<int>(sel_start)), band.top, CaretX(static_cast<int>(sel_end)), band.bottom);
        g.FillRect(sel, m_select_color);
    }
    CString shown = m_buffer->GetText();
    if (!m_composition.empty())
        shown.insert(sel_start, m_composition);
    int const x0 = CaretX(0);
    CRect const run(x0, m_rect.top, x0 + offsets.back() + 8, m_rect.bottom);
    g.DrawText(shown, run, font, IsEnabled() ? m_text_color : kDisabledText, DT_LEFT | DT_VCENTER);
    if (!m_composition.empty()) {
        int const from = CaretX(static_cast<int>(sel_start));
        int const to = CaretX(static_cast<int>(sel_start + m_composition.size()));
        g.DrawLine({ from, band.bottom - 1 }, { to, band.bottom - 1 }, m_text_color);
    }
    if (m_focused && m_caret_on) {
        int const x = CaretX(DisplayCaret());
        g.FillRect(CRect(x, band.top, x + 1, band.bottom), kCaretColor);
    }
    g.Restore();
}

LUMOUI_REGISTER_CONTROL(MEdit, L"MEdit", FactoryBoth,
    [](ControlArgs const& a) { return std::make_unique<MEdit>(a.title, a.visible, a.enabled); });

}
