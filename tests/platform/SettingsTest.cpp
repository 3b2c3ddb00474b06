#include "platform/IniSettingsStore.h"
#include "platform/MemorySettingsStore.h"
#include "platform/UiLanguage.h"

#include <test_support/ScopedEnv.h>
#include <test_support/TempDir.h>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Tessera;
using State = SettingsStore::State;
using TestSupport::ScopedEnv;
using TestSupport::TempDir;

TEST(SettingsFallbacks, LanguageReadFollowsTheStoreState)
{
    struct Case {
        char const* name;
        State state;
        bool creatable;
        wchar_t const* stored; // nullptr: no value
        int language;
        bool openAfterwards;
    };
    Case const cases[] = {
        { "stored value", State::Open, true, L"1031", 1031, true },
        { "value missing", State::Open, true, nullptr, 0, true },
        { "value not a number", State::Open, true, L"abc", 0, true },
        { "leading number", State::Open, true, L" 1033x", 1033, true },
        { "store missing, created", State::Missing, true, nullptr, 0, true },
        { "store missing, cannot be created", State::Missing, false, nullptr, 2052, false },
        { "store unreadable", State::Unreadable, true, L"1033", 2052, false },
    };
    for (auto const& c : cases) {
        MemorySettingsStore store(c.state, c.creatable);
        if (c.stored)
            store.Set(L"LCID", c.stored);
        EXPECT_EQ(GetLanguageId(store), c.language) << c.name;
        EXPECT_EQ(store.Probe() == State::Open, c.openAfterwards) << c.name;
    }
}

TEST(SettingsFallbacks, IntegerReadCreatesAMissingStoreAndGivesZero)
{
    MemorySettingsStore missing(State::Missing);
    EXPECT_EQ(GetRegInt(missing, L"exit_mode"), 0);
    EXPECT_EQ(missing.Probe(), State::Open);
    MemorySettingsStore open;
    open.Set(L"exit_mode", L"2");
    EXPECT_EQ(GetRegInt(open, L"exit_mode"), 2);
    EXPECT_EQ(GetRegInt(open, L"absent"), 0);
    MemorySettingsStore unreadable(State::Unreadable);
    EXPECT_EQ(GetRegInt(unreadable, L"exit_mode"), 0);
}

TEST(SettingsFallbacks, WritesNeedAnExistingStoreAndNeverCreateOne)
{
    MemorySettingsStore missing(State::Missing);
    SetRegString(missing, L"exit_mode", L"1");
    SetLanguageId(missing, 1033);
    EXPECT_EQ(missing.Probe(), State::Missing);
    EXPECT_EQ(missing.Creates(), 0);
    MemorySettingsStore open;
    SetRegString(open, L"exit_mode", L"1");
    SetLanguageId(open, 1031);
    std::map<std::wstring, std::wstring> expected { { L"LCID", L"1031" }, { L"exit_mode", L"1" } };
    EXPECT_EQ(open.Values(), expected);
}

TEST(SettingsFallbacks, FirstRunStoresChineseOrEnglishButUsesTheSystemLanguage)
{
    struct Case {
        int system;
        int stored;
    };
    for (auto c : { Case { 2052, 2052 }, Case { 1033, 1033 }, Case { 1031, 1033 }, Case { 1028, 1033 } }) {
        MemorySettingsStore store(State::Missing);
        EXPECT_EQ(SettleLanguage(store, c.system), c.system);
        EXPECT_EQ(GetCurrentLanguageId(), c.system);
        EXPECT_EQ(store.Values()[L"LCID"], std::to_wstring(c.stored)) << c.system;
    }
    MemorySettingsStore later;
    later.Set(L"LCID", L"1033");
    EXPECT_EQ(SettleLanguage(later, 2052), 1033);
    MemorySettingsStore unreadable(State::Unreadable);
    EXPECT_EQ(SettleLanguage(unreadable, 1031), 2052);
}

class IniStore : public testing::Test {
protected:
    std::wstring Path() const { return (m_dir / "cfg" / "Tessera" / "settings.ini").wstring(); }
    IniSettingsStore MakeStore() { return IniSettingsStore(Path(), [this](std::wstring const& m) { m_reports.push_back(m); }); }
    std::string FileText() const { return TestSupport::read_file(m_dir / "cfg" / "Tessera" / "settings.ini"); }

    TempDir m_dir;
    std::vector<std::wstring> m_reports;
};

TEST_F(IniStore, FirstReadCreatesFolderAndFileThenValuesPersist)
{
    auto store = MakeStore();
    EXPECT_EQ(store.Probe(), State::Missing);
    EXPECT_EQ(GetLanguageId(store), 0);
    EXPECT_EQ(FileText(), "[Settings]\n");
    SetLanguageId(store, 2052);
    SetRegString(store, L"exit_mode", L"1");
    SetLanguageId(store, 1033);
    EXPECT_EQ(FileText(), "[Settings]\nLCID=1033\nexit_mode=1\n");
    auto again = MakeStore();
    EXPECT_EQ(GetLanguageId(again), 1033);
    EXPECT_EQ(GetRegInt(again, L"exit_mode"), 1);
    // Only the settings file is left: the temporary files were renamed.
    int entries = 0;
    for ([[maybe_unused]] auto const& entry : std::filesystem::directory_iterator(m_dir / "cfg" / "Tessera"))
        ++entries;
    EXPECT_EQ(entries, 1);
    EXPECT_TRUE(m_reports.empty());
}

TEST_F(IniStore, ReadsHandWrittenFilesWithCommentsBlanksAndCrLf)
{
    m_dir.write("cfg/Tessera/settings.ini", "; note\r\n\r\n[Settings]\r\n LCID = 1031 \r\nexit_mode=x\r\n");
    auto store = MakeStore();
    EXPECT_EQ(GetLanguageId(store), 1031);
    EXPECT_EQ(GetRegInt(store, L"exit_mode"), 0);
}

TEST_F(IniStore, DamagedFileIsReportedKeptAndReplaced)
{
    std::string const damaged[] = {
        std::string("LCID=2052\n\xFF\xFE garbage\n"),
        std::string("[Settings\nLCID=1\n"),
        std::string("LCID=1\0\0\0", 9),
        std::string(IniSettingsStore::kMaxFileBytes + 1, 'x'),
    };
    for (auto const& text : damaged) {
        m_reports.clear();
        m_dir.write("cfg/Tessera/settings.ini", text);
        auto store = MakeStore();
        EXPECT_EQ(GetLanguageId(store), 0);
        EXPECT_EQ(m_reports.size(), 1u);
        EXPECT_EQ(FileText(), "[Settings]\n");
        EXPECT_EQ(TestSupport::read_file(m_dir / "cfg" / "Tessera" / "settings.ini.damaged"), text);
    }
}

TEST_F(IniStore, UnreadableStoreGivesChineseAndWritesNothing)
{
    std::filesystem::create_directories(m_dir / "cfg" / "Tessera" / "settings.ini"); // a folder in its place
    auto store = MakeStore();
    EXPECT_EQ(store.Probe(), State::Unreadable);
    EXPECT_EQ(GetLanguageId(store), 2052);
    EXPECT_EQ(GetRegInt(store, L"exit_mode"), 0);
    EXPECT_FALSE(store.WriteValue(L"LCID", L"1"));
}

TEST_F(IniStore, RefusesNamesAndValuesThatWouldBreakTheFile)
{
    auto store = MakeStore();
    ASSERT_TRUE(store.Create());
    EXPECT_FALSE(store.WriteValue(L"a=b", L"1"));
    EXPECT_FALSE(store.WriteValue(L"[x]", L"1"));
    EXPECT_FALSE(store.WriteValue(L"", L"1"));
    EXPECT_FALSE(store.WriteValue(L"name", L"two\nlines"));
    EXPECT_TRUE(store.WriteValue(L"name", L"\x4E2D\x6587"));
    EXPECT_EQ(store.ReadValue(L"name"), L"\x4E2D\x6587");
    EXPECT_EQ(FileText(), "[Settings]\nname=\xE4\xB8\xAD\xE6\x96\x87\n");
}

TEST_F(IniStore, DefaultPlaceFollowsXdgConfigHome)
{
    ScopedEnv config("XDG_CONFIG_HOME", (m_dir / "cfg").string());
    EXPECT_EQ(IniSettingsStore::ForDevice(L"Tessera")->Path(), Path());
    ScopedEnv relative("XDG_CONFIG_HOME", "relative/cfg");
    ScopedEnv home("HOME", m_dir.path().string());
    EXPECT_EQ(IniSettingsStore::ForDevice(L"Other")->Path(), (m_dir / ".config" / "Other" / "settings.ini").wstring());
}

TEST(UiLanguage, LocaleNamesMapToWindowsLanguageIds)
{
    struct Case {
        char const* locale;
        int id;
    };
    Case const cases[] = {
        { "zh_CN.UTF-8", 2052 }, { "zh_TW.UTF-8", 1028 }, { "zh", 2052 }, { "en_US.UTF-8", 1033 },
        { "en_GB", 2057 }, { "en_IN.UTF-8", 1033 }, { "de_DE.UTF-8", 1031 }, { "de_AT@euro", 3079 },
        { "de_LU", 1031 }, { "fr_FR", 1036 }, { "ja_JP.eucJP", 1041 }, { "ru_RU.UTF-8", 1049 },
        { "pt_BR", 1046 }, { "C", 1033 }, { "POSIX", 1033 }, { "C.UTF-8", 1033 }, { "", 1033 },
        { "xx_YY", 1033 },
    };
    for (auto const& c : cases)
        EXPECT_EQ(LanguageIdFromLocale(c.locale), c.id) << c.locale;
}

TEST(UiLanguage, LcAllBeforeLcMessagesBeforeLang)
{
    ScopedEnv all("LC_ALL", "de_DE.UTF-8");
    ScopedEnv messages("LC_MESSAGES", "fr_FR.UTF-8");
    ScopedEnv lang("LANG", "zh_CN.UTF-8");
    EXPECT_EQ(GetUserDefaultUILanguage(), 1031);
    ScopedEnv allEmpty("LC_ALL", "");
    EXPECT_EQ(GetUserDefaultUILanguage(), 1036);
    ScopedEnv messagesUnset("LC_MESSAGES", std::nullopt);
    EXPECT_EQ(GetUserDefaultUILanguage(), 2052);
    ScopedEnv langUnset("LANG", std::nullopt);
    EXPECT_EQ(GetUserDefaultUILanguage(), 1033);
}
