#include "app/CUIMessageBox.h"

#include "app/LanguageTexts.h"
#include "app/MainWindowIds.h"

#include <lumoui/ControlFont.h>
#include <lumoui/MText.h>

namespace Tessera {

using namespace LumoUI;

namespace {

constexpr unsigned kPopupStyle = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

}

ModalRunner DefaultModalRunner()
{
    return [](MDialog& dialog) { return dialog.ShowModal(SW_SHOWNORMAL); };
}

CUIMessageBox::CUIMessageBox(std::wstring title, std::wstring message, int style)
    : m_title(std::move(title))
    , m_message(std::move(message))
    , m_style(style)
{
}

bool CUIMessageBox::CreateBox(MWindow* parent)
{
    HWND owner = parent ? parent->GetSafeHwnd() : nullptr;
    if (!Create(owner, L"MessageBox", kPopupStyle, WS_EX_TOOLWINDOW, CRect(0, 0, kWidth, kHeight)))
        return false;
    CenterWindow(parent);
    return true;
}

void CUIMessageBox::InitUI(CRect client)
{
    m_paint_manager.SetBackColor(RGB(22, 30, 42), RGB(16, 168, 253));
    if (LoadBKImage(L"bk_prompt.png"))
        SetBackMode(BACK_MODE_FRAME, 30);

    if (auto* title = dynamic_cast<MControlFont*>(CreateControl(L"MText", kIdTitle, CRect(24, 18, client.right - 24, 46), m_title.c_str()))) {
        title->SetFontWidth(16);
        title->SetFontStyle(FontStyleBold);
    }
    if (auto* message = dynamic_cast<MText*>(CreateControl(L"MText", kIdMessage, CRect(24, 52, client.right - 24, 140), m_message.c_str()))) {
        message->SetFontWidth(13);
        message->SetTextColor(0xFFC8D2DE);
        message->SetWordBreak(true);
        message->SetVAlignment(DT_TOP);
    }

    int const top = client.bottom - 56;
    if (m_style == kMessageBoxOk) {
        int left = (client.Width() - 120) / 2;
        AddButton(kIdFirstButton, kTextOk, CRect(left, top, left + 120, top + 36));
    } else if (m_style == kMessageBoxYesNo) {
        int left = client.Width() / 2 - 130;
        AddButton(kIdFirstButton, kTextYes, CRect(left, top, left + 120, top + 36));
        AddButton(kIdSecondButton, kTextNo, CRect(left + 140, top, left + 260, top + 36));
    }
}

void CUIMessageBox::AddButton(unsigned id, int textId, CRect rc)
{
    std::wstring text = DialogText(textId);
    if (auto* button = dynamic_cast<MControlFont*>(CreateControl(L"MButton", id, rc, text.c_str()))) {
        button->SetImage(id == kIdFirstButton ? L"btn_apply.png" : L"btn_secondary.png", 4);
        button->SetAlignment(DT_CENTER, DT_VCENTER);
    }
}

int CUIMessageBox::OnInitDialog()
{
    MDialog::OnInitDialog();
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return 1;
}

LRESULT CUIMessageBox::OnMessage(unsigned id, unsigned code, WPARAM, LPARAM)
{
    if (code != NOTIFY_CLICK)
        return 0;
    if (id == kIdFirstButton) {
        DoOK();
        return 1;
    }
    if (id == kIdSecondButton) {
        DoCancel();
        return 1;
    }
    return 0;
}

int CUIMessageBox::OnKeyDown(WPARAM vk, LPARAM)
{
    if (vk == VK_ESCAPE)
        DoCancel();
    else if (vk == VK_RETURN && m_style == kMessageBoxOk)
        DoOK();
    return 0;
}

int ShowMessageBox(std::wstring const& message, MWindow* parent, std::wstring const& title, int style, ModalRunner const& runner)
{
    CUIMessageBox box(title, message, style);
    if (!box.CreateBox(parent))
        return IDCANCEL;
    unsigned result = runner(box);
    // Anything but the first button counts as the second one.
    return result == IDOK ? IDOK : IDCANCEL;
}

int ShowMessageBox(int messageText, MWindow* parent, int titleText, int style, ModalRunner const& runner)
{
    return ShowMessageBox(DialogText(messageText), parent, DialogText(titleText), style, runner);
}

}
