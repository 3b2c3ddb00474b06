// The program may set key colours and lighting frames from its worker while
// the window thread paints the picture and runs the animation tick; the key
// list and the frames are shared under the picture's lock (run under TSan).
#include "KeyboardFixture.h"

#include <atomic>
#include <thread>

using namespace LumoUI;
using namespace KeyboardTests;

namespace {

class KeyboardThreadTest : public KeyboardFixture { };

TEST_F(KeyboardThreadTest, WorkerUpdatesWhileTheWindowPaintsAndTicks)
{
    keyboard->SetKeyboardCtrlMode(KBMODE_LIGHT);
    std::atomic<bool> stop { false };
    std::atomic<int> rounds { 0 };
    std::thread worker([&] {
        std::vector<uint8_t> frames(3 * 8);
        for (uint32_t i = 0; !stop; ++i) {
            keyboard->SetKeyColor(4 + i % 3, i & 0xFFFFFF);
            (void)keyboard->GetKeyColor(5);
            frames[i % frames.size()] = static_cast<uint8_t>(i);
            keyboard->SetLightModeData(frames.data(), static_cast<int>(frames.size()));
            keyboard->SetLightSpeed(static_cast<int>(i % 5));
            ++rounds;
        }
    });
    for (int i = 0; i < 200 || rounds < 50; ++i) {
        keyboard->OnControlTimer();
        (void)window.GetPaintManager().PaintToImage();
        (void)keyboard->GetLightFrameIndex();
    }
    stop = true;
    worker.join();
    EXPECT_EQ(keyboard->GetLightFrameCount(), 8);
}

TEST_F(KeyboardThreadTest, AnimationTimerStepsTheLightingFrames)
{
    keyboard->SetKeyboardCtrlMode(KBMODE_LIGHT);
    std::vector<uint8_t> frames(3 * 1000);
    keyboard->SetLightModeData(frames.data(), static_cast<int>(frames.size()));
    keyboard->SetLightSpeed(7);
    keyboard->SetRunTimer(1);
    window.SetMTimer(10);
    uint64_t const paints = window.GetPaintManager().GetPaintCount();
    driver.RunFor(300);
    window.GetPaintManager().KillMTimer();
    EXPECT_GT(keyboard->GetLightFrameIndex(), 0);
    EXPECT_GT(window.GetPaintManager().GetPaintCount(), paints) << "each frame step asks for a repaint";
}

TEST_F(KeyboardThreadTest, HiddenPictureIsNotTicked)
{
    keyboard->SetKeyboardCtrlMode(KBMODE_LIGHT);
    std::vector<uint8_t> frames(3 * 10);
    keyboard->SetLightModeData(frames.data(), static_cast<int>(frames.size()));
    keyboard->SetRunTimer(1);
    keyboard->SetVisible(0);
    window.SetMTimer(10);
    driver.RunFor(100);
    window.GetPaintManager().KillMTimer();
    EXPECT_EQ(keyboard->GetLightFrameIndex(), 0);
}

}
