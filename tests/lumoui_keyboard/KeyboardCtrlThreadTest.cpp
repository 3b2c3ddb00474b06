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

}
