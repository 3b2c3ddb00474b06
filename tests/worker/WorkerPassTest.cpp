// The worker's pass over the task queue: which tasks run, when the window is
// disabled and the wait dialog closed, what an idle pass does; and the
// worker thread against a window thread that queues at the same time.
#include "FakeClock.h"
#include "WorkerFakes.h"
#include "app/worker/TaskCodes.h"
#include "app/worker/TaskWorker.h"
#include "store/DeviceDatabase.h"

#include <gtest/gtest.h>
#include <test_support/TempDir.h>

#include <chrono>
#include <thread>

using namespace Tessera;
using namespace WorkerTest;

namespace {

class WorkerPass : public ::testing::Test, protected WorkerDoubles {
protected:
    WorkerPass()
    {
        database.OpenDatabase(dir.path().wstring(), L"TK301");
        LightData light;
        light.profile = kLightProfile;
        light.mode = 3;
        light.brightness = 4;
        light.speed = 2;
        database.AddLightData(light);
        window.lightMode = 3;
    }

    void Link(bool anyDevice, bool keyboardLinked)
    {
        link.anyDevice = anyDevice;
        link.keyboardLinked = keyboardLinked;
        link.connectionMode = keyboardLinked ? 0 : -1;
    }

    TaskWorker worker { Services() };
};

}

TEST_F(WorkerPass, TwoQuickApplyClicksRunTwoLightWritesEachFollowedBy100ms)
{
    Link(true, true);
    queue.QueueTask(kTaskWriteLightMode);
    queue.QueueTask(kTaskWriteLightMode);

    worker.Run();
    EXPECT_EQ(queue.Size(), 1u);
    worker.Run();
    EXPECT_TRUE(queue.Empty());

    auto const calls = transport.Calls();
    ASSERT_EQ(calls.size(), 2u);
    for (auto const& call : calls) {
        EXPECT_EQ(call.op, "command");
        // AA 55 CC 33 07, mode 3 − 1, brightness 4 − 1, speed 2 − 1.
        EXPECT_EQ(std::vector<std::uint8_t>(call.bytes.begin(), call.bytes.begin() + 8),
            (std::vector<std::uint8_t> { 0xAA, 0x55, 0xCC, 0x33, 0x07, 0x02, 0x03, 0x01 }));
    }
    EXPECT_EQ(clock.Sleeps(), (std::vector<int> { 100, 100 }));
    EXPECT_EQ(window.disables, 2);
    EXPECT_EQ(window.enables, 2);
    EXPECT_EQ(window.waitDialogsClosed, 2);
}

TEST_F(WorkerPass, KeyMapTaskWithoutAKeyboardIsDroppedAndItsWaitDialogClosed)
{
    Link(true, false);
    queue.QueueSingleKeyWrite(0x04, 0);

    worker.Run();

    EXPECT_TRUE(queue.Empty());
    EXPECT_TRUE(transport.Calls().empty());
    EXPECT_TRUE(clock.Sleeps().empty());
    EXPECT_EQ(window.disables, 0);
    EXPECT_EQ(window.waitDialogsClosed, 1);

    // The next connection's reload does not replay it.
    Link(true, true);
    queue.QueueTask(kTaskReloadFromKeyboard);
    worker.Run();
    EXPECT_TRUE(transport.Calls().empty());
    EXPECT_EQ(status.batteryQueries, 1);
}

TEST_F(WorkerPass, EmptyQueueWithoutADeviceDoesNothing)
{
    Link(false, false);
    window.page = kLightingPage;
    window.lightFlags = kLightFlagMusic;
    for (int pass = 0; pass < 3; ++pass)
        worker.Run();
    EXPECT_TRUE(transport.Calls().empty());
    EXPECT_TRUE(clock.Sleeps().empty());
    EXPECT_EQ(status.polls, 0);
    EXPECT_EQ(window.disables + window.enables + window.waitDialogsClosed, 0);
}

TEST_F(WorkerPass, DeviceAndUpdateTasksRunWithoutAKeyboard)
{
    Link(false, false);
    for (int code : { 1, 2, 3, 14, 15, 16, 17, 18, 19 })
        queue.QueueTask(code);
    while (!queue.Empty())
        worker.Run();
    EXPECT_EQ(external.Codes(), (std::vector<int> { 1, 2, 3, 14, 15, 16, 17, 18, 19 }));
    EXPECT_EQ(window.waitDialogsClosed, 0);
}

TEST_F(WorkerPass, IdlePassSendsALiveFrameOnlyOnTheLightPageWithAnEngine)
{
    Link(true, true);
    struct Case {
        int deviceType;
        int page;
        bool visible;
        int flags;
        bool frame;
    };
    std::vector<Case> const cases {
        { 301, kLightingPage, true, kLightFlagMusic, true },
        { 301, kLightingPage, true, kLightFlagScreen, true },
        { 301, kLightingPage, true, 0, false },
        { 301, 1, true, kLightFlagMusic, false },
        { 301, kLightingPage, false, kLightFlagMusic, false },
        { 202, kLightingPage, true, kLightFlagMusic, false },
    };
    for (auto const& c : cases) {
        window.deviceType = c.deviceType;
        window.page = c.page;
        window.visible = c.visible;
        window.lightFlags = c.flags;
        auto const before = transport.Calls().size();
        int const polls = status.polls;
        worker.Run();
        auto const calls = transport.Calls();
        std::size_t frames = 0;
        for (auto i = before; i < calls.size(); ++i)
            frames += calls[i].op == "report" ? 1 : 0;
        EXPECT_EQ(frames, c.frame ? 6u : 0u) << c.deviceType << " page " << c.page << " flags " << c.flags;
        EXPECT_EQ(status.polls, polls + 1);
    }
}

TEST_F(WorkerPass, KeyboardTasksOfUnsupportedDeviceTypesSendNothing)
{
    Link(true, true);
    window.deviceType = 400;
    for (int code : { 5, 6, 7, 8, 9, 10, 12 })
        queue.QueueTask(code);
    while (!queue.Empty())
        worker.Run();
    EXPECT_TRUE(transport.Calls().empty());
    EXPECT_EQ(window.waitDialogsClosed, 7);
}

TEST(WorkerThread, RunsTasksQueuedFromAnotherThreadUntilStopped)
{
    TestSupport::TempDir dir;
    DeviceDatabase database;
    database.OpenDatabase(dir.path().wstring(), L"TK301");
    TaskQueue queue;
    FakeWindow window;
    DeviceLinkState link;
    link.anyDevice = true;
    link.keyboardLinked = true;
    link.connectionMode = 0;
    RecordingTransport transport;
    DeviceTest::FakeClock clock;
    RecordingExternal external;
    CountingStatus status;
    NoColors colors;
    TaskWorker worker(WorkerServices { queue, window, link, transport, clock, database, external, status, colors });

    EXPECT_TRUE(worker.Start());
    EXPECT_FALSE(worker.Start()); // started once
    constexpr int kTasks = 20;
    std::thread windowThread([&] {
        for (int i = 0; i < kTasks; ++i) {
            queue.QueueTask(i % 2 ? int { kTaskDeviceTypeChanged } : int { kTaskFirstConnection });
            window.lightFlags = i; // the window thread keeps changing its state
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    });
    windowThread.join();
    auto const deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!queue.Empty() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    worker.Stop();

    EXPECT_TRUE(queue.Empty());
    EXPECT_FALSE(worker.IsRunning());
    EXPECT_TRUE(worker.WaitDone(0));
    EXPECT_EQ(external.Codes().size(), static_cast<std::size_t>(kTasks / 2));
    EXPECT_EQ(window.waitDialogsClosed, kTasks);
}

namespace {

struct CountingThread final : CThreadBasic {
    ~CountingThread() override { Stop(); }
    void Run() override { ++passes; }
    std::atomic<int> passes { 0 };
};

}

TEST(ThreadBasic, WithoutTheLoopFlagRunIsCalledOnceAndTheDoneEventSignalled)
{
    CountingThread thread;
    EXPECT_TRUE(thread.Start(false));
    EXPECT_TRUE(thread.WaitDone(5000));
    EXPECT_EQ(thread.passes, 1);
    EXPECT_FALSE(thread.IsRunning());
    EXPECT_EQ(thread.IntervalMs(), 16);
}

TEST(ThreadBasic, StopEndsTheLoopDuringItsPause)
{
    CountingThread thread;
    EXPECT_TRUE(thread.Start());
    while (thread.passes < 3)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    thread.Stop();
    int const passes = thread.passes;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(thread.passes, passes);
    EXPECT_TRUE(thread.WaitDone(0));
}
