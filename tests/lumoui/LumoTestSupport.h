#pragma once

// Shared fixtures of the toolkit tests: a dialog that records its
// notifications, a control that records the input it receives, and a
// headless window with a driver.

#include <lumoui/LumoUI.h>
#include <lumoui/TestDriver.h>

#include <memory>
#include <string>
#include <vector>

namespace LumoTest {

using namespace LumoUI;

struct Notification {
    unsigned id;
    unsigned code;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(Notification const&) const = default;
};

class RecordingDialog : public MDialog {
public:
    LRESULT OnMessage(unsigned id, unsigned code, WPARAM wParam, LPARAM lParam) override
    {
        notifications.push_back({ id, code, wParam, lParam });
        return 1;
    }
    std::vector<Notification> notifications;
};

// Records every routed event as text: "move 10,20", "down 5,5", ...
class RecordingControl : public MControl {
public:
    explicit RecordingControl(std::vector<std::string>* log = nullptr, std::string name = {})
        : m_log(log)
        , m_name(std::move(name))
    {
    }
    int OnControlMouseMove(unsigned, CPoint pt) override { return Record("move", pt, 1); }
    int OnControlLButtonDown(unsigned, CPoint pt) override { return Record("down", pt, 1); }
    int OnControlLButtonUp(unsigned, CPoint pt) override { return Record("up", pt, 1); }
    int OnControlRButtonDown(unsigned, CPoint pt) override { return Record("rdown", pt, 1); }
    int OnControlRButtonUp(unsigned, CPoint pt) override { return Record("rup", pt, 1); }
    int OnControlScroll(int, unsigned direction, CPoint) override
    {
        Add(direction == 1 ? "scroll down" : "scroll up");
        return 1;
    }
    int OnControlTimer() override
    {
        ++ticks;
        return 1;
    }
    void DrawControl(MGraphics& g, CRect) override
    {
        ++draws;
        if (fill >> 24)
            g.FillRect(m_rect, fill);
    }
    void Add(std::string text)
    {
        if (m_log)
            m_log->push_back(m_name.empty() ? text : m_name + " " + text);
    }
    int Record(char const* what, CPoint pt, int result)
    {
        Add(std::string(what) + " " + std::to_string(pt.x) + "," + std::to_string(pt.y));
        return result;
    }
    // Lets a test control hit-testing and ticks.
    using MControl::m_mouse_response;

    std::atomic<int> ticks { 0 };
    int draws { 0 };
    ARGB fill { 0 };

private:
    std::vector<std::string>* m_log;
    std::string m_name;
};

template<typename T = MControl, typename... Args>
T* AddTopLevel(MDialog& dialog, unsigned id, CRect rc, Args&&... args)
{
    auto control = std::make_unique<T>(std::forward<Args>(args)...);
    control->SetControlID(id);
    control->SetControlRect(rc);
    return static_cast<T*>(dialog.GetPaintManager().AddControl(1, &dialog, std::move(control)));
}

template<typename T = MControl, typename... Args>
T* AddChild(MControl& parent, unsigned id, CRect rc, Args&&... args)
{
    auto control = std::make_unique<T>(std::forward<Args>(args)...);
    control->SetControlID(id);
    control->SetControlRect(rc);
    return static_cast<T*>(parent.AddChildControl(std::move(control)));
}

// A shown 400 × 300 dialog at (100, 100) on the in-memory backend.
template<typename Dialog = RecordingDialog>
struct Window {
    TestDriver driver;
    std::unique_ptr<Dialog> dialog = std::make_unique<Dialog>();
    HWND hwnd { nullptr };

    explicit Window(CRect rc = CRect(100, 100, 500, 400))
    {
        hwnd = dialog->Create(nullptr, L"test", WS_POPUP, 0, rc);
        dialog->ShowWindow(SW_SHOW);
        driver.RunUntilIdle();
    }
};

}
