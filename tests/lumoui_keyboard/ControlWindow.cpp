#include "ControlWindow.h"

#include <algorithm>

using namespace LumoUI;

namespace KeyboardTests {

LRESULT ControlWindow::OnMessage(unsigned id, unsigned code, WPARAM wParam, LPARAM lParam)
{
    notices.push_back({ id, code, wParam, lParam });
    return 0;
}

std::vector<Notice> ControlWindow::With(unsigned code) const
{
    std::vector<Notice> result;
    std::copy_if(notices.begin(), notices.end(), std::back_inserter(result), [code](Notice const& n) { return n.code == code; });
    return result;
}

MPanel* AddHostPanel(ControlWindow& window, CRect rect)
{
    auto panel = std::make_unique<MPanel>();
    panel->SetControlID(900);
    panel->SetControlRect(rect);
    return static_cast<MPanel*>(window.GetPaintManager().AddControl(1, &window, std::move(panel)));
}

WindowFixture::WindowFixture()
{
    window.Create(nullptr, L"keyboard test", WS_POPUP | WS_VISIBLE, 0, CRect(0, 0, 1000, 640));
    host = AddHostPanel(window, CRect(0, 0, 1000, 640));
    driver.RunUntilIdle();
}

WindowFixture::~WindowFixture()
{
    window.DestroyWindow();
    driver.RunUntilIdle();
}

void WindowFixture::Click(CPoint pt, bool right)
{
    driver.MouseMove(Hwnd(), pt);
    driver.MouseDown(Hwnd(), pt, right);
    driver.MouseUp(Hwnd(), pt, right);
    driver.RunUntilIdle();
}

MImage SolidImage(int width, int height, ARGB color)
{
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height, color);
    return MImage::FromARGB(width, height, pixels);
}

}
