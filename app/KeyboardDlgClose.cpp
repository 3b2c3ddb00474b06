// The tray icon, the close behaviour and the ways the program ends.

#include "app/CloseWindowTipDlg.h"
#include "app/KeyboardDlg.h"
#include "app/LanguageTexts.h"
#include "app/MainWindowIds.h"
#include "app/PopupWindows.h"
#include "platform/PathText.h"

#include <lumoui/Manager.h>

namespace Tessera {

using namespace LumoUI;

namespace {

constexpr int kExitModeTray = 1;
// The program's own tray menu: wide enough for both texts in either language.
constexpr int kTrayMenuWidth = 240;

}

std::vector<TrayIcon::MenuItem> KeyboardDlg::TrayMenu() const
{
    return { { kCommandCloseBehaviour, DialogText(kTextTrayCloseBehaviour) }, { kCommandQuit, DialogText(kTextTrayQuit) } };
}

void KeyboardDlg::AddTrayIcon()
{
    if (!m_services.tray || m_trayAdded)
        return;
    TrayIcon::Appearance appearance;
    appearance.id = "tessera";
    appearance.title = Manager::GetDeviceName();
    appearance.iconName = "tessera";
    appearance.iconThemePath = ToNativePath(m_services.appFolder + L"icons");
    appearance.menu = TrayMenu();
    // The tray calls on its own thread: post what it reports to the window.
    HWND window = GetSafeHwnd();
    TrayIcon::Callbacks callbacks;
    callbacks.activate = [window] { LumoUI::PostMessageW(window, kMsgTrayCallback, 0, WM_LBUTTONDOWN); };
    callbacks.contextMenu = [window](int, int) { LumoUI::PostMessageW(window, kMsgTrayCallback, 0, WM_RBUTTONUP); };
    callbacks.menuItem = [window](unsigned id) { LumoUI::PostMessageW(window, WM_COMMAND, id, 0); };
    m_trayAdded = m_services.tray->Add(appearance, std::move(callbacks));
}

void KeyboardDlg::RemoveTrayIcon()
{
    if (!m_trayAdded)
        return;
    m_services.tray->Remove();
    m_trayAdded = false;
}

void KeyboardDlg::OnTrayMessage(LPARAM lParam)
{
    switch (static_cast<unsigned>(lParam)) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        RaiseWindow();
        break;
    case WM_RBUTTONUP:
        ShowTrayMenu();
        break;
    default:
        // The update downloader reports its progress with the same message.
        break;
    }
}

void KeyboardDlg::ShowTrayMenu()
{
    if (m_trayMenu)
        PopupWindows::Instance().Remove(m_trayMenu.get());
    m_trayMenu = std::make_unique<MenuWnd>(this);
    CPoint cursor;
    GetCursorPos(cursor);
    if (!m_trayMenu->Create(GetSafeHwnd(), cursor, WM_COMMAND, L"bk_menu.png", 30, kTrayMenuWidth, BACK_MODE_FRAME))
        return;
    m_trayMenu->AddMenu(DialogText(kTextTrayCloseBehaviour), kCommandCloseBehaviour);
    m_trayMenu->AddMenu(DialogText(kTextTrayQuit), kCommandQuit);
    PopupWindows::Instance().Add(m_trayMenu.get());
}

void KeyboardDlg::OnTrayCommand(unsigned command)
{
    if (command == kCommandQuit)
        QuitProgram();
    else if (command == kCommandCloseBehaviour)
        ChooseCloseBehaviour();
}

void KeyboardDlg::ChooseCloseBehaviour()
{
    ClosePopupWindows();
    CloseWindowTipDlg tip(m_services.settings);
    if (tip.CreateTip(this))
        m_services.modalRunner(tip);
    m_frame.SetCloseTooltip(ExitMode());
}

void KeyboardDlg::OnCloseButton()
{
    int mode = ExitMode();
    if (mode == 0) {
        ClosePopupWindows();
        CloseWindowTipDlg tip(m_services.settings);
        if (tip.CreateTip(this))
            m_services.modalRunner(tip);
        mode = ExitMode();
        m_frame.SetCloseTooltip(mode);
    }
    if (mode == kExitModeTray)
        HideToTray();
    else
        QuitProgram();
}

void KeyboardDlg::HideToTray()
{
    // Without a tray host nothing would show the hidden window again but a
    // second start: minimise it instead.
    if (m_services.tray && m_trayAdded && m_services.tray->IsShown())
        ShowWindow(SW_HIDE);
    else
        ShowWindow(SW_MINIMIZE);
}

void KeyboardDlg::RaiseWindow()
{
    ShowWindow(SW_SHOWNORMAL);
    BringToTop();
    Invalidate();
}

void KeyboardDlg::QuitProgram()
{
    RemoveTrayIcon();
    m_services.exitProcess(0);
}

}
