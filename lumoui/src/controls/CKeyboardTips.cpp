#include <lumoui/CKeyboardTips.h>
#include <lumoui/MText.h>

namespace LumoUI {

namespace {

constexpr ARGB kTitleColor = 0xFFC8C8C8;
constexpr ARGB kLineColor = 0xFFFFFFFF;
constexpr int kTextLeft = 10;

}

CKeyboardTips::CKeyboardTips() = default;

CKeyboardTips::~CKeyboardTips() = default;

HWND CKeyboardTips::CreateTip(HWND owner, wchar_t const* name)
{
    if (GetSafeHwnd())
        return GetSafeHwnd();
    if (m_paint_manager.GetBKImage().IsNull())
        LoadBKImage(L"img_tip_bk.png");
    CRect const rc(m_anchor.x - kWidth / 2, m_anchor.y - kHeight, m_anchor.x + kWidth / 2, m_anchor.y);
    HWND hwnd = Create(owner, name ? name : L"KeyboardTip Window", WS_POPUP, WS_EX_TOOLWINDOW | WS_EX_TOPMOST, rc);
    if (hwnd)
        EnableWndDrag(0);
    return hwnd;
}

void CKeyboardTips::InitUI(CRect)
{
    auto make = [this](unsigned id, CRect rc, int size, ARGB color, CString const& text) {
        auto* text_control = static_cast<MText*>(CreateControl(L"MText", id, rc, text.c_str(), 1, 0));
        if (text_control) {
            text_control->SetFont(L"", size);
            text_control->SetTextColor(color);
            text_control->SetVAlignment(DT_TOP);
        }
        return text_control;
    };
    m_title = make(1, CRect(kTextLeft, 8, kWidth - kTextLeft, 28), 14, kTitleColor, m_texts[0]);
    m_line1 = make(2, CRect(kTextLeft, 35, kWidth - kTextLeft, 55), 14, kLineColor, m_texts[1]);
    m_line2 = make(3, CRect(kTextLeft, 57, kWidth - kTextLeft, 85), 18, kLineColor, m_texts[2]);
}

void CKeyboardTips::SetTexts(wchar_t const* title, wchar_t const* line1, wchar_t const* line2)
{
    m_texts[0] = title ? title : L"";
    m_texts[1] = line1 ? line1 : L"";
    m_texts[2] = line2 ? line2 : L"";
    MText* controls[3] = { m_title, m_line1, m_line2 };
    for (int i = 0; i < 3; ++i)
        if (controls[i])
            controls[i]->SetTitle(m_texts[i]);
}

void CKeyboardTips::SetAirBladderMsg(wchar_t const* title, wchar_t const* line1, wchar_t const* line2, CPoint anchor)
{
    m_anchor = anchor;
    SetTexts(title, line1, line2);
    // Bottom centre on the anchor; near the top of the screen the tip simply
    // extends above it.
    MoveWindow(anchor.x - kWidth / 2, anchor.y - kHeight, kWidth, kHeight, true);
}

CString CKeyboardTips::GetTitleText() const { return m_texts[0]; }
CString CKeyboardTips::GetLine1() const { return m_texts[1]; }
CString CKeyboardTips::GetLine2() const { return m_texts[2]; }

int CKeyboardTips::ShowWindow(int nCmdShow)
{
    // A tip follows the pointer over the keyboard picture: it must never
    // take the activation (and so the hover state) from its owner.
    if (nCmdShow != SW_HIDE && nCmdShow != SW_MINIMIZE)
        nCmdShow = SW_SHOWNA;
    return MDialog::ShowWindow(nCmdShow);
}

}
