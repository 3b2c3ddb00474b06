#include "keys/HostFunction.h"

#include "keys/KeyFunction.h"
#include "platform/Clipboard.h"
#include "platform/ShellOpen.h"
#include "store/DeviceDatabase.h"

#include <test_support/TempDir.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Tessera;

namespace {

struct Journal {
    std::vector<std::string> calls;
};

class FakeShell : public ShellOpen {
public:
    explicit FakeShell(Journal& journal) : m_journal(journal) { }
    bool OpenWithDesktop(std::string const& target) override
    {
        m_journal.calls.push_back("open " + target);
        return true;
    }
    bool RunProgram(std::string const& path, std::vector<std::string> const&) override
    {
        m_journal.calls.push_back("run " + path);
        return true;
    }

private:
    Journal& m_journal;
};

class FakeClipboard : public Clipboard {
public:
    explicit FakeClipboard(Journal& journal) : m_journal(journal) { }
    bool SetText(std::wstring const& text) override
    {
        m_text = text;
        m_journal.calls.push_back("set " + std::to_string(text.size()));
        return true;
    }
    bool WaitUntilFetched(std::chrono::milliseconds) override
    {
        m_journal.calls.push_back("wait");
        return true;
    }
    void Clear() override
    {
        m_text.clear();
        m_journal.calls.push_back("clear");
    }
    std::wstring m_text;

private:
    Journal& m_journal;
};

class FakeKeys : public PasteKeys {
public:
    explicit FakeKeys(Journal& journal) : m_journal(journal) { }
    void PressCtrlV() override { m_journal.calls.push_back("ctrl+v"); }

private:
    Journal& m_journal;
};

class FakeProfiles : public ProfileSwitcher {
public:
    explicit FakeProfiles(Journal& journal) : m_journal(journal) { }
    void SwitchToProfile(int profile) override { m_journal.calls.push_back("profile " + std::to_string(profile)); }

private:
    Journal& m_journal;
};

class HostFunctionTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_db.OpenDatabase(m_dir.path().wstring(), L"M")); }

    int Run(std::wstring const& desc, std::wstring const& param, int type)
    {
        int id = m_db.AddKeyOtherData(desc, param, type);
        return ExecuteHostFunction(id, m_services);
    }

    TestSupport::TempDir m_dir;
    DeviceDatabase m_db;
    Journal m_journal;
    FakeShell m_shell { m_journal };
    FakeClipboard m_clipboard { m_journal };
    FakeKeys m_keys { m_journal };
    FakeProfiles m_profiles { m_journal };
    HostServices m_services { m_db, m_shell, &m_clipboard, &m_keys, m_profiles };
};

}

TEST_F(HostFunctionTest, UnknownIdDoesNothing)
{
    EXPECT_EQ(ExecuteHostFunction(4711, m_services), 1);
    EXPECT_TRUE(m_journal.calls.empty());
}

TEST_F(HostFunctionTest, ExecutableIsStartedDirectlyAndOtherFilesGoToTheDesktop)
{
    Run(L"true", L"/bin/true", FuncLaunchProgram);
    Run(L"notes.txt", L"/tmp/notes.txt", FuncLaunchProgram);
    EXPECT_EQ(m_journal.calls, (std::vector<std::string> { "run /bin/true", "open /tmp/notes.txt" }));
}

TEST_F(HostFunctionTest, WebAddressGetsWwwUnlessItHasItOrAScheme)
{
    Run(L"www.example.com", L"", FuncOpenWebsite);
    Run(L"example.com", L"", FuncOpenWebsite);
    Run(L"shop.www.example.com/x", L"", FuncOpenWebsite);
    Run(L"https://example.com", L"", FuncOpenWebsite);
    Run(L"", L"", FuncOpenWebsite);
    EXPECT_EQ(m_journal.calls, (std::vector<std::string> { "open http://www.example.com", "open http://www.example.com",
                                                            "open http://shop.www.example.com/x",
                                                            "open https://example.com" }));
}

TEST(WebAddressToOpen, HostWithPortIsNotMistakenForAScheme)
{
    EXPECT_EQ(WebAddressToOpen(L"localhost:8080"), "http://www.localhost:8080");
    EXPECT_EQ(WebAddressToOpen(L"mailto:a@b.c"), "mailto:a@b.c");
    EXPECT_EQ(WebAddressToOpen(L"\u4f8b\u5b50.cn"), "http://www.\xe4\xbe\x8b\xe5\xad\x90.cn");
}

TEST_F(HostFunctionTest, TypingATextPastesItAndLeavesTheClipboardEmpty)
{
    Run(L"Hello", L"", FuncTypeText);
    EXPECT_EQ(m_journal.calls, (std::vector<std::string> { "set 5", "ctrl+v", "wait", "clear" }));
    EXPECT_TRUE(m_clipboard.m_text.empty());
    m_journal.calls.clear();
    Run(L"", L"", FuncTypeText);
    EXPECT_TRUE(m_journal.calls.empty());
}

TEST_F(HostFunctionTest, WithoutClipboardTheKeysAreStillSent)
{
    m_services.clipboard = nullptr;
    Run(L"Hello", L"", FuncTypeText);
    EXPECT_EQ(m_journal.calls, std::vector<std::string> { "ctrl+v" });
}

TEST_F(HostFunctionTest, ProfileSwitchTakesTheDecimalParameter)
{
    Run(L"Gaming", L"3", FuncSwitchProfile);
    EXPECT_EQ(m_journal.calls, std::vector<std::string> { "profile 3" });
}

TEST(SpawnDetached, ReportsWhetherTheProgramCouldBeExecuted)
{
    EXPECT_TRUE(SpawnDetached({ "/bin/true" }));
    EXPECT_FALSE(SpawnDetached({ "/no/such/program" }));
    EXPECT_FALSE(SpawnDetached({}));
    // The target is one argument, never a shell command line.
    TestSupport::TempDir dir;
    std::string marker = (dir.path() / "marker").string();
    EXPECT_TRUE(SpawnDetached({ "/bin/echo", "; touch " + marker }));
    EXPECT_FALSE(std::filesystem::exists(marker));
}
