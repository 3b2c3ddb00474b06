// Writing the per-key colour set of a full-size keyboard: one transaction for
// the whole set against one commit per key. Compare the two in one run.
#include "store/DeviceDatabase.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

using namespace Tessera;

namespace {

std::vector<KeyLightData> FullKeyboard()
{
    std::vector<KeyLightData> keys;
    for (int i = 0; i < 108; ++i)
        keys.push_back({ 0, 1, 128, 4 + i, 0x00FF00 });
    return keys;
}

// A database in a folder of its own, removed again afterwards.
class ScratchDatabase {
public:
    ScratchDatabase()
        : m_folder(std::filesystem::temp_directory_path() / ("tessera-bench-" + std::to_string(getpid())))
    {
        std::filesystem::remove_all(m_folder);
        db.OpenDatabase(m_folder.wstring(), L"Bench");
    }
    ~ScratchDatabase()
    {
        db.CloseDatabase();
        std::filesystem::remove_all(m_folder);
    }
    DeviceDatabase db;

private:
    std::filesystem::path m_folder;
};

void ColourSetInOneTransaction(benchmark::State& state)
{
    ScratchDatabase scratch;
    DeviceDatabase& db = scratch.db;
    auto keys = FullKeyboard();
    for (auto _ : state) {
        db.DeleteKeyLightData();
        db.SaveKeyLightData(keys);
    }
}

void ColourSetOneCommitPerKey(benchmark::State& state)
{
    ScratchDatabase scratch;
    DeviceDatabase& db = scratch.db;
    auto keys = FullKeyboard();
    for (auto _ : state) {
        db.DeleteKeyLightData();
        for (auto const& key : keys)
            db.SaveKeyLightData({ key });
    }
}

}

BENCHMARK(ColourSetInOneTransaction)->Unit(benchmark::kMillisecond);
BENCHMARK(ColourSetOneCommitPerKey)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
