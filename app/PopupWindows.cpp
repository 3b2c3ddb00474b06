#include "app/PopupWindows.h"

#include <algorithm>

namespace Tessera {

namespace {

constexpr int kHide = -1;
constexpr int kLeave = -2;

}

PopupWindows& PopupWindows::Instance()
{
    static PopupWindows s_instance;
    return s_instance;
}

void PopupWindows::Add(LumoUI::MWindow* window)
{
    std::lock_guard lock(m_mutex);
    m_windows.push_back(window);
}

void PopupWindows::Remove(LumoUI::MWindow* window)
{
    std::lock_guard lock(m_mutex);
    std::erase(m_windows, window);
}

int PopupWindows::CloseParameterFor(std::wstring const& title)
{
    if (title == L"MessageBox")
        return LumoUI::IDCANCEL;
    if (title == L"CloseWindowTipDlg" || title == L"CustomKeyDlg" || title == L"WaitDlg" || title == L"Menu Window")
        return 0;
    if (title == L"KeyboardTip Window" || title == L"ComboWnd")
        return kHide;
    return kLeave;
}

int PopupWindows::CloseAll()
{
    std::vector<LumoUI::MWindow*> windows;
    {
        std::lock_guard lock(m_mutex);
        windows = m_windows;
    }
    int count = 0;
    for (LumoUI::MWindow* window : windows) {
        LumoUI::CString title;
        window->GetWindowTextW(title);
        int parameter = CloseParameterFor(title);
        if (parameter == kLeave || !window->GetSafeHwnd())
            continue;
        if (parameter == kHide)
            window->ShowWindow(LumoUI::SW_HIDE);
        else
            window->PostMessageW(LumoUI::WM_CLOSE, static_cast<LumoUI::WPARAM>(parameter), 0);
        ++count;
    }
    return count;
}

}
