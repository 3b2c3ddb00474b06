#pragma once

#include <lumoui/LumoUI.h>
#include <lumoui/TestDriver.h>

#include <vector>

namespace KeyboardTests {

// One notification as the dialog received it.
struct Notice {
    unsigned id;
    unsigned code;
    LumoUI::WPARAM wParam;
    LumoUI::LPARAM lParam;
    int Index() const { return static_cast<int>(static_cast<intptr_t>(wParam)); }
    bool operator==(Notice const&) const = default;
};

// A headless dialog that records every notification it receives.
class ControlWindow : public LumoUI::MDialog {
public:
    LumoUI::LRESULT OnMessage(unsigned id, unsigned code, LumoUI::WPARAM wParam, LumoUI::LPARAM lParam) override;

    std::vector<Notice> notices;
    // Notices with this code.
    std::vector<Notice> With(unsigned code) const;
};

// A panel at the top level of `window` (the lists exist only inside panels).
LumoUI::MPanel* AddHostPanel(ControlWindow& window, LumoUI::CRect rect);

// The test driver, a 1000 × 640 window and a host panel over its whole
// client area. The driver comes first: it selects the in-memory backend.
class WindowFixture {
public:
    WindowFixture();
    ~WindowFixture();

    LumoUI::HWND Hwnd() const { return window.GetSafeHwnd(); }
    void Click(LumoUI::CPoint pt, bool right = false);
    void Pump() { driver.RunUntilIdle(); }

    LumoUI::TestDriver driver;
    ControlWindow window;
    LumoUI::MPanel* host { nullptr };
};

// A w × h image of one colour.
LumoUI::MImage SolidImage(int width, int height, LumoUI::ARGB color);

}
