#include "app/WaitDlg.h"

#include <lumoui/MPicture.h>

namespace Tessera {

using namespace LumoUI;

namespace {

constexpr unsigned kPopupStyle = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr unsigned kAnimationPeriodMs = 10;

}

bool WaitDlg::CreateWait(MWindow* parent)
{
    if (!Create(parent ? parent->GetSafeHwnd() : nullptr, L"WaitDlg", kPopupStyle, WS_EX_TOOLWINDOW, CRect(0, 0, kSize, kSize)))
        return false;
    CenterWindow(parent && parent->IsWindowVisible() ? parent : nullptr);
    return true;
}

void WaitDlg::InitUI(CRect)
{
    m_paint_manager.SetBackColor(RGB(51, 51, 51), RGB(51, 51, 51));
    SetLayeredWindow(1);
    EnableWndDrag(1);
    auto* animation = dynamic_cast<CGifPicture*>(CreateControl(L"CGifPicture", kIdAnimation, CRect(1, 1, 101, 101)));
    if (animation && animation->SetImage(L"loading.gif", 60))
        animation->SetRunState(1, 0);
}

int WaitDlg::OnInitDialog()
{
    MDialog::OnInitDialog();
    ModifyExStyle(0, WS_EX_TOPMOST);
    SetMTimer(kAnimationPeriodMs);
    return 1;
}

void WaitDialogSlot::Expect()
{
    std::lock_guard lock(m_mutex);
    m_expected = true;
    m_closed = false;
}

bool WaitDialogSlot::Show(MWindow* parent, ModalRunner const& runner)
{
    WaitDlg dialog;
    {
        std::lock_guard lock(m_mutex);
        bool ended = m_expected && m_closed;
        m_expected = false;
        m_closed = false;
        if (ended || m_open)
            return false;
        if (!dialog.CreateWait(parent))
            return false;
        m_open = &dialog;
    }
    runner(dialog);
    std::lock_guard lock(m_mutex);
    m_open = nullptr;
    return true;
}

void WaitDialogSlot::Close()
{
    std::lock_guard lock(m_mutex);
    if (m_open)
        m_open->DoOK();
    else if (m_expected)
        m_closed = true;
}

bool WaitDialogSlot::IsOpen() const
{
    std::lock_guard lock(m_mutex);
    return m_open != nullptr;
}

}
