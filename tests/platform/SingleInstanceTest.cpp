#include "platform/FakeSingleInstance.h"
#include "platform/UnixSingleInstance.h"

#include <test_support/ScopedEnv.h>
#include <test_support/TempDir.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

using namespace Tessera;
using Role = SingleInstance::Role;
using SendResult = SingleInstance::SendResult;
using TestSupport::ScopedEnv;
using TestSupport::TempDir;

namespace {

// Collects delivered messages; the listener thread writes, the test reads.
struct Received {
    std::mutex mutex;
    std::vector<InstanceMessage> messages;

    InstanceInbox::Handler Handler()
    {
        return [this](InstanceMessage const& message) {
            std::lock_guard lock(mutex);
            messages.push_back(message);
        };
    }
    std::vector<InstanceMessage> Take()
    {
        std::lock_guard lock(mutex);
        return std::exchange(messages, {});
    }
};

class UnixInstance : public testing::Test {
protected:
    TempDir m_runtime;
    ScopedEnv m_env { "XDG_RUNTIME_DIR", m_runtime.path().string() };
};

// Starts the probe process; its standard output goes to the returned stream.
struct Probe {
    pid_t pid { -1 };
    FILE* output { nullptr };
};

Probe StartProbe(std::string const& name, int holdMs, bool crash = false)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    std::string hold = std::to_string(holdMs);
    std::vector<char*> argv { const_cast<char*>(INSTANCE_PROBE_PATH), const_cast<char*>(name.c_str()), hold.data() };
    std::string crashWord = "crash";
    if (crash)
        argv.push_back(crashWord.data());
    argv.push_back(nullptr);
    Probe probe;
    if (posix_spawn(&probe.pid, INSTANCE_PROBE_PATH, &actions, nullptr, argv.data(), environ) != 0)
        probe.pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    probe.output = fdopen(pipeFds[0], "r");
    return probe;
}

std::string FinishProbe(Probe& probe)
{
    std::string text;
    char buffer[256];
    while (probe.output && fgets(buffer, sizeof buffer, probe.output))
        text += buffer;
    if (probe.output)
        fclose(probe.output);
    int status = 0;
    waitpid(probe.pid, &status, 0);
    return text;
}

}

TEST(InstanceInbox, QueuesUntilAHandlerIsInstalledThenDeliversInOrder)
{
    InstanceInbox inbox;
    EXPECT_TRUE(inbox.Deliver({ kRaiseWindowMessage, 0, 0 }));
    EXPECT_TRUE(inbox.Deliver({ kQuitMessage, 0, kQuitParam }));
    Received received;
    inbox.SetHandler(received.Handler());
    EXPECT_TRUE(inbox.Deliver({ kRunKeyFunctionMessage, 0, 7 }));
    std::vector<InstanceMessage> expected {
        { kRaiseWindowMessage, 0, 0 }, { kQuitMessage, 0, kQuitParam }, { kRunKeyFunctionMessage, 0, 7 }
    };
    EXPECT_EQ(received.Take(), expected);
    EXPECT_TRUE(inbox.TakeQueued().empty());
}

TEST(InstanceInbox, BoundedQueueRefusesWhenFull)
{
    InstanceInbox inbox;
    for (size_t i = 0; i < InstanceInbox::kMaxQueued; ++i)
        EXPECT_TRUE(inbox.Deliver({ kRunKeyFunctionMessage, 0, static_cast<int64_t>(i) }));
    EXPECT_FALSE(inbox.Deliver({ kQuitMessage, 0, kQuitParam }));
    auto queued = inbox.TakeQueued();
    ASSERT_EQ(queued.size(), InstanceInbox::kMaxQueued);
    EXPECT_EQ(queued.front().lParam, 0);
}

TEST(FakeInstance, SecondaryRecordsTheRaiseRequest)
{
    FakeSingleInstance fake(Role::Secondary);
    EXPECT_EQ(fake.Claim(), Role::Secondary);
    ASSERT_EQ(fake.sent.size(), 1u);
    EXPECT_EQ(fake.sent[0].message, kRaiseWindowMessage);
}

TEST_F(UnixInstance, SecondStartRaisesTheFirstAndMessagesReachItsHandler)
{
    UnixSingleInstance first(L"Tessera");
    Received received;
    first.Inbox().SetHandler(received.Handler());
    ASSERT_EQ(first.Claim(), Role::Primary);

    UnixSingleInstance second(L"Tessera");
    EXPECT_EQ(second.Claim(), Role::Secondary);
    UnixSingleInstance client(L"Tessera");
    EXPECT_EQ(client.Send({ kQuitMessage, 0, kQuitParam }), SendResult::Delivered);
    EXPECT_EQ(client.Send({ kRunKeyFunctionMessage, 0, 42 }), SendResult::Delivered);
    std::vector<InstanceMessage> expected {
        { kRaiseWindowMessage, 0, 0 }, { kQuitMessage, 0, kQuitParam }, { kRunKeyFunctionMessage, 0, 42 }
    };
    EXPECT_EQ(received.Take(), expected);
}

TEST_F(UnixInstance, MessagesBeforeAHandlerAreQueued)
{
    UnixSingleInstance first(L"Tessera");
    ASSERT_EQ(first.Claim(), Role::Primary);
    UnixSingleInstance client(L"Tessera");
    EXPECT_EQ(client.Send({ kQuitMessage, 0, kQuitParam }), SendResult::Delivered);
    auto queued = first.Inbox().TakeQueued();
    ASSERT_EQ(queued.size(), 1u);
    EXPECT_EQ(queued[0], (InstanceMessage { kQuitMessage, 0, kQuitParam }));
}

TEST_F(UnixInstance, AnotherNameRunsIndependently)
{
    UnixSingleInstance first(L"Tessera");
    ASSERT_EQ(first.Claim(), Role::Primary);
    UnixSingleInstance other(L"Tessera Pro");
    EXPECT_EQ(other.Claim(), Role::Primary);
}

TEST_F(UnixInstance, SendWithoutARunningInstanceSaysSo)
{
    UnixSingleInstance client(L"Tessera");
    EXPECT_EQ(client.Send({ kQuitMessage, 0, kQuitParam }), SendResult::NoInstance);
    {
        UnixSingleInstance first(L"Tessera");
        ASSERT_EQ(first.Claim(), Role::Primary);
    }
    EXPECT_EQ(client.Send({ kQuitMessage, 0, kQuitParam }), SendResult::NoInstance);
}

TEST_F(UnixInstance, GarbageRequestsAreAnsweredWithAnError)
{
    UnixSingleInstance first(L"Tessera");
    ASSERT_EQ(first.Claim(), Role::Primary);
    int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    std::string path = UnixSingleInstance::InstanceFolder(L"Tessera") + "instance.sock";
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
    ASSERT_EQ(connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(write(fd, "MSG 1 2\n", 8), 8);
    char answer[8] {};
    EXPECT_EQ(read(fd, answer, sizeof answer - 1), 4);
    EXPECT_STREQ(answer, "ERR\n");
    close(fd);
    EXPECT_TRUE(first.Inbox().TakeQueued().empty());
}

TEST_F(UnixInstance, StaleSocketAndLockFileDoNotBlock)
{
    std::string folder = UnixSingleInstance::InstanceFolder(L"Tessera");
    ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
    m_runtime.write("Tessera/instance.lock", "12345\n");
    // A socket file nobody listens on, as a crashed instance leaves it.
    int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%sinstance.sock", folder.c_str());
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    close(fd);

    UnixSingleInstance next(L"Tessera");
    EXPECT_EQ(next.Claim(), Role::Primary);
    UnixSingleInstance client(L"Tessera");
    EXPECT_EQ(client.Send({ kRaiseWindowMessage, 0, 0 }), SendResult::Delivered);
}

TEST_F(UnixInstance, CrashedInstanceDoesNotBlockTheNextStart)
{
    Probe crashed = StartProbe("Tessera", 0, true);
    EXPECT_EQ(FinishProbe(crashed), "primary\n");
    UnixSingleInstance next(L"Tessera");
    EXPECT_EQ(next.Claim(), Role::Primary);
}

TEST_F(UnixInstance, FolderOfAnotherOwnerOrOpenToOthersIsNotTrusted)
{
    ScopedEnv noRuntime("XDG_RUNTIME_DIR", std::nullopt);
    std::string name = "tessera-test-" + std::to_string(getpid());
    std::string folder = UnixSingleInstance::InstanceFolder(std::wstring(name.begin(), name.end()));
    EXPECT_EQ(folder, "/tmp/" + name + "-" + std::to_string(getuid()) + "/");
    ASSERT_EQ(mkdir(folder.c_str(), 0777), 0);
    chmod(folder.c_str(), 0777);
    {
        UnixSingleInstance instance(std::wstring(name.begin(), name.end()));
        EXPECT_EQ(instance.Claim(), Role::Primary);
    }
    struct stat info {};
    ASSERT_EQ(stat(folder.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u); // tightened before use
    std::filesystem::remove_all(folder);
}

TEST_F(UnixInstance, ProcessesRacingForOneNameGiveExactlyOneInstance)
{
    constexpr int kProcesses = 6;
    std::vector<Probe> probes;
    for (int i = 0; i < kProcesses; ++i)
        probes.push_back(StartProbe("Tessera", 2500));
    int primaries = 0;
    int secondaries = 0;
    std::string primaryOutput;
    for (auto& probe : probes) {
        std::string output = FinishProbe(probe);
        if (output.rfind("primary\n", 0) == 0) {
            ++primaries;
            primaryOutput = output;
        } else if (output == "secondary\n") {
            ++secondaries;
        }
    }
    EXPECT_EQ(primaries, 1);
    EXPECT_EQ(secondaries, kProcesses - 1);
    EXPECT_EQ(primaryOutput, "primary\nraised " + std::to_string(kProcesses - 1) + "\n");
}
