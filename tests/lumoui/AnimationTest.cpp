#include "LumoTestSupport.h"

#include <gtest/gtest.h>

#include <thread>

using namespace LumoTest;

namespace {

// Steps a frame counter on every tick and asks for a repaint, as animated
// controls do.
class Spinner : public RecordingControl {
public:
    int OnControlTimer() override
    {
        ++ticks;
        UpdateControl(1, 0);
        return 1;
    }
    void DrawControl(MGraphics& g, CRect) override
    {
        ++draws;
        g.FillRect(m_rect, ticks % 2 ? 0xFFFF0000 : 0xFF0000FF);
    }
};

}

TEST(AnimationTimer, HiddenParentStopsTheTicks)
{
    Window w;
    auto* panel = AddTopLevel<MPanel>(*w.dialog, 1, CRect(0, 0, 100, 100));
    auto* spinner = AddChild<Spinner>(*panel, 2, CRect(10, 10, 30, 30));
    spinner->SetRunTimer(1);
    spinner->AddMTimer();

    auto& pm = w.dialog->GetPaintManager();
    pm.RunAnimationTick();
    EXPECT_EQ(spinner->ticks, 1);
    panel->SetVisible(0);
    pm.RunAnimationTick();
    EXPECT_EQ(spinner->ticks, 1);
    panel->SetVisible(1);
    spinner->SetRunTimer(0);
    pm.RunAnimationTick();
    EXPECT_EQ(spinner->ticks, 1);
}

TEST(AnimationTimer, TicksFromItsThreadRepaintOnTheWindowThread)
{
    Window w;
    auto* spinner = AddTopLevel<Spinner>(*w.dialog, 1, CRect(10, 10, 40, 40));
    spinner->SetRunTimer(1);
    spinner->AddMTimer();
    w.dialog->SetMTimer(10);
    auto const windowThread = std::this_thread::get_id();
    w.driver.RunFor(200);
    w.dialog->KillMTimer(w.dialog->GetPaintManager().GetMTimerID());
    EXPECT_GT(spinner->ticks, 3);
    EXPECT_GT(spinner->draws, 3);
    // At most one paint per frame interval, however often the timer fires.
    EXPECT_LE(w.dialog->GetPaintManager().GetPaintCount(), 200u / 15u + 3u);
    EXPECT_EQ(std::this_thread::get_id(), windowThread);
}

TEST(AnimationTimer, DestroyingTheWindowStopsTheTimerBeforeTheControlsGo)
{
    TestDriver driver;
    auto dialog = std::make_unique<RecordingDialog>();
    dialog->Create(nullptr, L"anim", WS_POPUP, 0, CRect(0, 0, 100, 100));
    auto* spinner = AddTopLevel<Spinner>(*dialog, 1, CRect(0, 0, 10, 10));
    spinner->SetRunTimer(1);
    spinner->AddMTimer();
    dialog->SetMTimer(1);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    dialog->DestroyWindow();
    EXPECT_EQ(dialog->GetPaintManager().GetTimerCount(), 0u);
    dialog.reset();
    driver.RunUntilIdle();
}

TEST(RKTimerThread, KillFromTheCallbackIsSafe)
{
    struct SelfKilling : RKTimer {
        std::atomic<int> calls { 0 };
        ~SelfKilling() override { KillTimer(); }
        void OnMTimer(unsigned id) override
        {
            ++calls;
            KillTimer(id);
        }
    } timer;
    unsigned id = timer.SetTimer(1, L"once", 0);
    ASSERT_NE(id, 0u);
    for (int i = 0; i < 200 && timer.GetTimerIsRun(id); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_FALSE(timer.GetTimerIsRun(id));
    EXPECT_EQ(timer.calls, 1);
}

TEST(WindowTimers, ControlTimerTicksUntilKilled)
{
    Window w;
    auto* c = AddTopLevel<RecordingControl>(*w.dialog, 1, CRect(0, 0, 10, 10));
    auto& pm = w.dialog->GetPaintManager();
    EXPECT_EQ(pm.SetTimer(c, 1, 5), 1);
    EXPECT_EQ(pm.SetTimer(c, 1, 5), 0); // already running
    w.driver.RunFor(40);
    EXPECT_GT(c->ticks, 2);
    EXPECT_EQ(pm.KillTimer(c, 1), 1);
    int ticks = c->ticks;
    w.driver.RunFor(30);
    EXPECT_EQ(c->ticks, ticks);
    EXPECT_EQ(pm.SetTimer(c, 1, 5), 1); // a killed timer restarts
}
