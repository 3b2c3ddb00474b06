#pragma once

#include "ControlWindow.h"

#include <lumoui/KeyboardCtrl.h>

#include <gtest/gtest.h>

namespace KeyboardTests {

// A keyboard picture at (20, 20)-(820, 320) inside the host panel, with a
// 780 × 280 picture (so the picture starts 10 pixels right of the control)
// and three keys:
//   A (value 4)  picture (10, 10)-(60, 60)   on screen (40, 30)-(90, 80)
//   B (value 5)  picture (70, 10)-(120, 60)  on screen (100, 30)-(150, 80)
//   C (value 6)  picture (10, 70)-(60, 120)  on screen (40, 90)-(90, 140)
class KeyboardFixture : public ::testing::Test, public WindowFixture {
protected:
    static constexpr unsigned kId = 67;
    static constexpr LumoUI::CPoint kOnA { 65, 55 };
    static constexpr LumoUI::CPoint kOnB { 125, 55 };
    static constexpr LumoUI::CPoint kEmpty { 400, 250 }; // inside, on no key
    static constexpr LumoUI::CPoint kOutside { 900, 500 };

    KeyboardFixture()
    {
        keyboard = static_cast<LumoUI::KeyboardCtrl*>(host->CreateControl(L"KeyboardCtrl", kId, LumoUI::CRect(20, 20, 820, 320), L"", 1, 1));
        keyboard->SetKeyboardImage(SolidImage(780, 280, 0xFF000000));
        keyboard->SetWidthAndHeight(780, 280);
        keyboard->AddKeyItem(L"A", L"Key A", 4, LumoUI::CRect(10, 10, 60, 60));
        keyboard->AddKeyItem(L"B", L"Key B", 5, LumoUI::CRect(70, 10, 120, 60));
        keyboard->AddKeyItem(L"C", L"Key C", 6, LumoUI::CRect(10, 70, 60, 120));
        Pump();
    }

    void Press(LumoUI::CPoint pt, bool right = false)
    {
        driver.MouseMove(Hwnd(), pt);
        driver.MouseDown(Hwnd(), pt, right);
        Pump();
    }
    void Release(LumoUI::CPoint pt, bool right = false)
    {
        driver.MouseUp(Hwnd(), pt, right);
        Pump();
    }
    void Drag(LumoUI::CPoint from, LumoUI::CPoint to)
    {
        Press(from);
        driver.MouseMove(Hwnd(), to);
        Pump();
    }

    LumoUI::KeyboardCtrl* keyboard { nullptr };
};

}
