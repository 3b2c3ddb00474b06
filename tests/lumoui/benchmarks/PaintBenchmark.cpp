// Painting a dialog with many controls: a full repaint against a repaint of
// one control's dirty region with cached faces.

#include <lumoui/LumoUI.h>
#include <lumoui/TestDriver.h>

#include <benchmark/benchmark.h>

using namespace LumoUI;

namespace {

class Tile : public MControlFont {
public:
    void DrawControl(MGraphics& g, CRect) override
    {
        DrawCached(g, [this](MGraphics& face) {
            face.FillRoundRect(m_rect, 4, 4, 0xFF204060);
            face.DrawRoundRect(m_rect, 4, 4, 0xFF10A8FD, 1);
            DrawTitle(face, m_rect);
        });
    }
};

struct Scene {
    TestDriver driver;
    MDialog dialog;
    std::vector<Tile*> tiles;

    Scene()
    {
        dialog.Create(nullptr, L"bench", WS_POPUP, 0, CRect(0, 0, 1280, 720));
        for (int i = 0; i < 300; ++i) {
            auto tile = std::make_unique<Tile>();
            tile->SetControlID(static_cast<unsigned>(i + 1));
            int x = (i % 20) * 62 + 10, y = (i / 20) * 46 + 10;
            tile->SetControlRect(CRect(x, y, x + 58, y + 40));
            tile->SetTitle(std::to_wstring(i));
            tiles.push_back(static_cast<Tile*>(dialog.GetPaintManager().AddControl(1, &dialog, std::move(tile))));
        }
    }
};

void BM_FullRepaint(benchmark::State& state)
{
    Scene scene;
    for (auto _ : state) {
        MImage image = scene.dialog.GetPaintManager().PaintToImage();
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMillisecond);

void BM_OneControlDirty(benchmark::State& state)
{
    Scene scene;
    scene.dialog.ShowWindow(SW_SHOW);
    PaintManager& pm = scene.dialog.GetPaintManager();
    CRect all(0, 0, 1280, 720);
    InvalidateRect(scene.dialog.GetSafeHwnd(), &all, false);
    pm.OnPaint();
    for (auto _ : state) {
        scene.tiles[150]->UpdateControl(1, 0);
        pm.OnPaint();
    }
}
BENCHMARK(BM_OneControlDirty)->Unit(benchmark::kMillisecond);

}
