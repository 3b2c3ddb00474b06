// Cost of redrawing the keyboard picture's face with a full-size keyboard of
// 104 keys in each display mode. The lighting preview redraws on every frame
// step of the 10 ms animation tick, so it is compared with the other modes.
#include "ControlWindow.h"

#include <lumoui/KeyboardCtrl.h>

#include <benchmark/benchmark.h>

using namespace LumoUI;

namespace {

constexpr int kKeys = 104;
constexpr int kFrames = 10;

std::unique_ptr<KeyboardCtrl> MakeKeyboard(int mode)
{
    auto keyboard = std::make_unique<KeyboardCtrl>();
    keyboard->SetControlRect(CRect(0, 0, 1000, 320));
    keyboard->SetKeyboardImage(KeyboardTests::SolidImage(960, 300, 0xFF202830));
    keyboard->SetWidthAndHeight(960, 300);
    for (int i = 0; i < kKeys; ++i) {
        int const row = i / 18;
        int const column = i % 18;
        std::wstring const name = L"K" + std::to_wstring(i);
        keyboard->AddKeyItem(name.c_str(), name.c_str(), static_cast<uint32_t>(i + 1),
            CRect(10 + column * 52, 10 + row * 48, 58 + column * 52, 54 + row * 48));
    }
    std::vector<uint8_t> frames(static_cast<size_t>(kKeys) * kFrames);
    for (size_t i = 0; i < frames.size(); ++i)
        frames[i] = static_cast<uint8_t>(i * 7);
    keyboard->SetLightModeData(frames.data(), static_cast<int>(frames.size()));
    keyboard->SetLightSpeed(7);
    keyboard->SetKeyboardCtrlMode(mode);
    return keyboard;
}

void PaintMode(benchmark::State& state)
{
    std::unique_ptr<KeyboardCtrl> keyboard = MakeKeyboard(static_cast<int>(state.range(0)));
    MImage target = MImage::Create(1000, 320);
    for (auto _ : state) {
        keyboard->OnControlTimer(); // steps the lighting frame in mode 102
        keyboard->SetUpdate(0, 0);
        MGraphics g(target);
        keyboard->DrawControl(g, CRect(0, 0, 1000, 320));
        benchmark::DoNotOptimize(target.GetPixel(20, 20));
    }
}

void CachedFace(benchmark::State& state)
{
    std::unique_ptr<KeyboardCtrl> keyboard = MakeKeyboard(KBMODE_LIGHT);
    keyboard->SetLightModeData(nullptr, 0); // no frames: the face stays cached
    MImage target = MImage::Create(1000, 320);
    for (auto _ : state) {
        MGraphics g(target);
        keyboard->DrawControl(g, CRect(0, 0, 1000, 320));
        benchmark::DoNotOptimize(target.GetPixel(20, 20));
    }
}

}

BENCHMARK(PaintMode)->ArgName("mode")->Arg(KBMODE_LIGHT)->Arg(KBMODE_NONE)->Arg(KBMODE_CUSTOM)->Arg(KBMODE_USERLIGHT)->Unit(benchmark::kMicrosecond);
BENCHMARK(CachedFace)->Unit(benchmark::kMicrosecond);
