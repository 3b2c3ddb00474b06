#include "app/CloseWindowTipDlg.h"

#include "app/LanguageTexts.h"
#include "app/MainWindowIds.h"
#include "platform/SettingsStore.h"

#include <lumoui/GroupButtons.h>
#include <lumoui/MText.h>

namespace Tessera {

using namespace LumoUI;

namespace {

constexpr unsigned kPopupStyle = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr wchar_t kExitModeValue[] = L"exit_mode";

}

CloseWindowTipDlg::CloseWindowTipDlg(SettingsStore& settings)
    : m_settings(settings)
{
}

bool CloseWindowTipDlg::CreateTip(MWindow* parent)
{
    if (!Create(parent ? parent->GetSafeHwnd() : nullptr, L"CloseWindowTipDlg", kPopupStyle, 0, CRect(0, 0, kWidth, kHeight)))
        return false;
    CenterWindow(parent && parent->IsWindowVisible() ? parent : nullptr);
    return true;
}

void CloseWindowTipDlg::InitUI(CRect client)
{
    m_paint_manager.SetBackColor(RGB(22, 30, 42), RGB(16, 168, 253));
    if (LoadBKImage(L"bk_dialog.png"))
        SetBackMode(BACK_MODE_FRAME, 30);
    EnableWndDrag(1);

    std::wstring question = DialogText(kTextCloseQuestion);
    if (auto* text = dynamic_cast<MText*>(CreateControl(L"MText", kIdQuestion, CRect(24, 18, client.right - 60, 50), question.c_str()))) {
        text->SetFontWidth(15);
        text->SetFontStyle(FontStyleBold);
    }
    if (auto* close = dynamic_cast<MControlFont*>(CreateControl(L"MButton", kIdCloseButton, CRect(client.right - 42, 12, client.right - 12, 42))))
        close->SetImage(L"main_sysbtn_close.png", 4);

    struct Choice {
        unsigned id;
        int text;
        int top;
    } const choices[] = { { kIdHideToTray, kTextCloseToTray, 64 }, { kIdExit, kTextCloseExits, 98 } };
    for (Choice const& choice : choices) {
        std::wstring title = DialogText(choice.text);
        auto* radio = dynamic_cast<MGroupButton*>(CreateControl(L"CRadioButton", choice.id, CRect(32, choice.top, client.right - 24, choice.top + 26), title.c_str()));
        if (!radio)
            continue;
        radio->SetImage(L"btn_radiobox.png", 6);
        radio->SetGroupName(kExitModeValue);
        radio->SetFontWidth(13);
    }

    std::wstring confirm = DialogText(kTextConfirm);
    int left = (client.Width() - 120) / 2;
    if (auto* button = dynamic_cast<MControlFont*>(CreateControl(L"MButton", kIdConfirm, CRect(left, client.bottom - 54, left + 120, client.bottom - 18), confirm.c_str()))) {
        button->SetImage(L"btn_apply.png", 4);
        button->SetAlignment(DT_CENTER, DT_VCENTER);
    }
}

int CloseWindowTipDlg::OnInitDialog()
{
    MDialog::OnInitDialog();
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    ModifyExStyle(0, WS_EX_TOPMOST);
    Select(GetRegInt(m_settings, kExitModeValue) == 2 ? kIdExit : kIdHideToTray);
    return 1;
}

void CloseWindowTipDlg::Select(unsigned id)
{
    m_choice = id;
    if (auto* radio = dynamic_cast<MGroupButton*>(GetControl(id)))
        radio->SetCheck(1);
}

LRESULT CloseWindowTipDlg::OnMessage(unsigned id, unsigned code, WPARAM, LPARAM)
{
    if (code != NOTIFY_CLICK && code != NOTIFY_KEYTOGGLE)
        return 0;
    switch (id) {
    case kIdHideToTray:
    case kIdExit:
        m_choice = id;
        return 1;
    case kIdConfirm:
        SetRegString(m_settings, kExitModeValue, m_choice == kIdHideToTray ? L"1" : L"2");
        DoOK();
        return 1;
    case kIdCloseButton:
        DoCancel();
        return 1;
    default:
        return 0;
    }
}

int CloseWindowTipDlg::OnKeyDown(WPARAM vk, LPARAM)
{
    if (vk == VK_ESCAPE)
        DoCancel();
    return 0;
}

}
