// The worker's keyboard tasks against the keyboard emulator: the real
// transport loads the emulator's hidapi-ABI library, the daemon keeps the
// emulated keyboard. Each case stores records, runs one worker pass with the
// task and compares the reports the keyboard received, and the state it
// keeps, with what the keyboard must have been sent.
#include "EmulatorLink.h"
#include "EmulatorTrace.h"
#include "RecordingDoubles.h"
#include "WorkerFakes.h"
#include "app/worker/TaskCodes.h"
#include "app/worker/TaskWorker.h"
#include "config/DescriptionFile.h"
#include "device/DeviceDiscovery.h"

#include <gtest/gtest.h>
#include <test_support/Paths.h>
#include <test_support/ScopedEnv.h>
#include <test_support/TempDir.h>

#include <optional>

using namespace Tessera;
using namespace WorkerTest;
using DeviceEmulatorTest::EmulatorLink;
using WorkerEmulatorTest::ReceivedReport;

namespace {

// A report as hex: the given bytes, zero-filled to `size`.
std::string Hex(std::vector<int> const& bytes, std::size_t size = 65)
{
    static char const digits[] = "0123456789abcdef";
    std::string text;
    for (std::size_t i = 0; i < size; ++i) {
        int const byte = i < bytes.size() ? bytes[i] : 0;
        text += digits[(byte >> 4) & 0x0F];
        text += digits[byte & 0x0F];
    }
    return text;
}

// A Type3xx report: report ID 0, AA 55 CC 33, then the command and parameters.
std::string Type3(std::vector<int> command)
{
    std::vector<int> bytes { 0x00, 0xAA, 0x55, 0xCC, 0x33 };
    bytes.insert(bytes.end(), command.begin(), command.end());
    return Hex(bytes);
}

std::vector<std::string> HexOf(std::vector<ReceivedReport> const& reports)
{
    std::vector<std::string> hex;
    for (auto const& report : reports)
        hex.push_back(report.hex);
    return hex;
}

class WorkerEmulator : public ::testing::Test, protected EmulatorLink {
protected:
    void Start(std::vector<std::string> const& daemonOptions)
    {
        ASSERT_TRUE(StartEmulator(daemonOptions));
        discovery = std::make_unique<DeviceDiscovery>(*manager, screen, deviceTasks);
        discovery->RegisterConnectionModes(ShippedConnections());
        discovery->RunDiscovery();
        ASSERT_TRUE(discovery->LinkState().keyboardLinked);
        window.deviceType = manager->CurrentDeviceType();

        ASSERT_TRUE(database.OpenDatabase(dir.path().wstring(), L"TK"));
        ProfileData profile;
        profile.name = L"Profile 1";
        window.profile = database.AddProfile(profile);
        worker = std::make_unique<TaskWorker>(WorkerServices {
            queue, window, discovery->LinkState(), *manager, SystemDeviceClock(), database, external, status, colors });
        ASSERT_TRUE(emulator->Control({ "trace", "clear" }));
    }

    void Key(int layer, int keyCode, int type, int value, int mask = 0)
    {
        ASSERT_GT(StoreKey(database, window.profile, layer, keyCode, type, value, mask), 0);
    }

    void Light(int mode, int brightness, int speed, int direction, int colorIndex, int colorValue = 0)
    {
        LightData light;
        light.profile = kLightProfile;
        light.mode = mode;
        light.brightness = brightness;
        light.speed = speed;
        light.direction = direction;
        light.colorindex = colorIndex;
        light.color_value = colorValue;
        ASSERT_GT(database.AddLightData(light), 0);
        window.lightMode = mode;
    }

    // One worker pass with the task at the front of the queue.
    void Run(WorkerTask const& task)
    {
        queue.QueueTask(task);
        worker->Run();
        ASSERT_TRUE(queue.Empty());
    }

    // What the host sent since the last call (writes and feature reports).
    std::vector<ReceivedReport> Sent()
    {
        auto const text = emulator->ControlOutput({ "trace" });
        EXPECT_TRUE(text.has_value());
        EXPECT_TRUE(emulator->Control({ "trace", "clear" }));
        std::vector<ReceivedReport> sent;
        for (auto const& report : WorkerEmulatorTest::ParseTrace(text.value_or("")))
            if (report.direction == "write" || report.direction == "set-feature")
                sent.push_back(report);
        return sent;
    }

    std::string Dump()
    {
        auto const text = emulator->ControlOutput({ "dump" });
        EXPECT_TRUE(text.has_value());
        return text.value_or("");
    }

    DeviceTest::RecordingScreen screen;
    DeviceTest::RecordingTasks deviceTasks;
    std::unique_ptr<DeviceDiscovery> discovery;
    DeviceDatabase database;
    TaskQueue queue;
    FakeWindow window;
    RecordingExternal external;
    CountingStatus status;
    NoColors colors;
    std::unique_ptr<TaskWorker> worker;
};

}

TEST_F(WorkerEmulator, Type3xxFullKeyMapBeginsWithResetAnd100msOfSilence)
{
    Start({ "--model", "301", "--cable" });
    Key(0, 0x04, 5, 1);     // left mouse button
    Key(0, 0x1E, 2, 0x1F, 3); // key with Ctrl+Shift: only its code goes
    Key(1, 0x05, 1, 1);     // disabled on the Fn layer
    Key(1, 0x06, 0, 0x07);  // type 0 is skipped
    Run({ kTaskWriteKeyMap });

    auto const sent = Sent();
    EXPECT_EQ(HexOf(sent), (std::vector<std::string> {
                               Type3({ 0x0F }),
                               Type3({ 0x04, 0x01, 0x04, 0x01 }),
                               Type3({ 0x04, 0x01, 0x1E, 0x1F }),
                               Type3({ 0x04, 0x02, 0x05, 0x01 }),
                           }));
    ASSERT_GE(sent.size(), 2u);
    EXPECT_GE(sent[1].milliseconds - sent[0].milliseconds, 100.0);
    auto const state = Dump();
    EXPECT_NE(state.find("\"keyFunctionResets\":1"), std::string::npos) << state;
    EXPECT_NE(state.find("{\"layer\":1,\"key\":30,\"value\":31}"), std::string::npos) << state;
    EXPECT_NE(state.find("{\"layer\":2,\"key\":5,\"value\":1}"), std::string::npos) << state;
}

TEST_F(WorkerEmulator, Type3xxSingleKeyWriteSendsThatKeyAlone)
{
    Start({ "--model", "301", "--cable" });
    Key(0, 0x04, 2, 0x05);
    Key(1, 0x2C, 2, 0x28, 1); // Ctrl+Enter on the Fn layer's space bar
    Run({ kTaskWriteKeyMap, 0x2C, 1 });

    EXPECT_EQ(HexOf(Sent()), (std::vector<std::string> { Type3({ 0x04, 0x02, 0x2C, 0x28 }) }));
    EXPECT_NE(Dump().find("{\"layer\":2,\"key\":44,\"value\":40}"), std::string::npos);
}

TEST_F(WorkerEmulator, Type3xxMacroOf79StepsFillsExactlyThreeFrames)
{
    Start({ "--model", "301", "--cable" });
    MacroData macro;
    macro.name = L"long";
    macro.play_times = 2;
    int const macroId = database.AddMacroData(macro);
    ASSERT_GT(macroId, 0);
    std::vector<MacroRecord> records;
    for (int i = 0; i < 81; ++i) {
        MacroRecord record;
        record.macro_id = macroId;
        record.type = i % 2 == 0 ? 2 : 3;  // press, release
        record.record_index = i;
        record.value = 'A' + (i / 2) % 26; // virtual keys A… → usages 0x04…
        record.delay_time = 20;
        records.push_back(record);
    }
    database.AddMacroRecords(records);
    Key(0, 0x3A, 3, macroId);
    Run({ kTaskWriteKeyMap, 0x3A, 0 });

    // The block: layer 1, key F1, play count 2, 81 steps counted, then the
    // steps as usage and 0x02 / 0x82 (press / release, 2 × 10 ms); step 80
    // and 81 no longer fit.
    std::vector<int> block { 0x01, 0x3A, 0x02, 81 };
    for (int i = 0; i < 79; ++i) {
        block.push_back(0x04 + (i / 2) % 26);
        block.push_back(i % 2 == 0 ? 0x02 : 0x82);
    }
    ASSERT_EQ(block.size(), 162u);
    std::vector<std::string> expected;
    for (int frame = 0; frame < 3; ++frame) {
        std::vector<int> command { frame };
        command.insert(command.end(), block.begin() + 54 * frame, block.begin() + 54 * (frame + 1));
        expected.push_back(Type3(command));
    }
    EXPECT_EQ(HexOf(Sent()), expected);
    EXPECT_NE(Dump().find(Hex(block, 162)), std::string::npos);
}

TEST_F(WorkerEmulator, Type2xxSingleKeyWriteReusesTheSlotTheKeyHolds)
{
    Start({ "--model", "202", "--cable" });
    Key(0, 0x04, 2, 0x10);
    Run({ kTaskWriteKeyMap, 0x04, 0 });
    Key(0, 0x05, 2, 0x11);
    Run({ kTaskWriteKeyMap, 0x05, 0 });
    Sent();

    Key(0, 0x04, 2, 0x12); // key 0x04 holds remap slot 1; slot 3 is the first free one
    Run({ kTaskWriteKeyMap, 0x04, 0 });
    auto const sent = HexOf(Sent());
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0], Hex({ 0x07, 0xFB, 0x01 }, 8)); // the slot table is read first
    EXPECT_EQ(sent[1], Hex({ 0x07, 0xFA, 0x01, 0x01, 0x04, 0x01, 0x12, 0x01 }));
    auto const state = Dump();
    // Remap slots 1 and 2 hold keys 04 and 05 (slot table bytes 14 and 15).
    EXPECT_NE(state.find("\"slotTable\":\"" + Hex({ 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x04, 0x05 }, 28) + "\""),
        std::string::npos)
        << state;
}

TEST_F(WorkerEmulator, Type2xxLightAndResetGoThroughTheReceiver)
{
    Start({ "--model", "202", "--receiver" });
    ASSERT_EQ(discovery->LinkState().connectionMode, 2);
    Light(4, 0, 3, 1, 2, 0x00332211); // brightness 0 stays 0; mode 4 carries its colour
    Run({ kTaskWriteLightMode });
    Run({ kTaskRestoreDefaults });

    auto const sent = Sent();
    EXPECT_EQ(HexOf(sent), (std::vector<std::string> {
                               Hex({ 0x00, 0xBB, 0xAA, 0x99, 0x88, 0xAA, 0x03, 0x02, 0x11, 0x22, 0x00, 0x33 }),
                               Hex({ 0x00, 0xBB, 0xAA, 0x99, 0x88, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA }),
                               Hex({ 0x00, 0xBB, 0xAA, 0x99, 0x88 }),
                           }));
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_GE(sent[2].milliseconds - sent[1].milliseconds, 1600.0);
    EXPECT_NE(Dump().find("\"deviceResets\":1"), std::string::npos);
    EXPECT_EQ(window.pageReloads, 1);
}

TEST_F(WorkerEmulator, LightMode24SendsModeApplyBeginAndSixColourFrames)
{
    Start({ "--model", "301", "--cable" });
    KeyboardModelState tables;
    tables.lightIndex = { { 0x29, 0 }, { 0x04, 1 }, { 0x58, 107 } };
    window.SetTables(tables);
    Light(24, 5, 3, 0, 0);
    std::vector<KeyLightData> colors(2);
    colors[0] = { 0, kLightProfile, kKeyLightSetId, 0x04, 0x000000FF };
    colors[1] = { 0, kLightProfile, kKeyLightSetId, 0x58, 0x00CCBBAA };
    database.SaveKeyLightData(colors);
    Run({ kTaskWriteLightMode });

    std::vector<std::string> expected {
        Type3({ 0x07, 23, 4, 2, 0, 0 }),
        Type3({ 0x0B }),
        Type3({ 0x09 }),
        Type3({ 0xF6, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00 }),
        Type3({ 0xF7 }),
        Type3({ 0xF8 }),
        Type3({ 0xF9 }),
        Type3({ 0xFA }),
    };
    // Light index 107: the last three colour bytes of the sixth frame.
    std::vector<int> last(55, 0);
    last[0] = 0xFB;
    last[52] = 0xAA;
    last[53] = 0xBB;
    last[54] = 0xCC;
    expected.push_back(Type3(last));
    EXPECT_EQ(HexOf(Sent()), expected);
    auto const state = Dump();
    EXPECT_NE(state.find("\"customApplied\":true"), std::string::npos) << state;
    EXPECT_NE(state.find("\"storedColors\":\"000000ff0000"), std::string::npos) << state;
    EXPECT_NE(state.find("aabbcc\",\"streamedColors\""), std::string::npos) << state;
}

TEST_F(WorkerEmulator, StoredLayoutWithNoRowsSendsSixFramesOfZeros)
{
    Start({ "--model", "301", "--cable" });
    Run({ kTaskWriteKeyColors });
    EXPECT_EQ(HexOf(Sent()), (std::vector<std::string> {
                                 Type3({ 0x09 }),
                                 Type3({ 0xF6 }),
                                 Type3({ 0xF7 }),
                                 Type3({ 0xF8 }),
                                 Type3({ 0xF9 }),
                                 Type3({ 0xFA }),
                                 Type3({ 0xFB }),
                             }));
    // Armed once: the next upload goes without BeginKeyColors.
    Run({ kTaskWriteKeyColors });
    EXPECT_EQ(Sent().size(), 6u);
    EXPECT_NE(Dump().find("\"storedFrames\":12"), std::string::npos);
}
