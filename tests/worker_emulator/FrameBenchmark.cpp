// Live lighting frames: building the colour table of one frame from the
// keyboard picture's colours, and sending frames (six reports each) to the
// emulated keyboard through the real transport. items_per_second of the
// streaming benchmark is the frame rate the link sustains.
#include "EmulatorProcess.h"
#include "RecordingDoubles.h"
#include "app/worker/LightWriter.h"
#include "config/DescriptionFile.h"
#include "device/DeviceDiscovery.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

using namespace Tessera;
using DeviceEmulatorTest::EmulatorProcess;

namespace {

constexpr int kKeys = 108;

// A full-size keyboard picture whose colours change on every frame.
class ChangingPicture final : public KeyColorSource {
public:
    std::size_t CopyKeyColors(std::span<KeyColor> out) override
    {
        ++m_tick;
        std::size_t count = 0;
        for (int key = 0; key < kKeys && count < out.size(); ++key)
            out[count++] = { 0x04 + key, static_cast<std::uint32_t>((key * 2654435761u + m_tick) & 0xFFFFFF) };
        return count;
    }

private:
    std::uint32_t m_tick { 0 };
};

std::map<int, int> FullSizeLightIndex()
{
    std::map<int, int> map;
    for (int key = 0; key < kKeys; ++key)
        map[0x04 + key] = key;
    return map;
}

void BM_BuildLiveFrame(benchmark::State& state)
{
    ChangingPicture picture;
    auto const lightIndex = FullSizeLightIndex();
    LiveFrameBuilder builder;
    for (auto _ : state)
        benchmark::DoNotOptimize(builder.Build(picture, lightIndex).Bytes().data());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BuildLiveFrame);

struct NoTasks final : DeviceTaskQueue {
    void QueueTask(int) override { }
};

void BM_StreamFramesToEmulator(benchmark::State& state)
{
    auto const folder = std::filesystem::temp_directory_path() / ("tessera-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    auto const socket = (folder / "emulator.sock").string();
    setenv("TESSERA_HIDAPI", EmulatorProcess::HidLibrary().c_str(), 1);
    setenv("TESSERA_EMULATOR_SOCKET", socket.c_str(), 1);
    {
        EmulatorProcess emulator(socket, { "--model", "301", "--cable" });
        std::string error;
        HidDeviceManager manager(LoadHidBackend(&error), SystemDeviceClock());
        DeviceTest::RecordingScreen screen;
        NoTasks tasks;
        DeviceDiscovery discovery(manager, screen, tasks);
        discovery.RegisterConnectionModes(ReadDescriptionFile((std::filesystem::path(TESSERA_SOURCE_DIR_DEFAULT) / "data" / "config.xml").wstring(), nullptr, nullptr).connections);
        discovery.RunDiscovery();
        if (!emulator.IsReady() || !discovery.LinkState().keyboardLinked) {
            state.SkipWithError("the emulated keyboard is not reachable");
        } else {
            DeviceDatabase database; // not opened: live frames read nothing stored
            LightFlags flags;
            LightWriter writer(database, manager, SystemDeviceClock(), flags);
            ChangingPicture picture;
            auto const lightIndex = FullSizeLightIndex();
            for (auto _ : state) {
                if (!writer.StreamLiveFrame(picture, lightIndex)) {
                    state.SkipWithError("a frame failed");
                    break;
                }
            }
            state.SetItemsProcessed(state.iterations());
        }
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_StreamFramesToEmulator)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

}
