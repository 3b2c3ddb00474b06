#include "config/DescriptionFile.h"
#include "config/LanguageFile.h"
#include "config/LanguageIni.h"
#include "config/LanguageTextNumbers.h"
#include "config/LayoutFile.h"

#include <test_support/Paths.h>
#include <test_support/TempDir.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>

using namespace Tessera;
namespace fs = std::filesystem;

namespace {

fs::path DataFolder()
{
    return TestSupport::source_dir() / "data";
}

std::vector<DeviceModel> ShippedModels()
{
    return ReadDescriptionFile(DescriptionFilePath(DataFolder().wstring()), nullptr, nullptr).models;
}

// Numbers passed as literals to GetLangText anywhere in the program's sources,
// so texts that later code asks for are checked too.
std::set<int> NumbersAskedInSources()
{
    std::set<int> numbers;
    std::wregex call(LR"(GetLangText\s*\([^,()]*,\s*(\d+)\s*\))");
    for (char const* folder : { "app", "config", "device", "keys", "lighting", "platform", "profiles", "store", "update" }) {
        fs::path root = TestSupport::source_dir() / folder;
        if (!fs::exists(root))
            continue;
        for (auto const& entry : fs::recursive_directory_iterator(root)) {
            auto extension = entry.path().extension();
            if (extension != ".cpp" && extension != ".h")
                continue;
            std::string bytes = TestSupport::read_file(entry.path());
            std::wstring text(bytes.begin(), bytes.end());
            for (std::wsregex_iterator it(text.begin(), text.end(), call), end; it != end; ++it)
                numbers.insert(std::stoi((*it)[1].str()));
        }
    }
    return numbers;
}

std::set<int> AllTextNumbers()
{
    std::set<int> numbers(ProgramTextNumbers().begin(), ProgramTextNumbers().end());
    for (int number : NumbersAskedInSources())
        numbers.insert(number);
    for (DeviceModel const& model : ShippedModels()) {
        auto layout = ReadLayoutFile(LayoutFilePath(DataFolder().wstring(), model.deviceInfo));
        if (!layout)
            continue;
        for (auto const& mode : layout->lightModes)
            numbers.insert(ParseDecimal(mode.name));
    }
    return numbers;
}

}

TEST(ShippedLanguageFiles, EveryTextTheProgramShowsExistsInEnglishAndChinese)
{
    std::set<int> numbers = AllTextNumbers();
    ASSERT_GT(numbers.size(), 150u);
    for (int language : { kLanguageEnglish, kLanguageChineseSimplified }) {
        std::string bytes = TestSupport::read_file(LanguageFilePath(DataFolder().wstring(), language));
        ASSERT_FALSE(bytes.empty()) << language;
        LanguageIni ini = LanguageIni::Parse(bytes);
        for (int number : numbers) {
            auto text = ini.Find(kDialogSection, std::to_wstring(number));
            EXPECT_TRUE(text && !text->empty()) << "text " << number << " missing in " << language << ".lan";
            if (text) {
                EXPECT_LE(text->size(), kMaxLanguageTextLength) << number;
            }
        }
    }
}

TEST(ShippedLanguageFiles, ChineseFileReallyHoldsChinese)
{
    LanguageIni ini = LanguageIni::Parse(TestSupport::read_file(LanguageFilePath(DataFolder().wstring(), 2052)));
    EXPECT_EQ(ini.Find(kDialogSection, L"65"), L"\u914d\u7f6e");
    LanguageIni english = LanguageIni::Parse(TestSupport::read_file(LanguageFilePath(DataFolder().wstring(), 1033)));
    EXPECT_EQ(english.Find(kDialogSection, L"65"), L"Profile");
}

TEST(ShippedLayouts, EveryModelOfTheDescriptionFileHasALayout)
{
    auto models = ShippedModels();
    ASSERT_EQ(models.size(), 3u);
    for (DeviceModel const& model : models) {
        auto layout = ReadLayoutFile(LayoutFilePath(DataFolder().wstring(), model.deviceInfo));
        ASSERT_TRUE(layout) << model.deviceType;
        EXPECT_TRUE(layout->hasMenu && layout->hasLight && layout->hasKeyboard && layout->hasFirmware);
        EXPECT_FALSE(layout->lightModes.empty());
        std::set<int> codes, lights, indexes;
        std::set<std::pair<int, int>> cells;
        for (LayoutKey const& key : layout->keys) {
            EXPECT_TRUE(codes.insert(key.code).second) << "repeated code " << key.code;
            EXPECT_TRUE(lights.insert(key.lightIndex).second) << key.code;
            EXPECT_TRUE(indexes.insert(key.keyIndex).second) << key.code;
            EXPECT_LT(key.keyIndex, 180) << key.code; // the key table holds 180 entries
            ASSERT_TRUE(key.cell) << "key without matrix cell " << key.code;
            EXPECT_LT(key.cell->row, layout->rowCount);
            EXPECT_LT(key.cell->column, layout->columnCount);
            EXPECT_TRUE(cells.insert({ key.cell->row, key.cell->column }).second) << key.code;
            EXPECT_GE(key.rect.left, 0);
            EXPECT_GE(key.rect.top, 0);
            EXPECT_LE(key.rect.right, layout->pictureWidth);
            EXPECT_LE(key.rect.bottom, layout->pictureHeight);
        }
        EXPECT_TRUE(codes.count(0xAF)) << "every model has an Fn key";
        EXPECT_EQ(*lights.rbegin(), static_cast<int>(layout->keys.size()) - 1);
    }
}

TEST(ShippedLayouts, KeyTilesDoNotOverlap)
{
    for (DeviceModel const& model : ShippedModels()) {
        auto layout = ReadLayoutFile(LayoutFilePath(DataFolder().wstring(), model.deviceInfo));
        ASSERT_TRUE(layout);
        auto const& keys = layout->keys;
        for (size_t i = 0; i < keys.size(); ++i) {
            for (size_t j = i + 1; j < keys.size(); ++j) {
                KeyRect a = keys[i].rect, b = keys[j].rect;
                bool overlap = a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
                EXPECT_FALSE(overlap) << keys[i].code << " and " << keys[j].code;
            }
        }
    }
}

TEST(ShippedLayouts, FullSizeModelHas108LightsAndEveryLightModeKind)
{
    auto layout = ReadLayoutFile(LayoutFilePath(DataFolder().wstring(), L"tk301"));
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->pageFlags, 0x47);
    EXPECT_TRUE(layout->rgbKeyboard);
    ASSERT_EQ(layout->keys.size(), 108u);
    std::set<int> lights;
    for (auto const& key : layout->keys)
        lights.insert(key.lightIndex);
    EXPECT_EQ(*lights.begin(), 0);
    EXPECT_EQ(*lights.rbegin(), 107);
    int covered = 0;
    bool perKey24 = false, music = false, screen = false, defaultListed = false;
    for (auto const& mode : layout->lightModes) {
        covered |= mode.attribute;
        perKey24 |= mode.mode == 24 && (mode.attribute & 0x100);
        music |= (mode.attribute & 0x200) != 0;
        screen |= (mode.attribute & 0x400) != 0;
        defaultListed |= mode.mode == layout->defaultMode;
    }
    EXPECT_EQ(covered, 0x7FF);
    EXPECT_TRUE(perKey24 && music && screen && defaultListed);
    EXPECT_GE(layout->defaultBrightness, 1);
    EXPECT_LE(layout->defaultBrightness, layout->brightnessMax);
}
