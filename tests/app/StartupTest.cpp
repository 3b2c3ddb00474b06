#include "app/CommandLine.h"
#include "app/Startup.h"
#include "platform/FakeSingleInstance.h"
#include "platform/SettingsStore.h"
#include "platform/UiLanguage.h"

#include <lumoui/Manager.h>

#include <test_support/ScopedEnv.h>
#include <test_support/TempDir.h>

#include <gtest/gtest.h>

using namespace Tessera;
using TestSupport::ScopedEnv;
using TestSupport::TempDir;

namespace {

class Startup : public testing::Test {
protected:
    void SetUp() override { LumoUI::Manager::SetDeviceName(L"Tessera"); }
    void TearDown() override { LumoUI::Manager::SetDeviceName(L"Tessera"); }

    StartupServices Services(SingleInstance::Role role, int systemLanguage)
    {
        StartupServices services;
        services.appFolder = (m_dir / "app").wstring();
        services.makeInstance = [this, role](std::wstring const& name) {
            m_claimedName = name;
            return std::make_unique<FakeSingleInstance>(role);
        };
        services.systemLanguage = [systemLanguage] { return systemLanguage; };
        return services;
    }

    void WriteConfig(std::string const& name)
    {
        m_dir.write("app/config.xml", "<?xml version=\"1.0\"?>\r\n<config><software name=\"" + name + "\"/></config>\r\n");
    }

    TempDir m_dir;
    ScopedEnv m_config { "XDG_CONFIG_HOME", (m_dir / "config").string() };
    ScopedEnv m_data { "XDG_DATA_HOME", (m_dir / "data").string() };
    std::wstring m_claimedName;
};

}

TEST_F(Startup, FirstRunNamesEverythingAfterTheDescriptionFile)
{
    WriteConfig("Tessera Test");
    auto result = RunStartup(Services(SingleInstance::Role::Primary, 1031));
    EXPECT_FALSE(result.anotherInstance);
    EXPECT_EQ(result.deviceName, L"Tessera Test");
    EXPECT_EQ(LumoUI::Manager::GetDeviceName(), L"Tessera Test");
    EXPECT_EQ(m_claimedName, L"Tessera Test");
    EXPECT_EQ(result.appFolder, (m_dir / "app").wstring() + L"/");
    // A German first run uses German now and records English.
    EXPECT_EQ(result.languageId, 1031);
    EXPECT_EQ(GetCurrentLanguageId(), 1031);
    EXPECT_EQ(result.settingsFile, (m_dir / "config" / "Tessera Test" / "settings.ini").wstring());
    EXPECT_EQ(TestSupport::read_file(m_dir / "config" / "Tessera Test" / "settings.ini"), "[Settings]\nLCID=1033\n");
    EXPECT_EQ(GetLanguageId(), 1033); // the process-wide store is installed
    EXPECT_EQ(result.dataFolder, (m_dir / "data" / "Tessera Test Files").wstring() + L"/");
    EXPECT_TRUE(result.databaseFolderReady);
    EXPECT_TRUE(std::filesystem::is_directory(m_dir / "data" / "Tessera Test Files" / "db"));
    EXPECT_NE(LumoUI::Manager::GetInstance(), nullptr);
}

TEST_F(Startup, LaterRunKeepsTheStoredLanguage)
{
    m_dir.write("config/Tessera/settings.ini", "[Settings]\nLCID=2052\n");
    auto result = RunStartup(Services(SingleInstance::Role::Primary, 1033));
    EXPECT_EQ(result.deviceName, L"Tessera"); // no config.xml: the toolkit's default
    EXPECT_EQ(result.languageId, 2052);
}

TEST_F(Startup, SecondStartStopsBeforeTouchingSettingsOrData)
{
    WriteConfig("Tessera");
    auto result = RunStartup(Services(SingleInstance::Role::Secondary, 2052));
    EXPECT_TRUE(result.anotherInstance);
    auto* fake = static_cast<FakeSingleInstance*>(result.instance.get());
    ASSERT_EQ(fake->sent.size(), 1u);
    EXPECT_EQ(fake->sent[0].message, kRaiseWindowMessage);
    EXPECT_FALSE(std::filesystem::exists(m_dir / "config"));
    EXPECT_FALSE(std::filesystem::exists(m_dir / "data"));
}

TEST_F(Startup, UnguardedStartStillRuns)
{
    auto result = RunStartup(Services(SingleInstance::Role::Unguarded, 2052));
    EXPECT_FALSE(result.anotherInstance);
    EXPECT_EQ(result.languageId, 2052);
    EXPECT_EQ(TestSupport::read_file(m_dir / "config" / "Tessera" / "settings.ini"), "[Settings]\nLCID=2052\n");
}

TEST_F(Startup, UnusableNamesKeepTheDefault)
{
    WriteConfig("../escape");
    EXPECT_EQ(SettleDeviceName((m_dir / "app").wstring()), L"Tessera");
}

TEST(CommandLineParse, OptionsAndTheirArguments)
{
    struct Case {
        std::vector<char const*> args;
        CommandLine::Action action;
        int64_t id;
    };
    using A = CommandLine::Action;
    Case const cases[] = {
        { { "tessera" }, A::Run, 0 },
        { { "tessera", "--quit" }, A::Quit, 0 },
        { { "tessera", "--run-key-function", "17" }, A::RunKeyFunction, 17 },
        { { "tessera", "--list-devices" }, A::ListDevices, 0 },
        { { "tessera", "--help" }, A::Help, 0 },
        { { "tessera", "--run-key-function" }, A::Invalid, 0 },
        { { "tessera", "--run-key-function", "x1" }, A::Invalid, 0 },
        { { "tessera", "--run-key-function", "-3" }, A::Invalid, 0 },
        { { "tessera", "--quit", "now" }, A::Invalid, 0 },
        { { "tessera", "--bogus" }, A::Invalid, 0 },
    };
    for (auto const& c : cases) {
        auto line = ParseCommandLine(static_cast<int>(c.args.size()), c.args.data());
        EXPECT_EQ(line.action, c.action) << c.args.size();
        EXPECT_EQ(line.keyFunctionId, c.id);
        EXPECT_EQ(line.error.empty(), c.action != A::Invalid);
    }
}
