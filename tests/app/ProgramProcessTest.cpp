// The tessera executable of the program folder, run as a process.
#include "platform/UnixSingleInstance.h"

#include <test_support/Paths.h>
#include <test_support/ScopedEnv.h>
#include <test_support/TempDir.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/wait.h>

using namespace Tessera;
using TestSupport::ScopedEnv;
using TestSupport::TempDir;

namespace {

struct Run {
    int exitCode { -1 };
    std::string output; // standard output and error
};

Run RunTessera(std::string const& arguments)
{
    std::string command = "'" + (TestSupport::dist_dir() / "tessera").string() + "' " + arguments + " 2>&1";
    Run run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe))
        run.output += buffer;
    int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

class TesseraProcess : public testing::Test {
protected:
    TempDir m_dir;
    ScopedEnv m_runtime { "XDG_RUNTIME_DIR", (m_dir / "run").string() };
    ScopedEnv m_config { "XDG_CONFIG_HOME", (m_dir / "config").string() };
    ScopedEnv m_data { "XDG_DATA_HOME", (m_dir / "data").string() };
    ScopedEnv m_lang { "LC_ALL", "zh_CN.UTF-8" };
    bool m_made = std::filesystem::create_directories(m_dir / "run");
};

}

TEST_F(TesseraProcess, WithoutADisplayEndsAfterStartUpAndSaysWhy)
{
    ScopedEnv noDisplay("DISPLAY", std::nullopt);
    ScopedEnv noWayland("WAYLAND_DISPLAY", std::nullopt);
    auto run = RunTessera("");
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_NE(run.output.find("no display"), std::string::npos) << run.output;
    // Start-up ran before: folders and the first run's language are there.
    EXPECT_TRUE(std::filesystem::is_directory(m_dir / "data" / "Tessera Files" / "db"));
    EXPECT_EQ(TestSupport::read_file(m_dir / "config" / "Tessera" / "settings.ini"), "[Settings]\nLCID=2052\n");
}

TEST_F(TesseraProcess, ListDevicesReportsWhatDiscoveryFinds)
{
    ScopedEnv library("TESSERA_HIDAPI", (m_dir / "no-such-library.so").string());
    auto run = RunTessera("--list-devices");
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_NE(run.output.find("HID library not loaded"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("interfaces: 0"), std::string::npos) << run.output;
}

TEST_F(TesseraProcess, SecondStartRaisesTheRunningInstanceAndEndsWithZero)
{
    UnixSingleInstance running(L"Tessera");
    ASSERT_EQ(running.Claim(), SingleInstance::Role::Primary);
    auto run = RunTessera("");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, "");
    EXPECT_FALSE(std::filesystem::exists(m_dir / "config" / "Tessera"));

    EXPECT_EQ(RunTessera("--quit").exitCode, 0);
    EXPECT_EQ(RunTessera("--run-key-function 12").exitCode, 0);
    auto queued = running.Inbox().TakeQueued();
    ASSERT_EQ(queued.size(), 3u);
    EXPECT_EQ(queued[0], (InstanceMessage { kRaiseWindowMessage, 0, 0 }));
    EXPECT_EQ(queued[1], (InstanceMessage { kQuitMessage, 0, kQuitParam }));
    EXPECT_EQ(queued[2], (InstanceMessage { kRunKeyFunctionMessage, 0, 12 }));
}

TEST_F(TesseraProcess, RequestsWithoutARunningInstanceFail)
{
    auto quit = RunTessera("--quit");
    EXPECT_EQ(quit.exitCode, 1);
    EXPECT_EQ(quit.output, "tessera: Tessera is not running\n");
    EXPECT_EQ(RunTessera("--run-key-function 3").exitCode, 1);
    EXPECT_EQ(RunTessera("--frobnicate").exitCode, 2);
}
