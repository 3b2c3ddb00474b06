// Stored records turned into command sequences, checked against a recording
// transport and a clock that only counts pauses.
#include "FakeClock.h"
#include "WorkerFakes.h"
#include "app/worker/TaskCodes.h"
#include "app/worker/TaskRunner.h"

#include <gtest/gtest.h>
#include <test_support/TempDir.h>

using namespace Tessera;
using namespace WorkerTest;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Head(Bytes const& bytes, std::size_t count)
{
    return { bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(std::min(count, bytes.size())) };
}

class Writers : public ::testing::Test, protected WorkerDoubles {
protected:
    Writers()
    {
        database.OpenDatabase(dir.path().wstring(), L"TK");
        ProfileData profile;
        profile.name = L"one";
        firstProfile = database.AddProfile(profile);
        profile.name = L"two";
        secondProfile = database.AddProfile(profile);
        window.profile = firstProfile;
        link.anyDevice = true;
        link.keyboardLinked = true;
        link.connectionMode = 0;
    }

    void Key(int profile, int layer, int keyCode, int type, int value, int mask = 0)
    {
        ASSERT_GT(StoreKey(database, profile, layer, keyCode, type, value, mask), 0);
    }

    int KeyCount(int profile, int layer)
    {
        std::vector<KeyMacroData> list;
        return database.LoadLayerKeyMacroData(profile, layer, list);
    }

    void Run(WorkerTask const& task) { runner.Run(task); }

    int firstProfile { 0 };
    int secondProfile { 0 };
    TaskRunner runner { Services() };
};

}

TEST_F(Writers, Type3xxFullWriteResetsFirstThenBaseLayerThenFnLayer)
{
    Key(firstProfile, 1, 0x05, 2, 0x06);
    Key(firstProfile, 0, 0x04, 5, 1);
    Key(secondProfile, 0, 0x07, 2, 0x08);
    Run({ kTaskWriteKeyMap });

    auto const calls = transport.Calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(Head(calls[0].bytes, 6), (Bytes { 0xAA, 0x55, 0xCC, 0x33, 0x0F, 0x00 }));
    EXPECT_EQ(Head(calls[1].bytes, 8), (Bytes { 0xAA, 0x55, 0xCC, 0x33, 0x04, 0x01, 0x04, 0x01 }));
    EXPECT_EQ(Head(calls[2].bytes, 8), (Bytes { 0xAA, 0x55, 0xCC, 0x33, 0x04, 0x02, 0x05, 0x06 }));
    EXPECT_EQ(clock.Sleeps(), (std::vector<int> { 100, 16, 16 }));
}

TEST_F(Writers, Type3xxSingleKeyWaits100msAndSendsOnlyThatKey)
{
    Key(firstProfile, 1, 0x05, 2, 0x06, 3);
    Key(firstProfile, 1, 0x09, 2, 0x0A);
    Run({ kTaskWriteKeyMap, 0x05, 1 });
    auto const calls = transport.Calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(Head(calls[0].bytes, 9), (Bytes { 0xAA, 0x55, 0xCC, 0x33, 0x04, 0x02, 0x05, 0x06, 0x00 }));
    EXPECT_EQ(clock.Sleeps(), (std::vector<int> { 100, 200 }));
}

TEST_F(Writers, DeletedMacroResetsItsKeysInEveryProfileAndLeavesShortcutsAlone)
{
    int const macro = database.AddMacro(L"m");
    ASSERT_GT(macro, 0);
    window.layer = 1;
    Key(firstProfile, 1, 0x04, 3, macro);
    Key(secondProfile, 1, 0x05, 3, macro);
    Key(firstProfile, 1, 0x06, 7, macro); // a shortcut whose row number equals the id
    Key(firstProfile, 0, 0x07, 3, macro); // the other layer is not sent
    Run({ kTaskMacroDeleted, macro });

    auto const calls = transport.Calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(Head(calls[0].bytes, 8), (Bytes { 0xAA, 0x55, 0xCC, 0x33, 0x04, 0x02, 0x04, 0x00 }));
    EXPECT_EQ(Head(calls[1].bytes, 8), (Bytes { 0xAA, 0x55, 0xCC, 0x33, 0x04, 0x02, 0x05, 0x00 }));
    EXPECT_EQ(KeyCount(firstProfile, 1), 1); // the shortcut stays
    EXPECT_EQ(KeyCount(firstProfile, 0), 0);
    EXPECT_EQ(KeyCount(secondProfile, 1), 0);
    EXPECT_EQ(window.keyPageRefreshes, 1);
}

TEST_F(Writers, Type2xxReloadKeepsEverythingWhenTheSlotTableCannotBeRead)
{
    window.deviceType = 202;
    Key(firstProfile, 0, 0x04, 2, 0x05);
    transport.exchangeOk = false;
    Run({ kTaskReloadFromKeyboard });
    EXPECT_EQ(KeyCount(firstProfile, 0), 1);
}

TEST_F(Writers, Type2xxReloadDropsKeysTheKeyboardNoLongerHolds)
{
    window.deviceType = 202;
    Key(firstProfile, 0, 0x04, 2, 0x05);
    Key(firstProfile, 0, 0x06, 3, 1);
    Key(firstProfile, 0, 0x07, 2, 0x08);
    transport.exchangeReply[1] = 0x06;  // macro slot 1
    transport.exchangeReply[14] = 0x04; // remap slot 1
    Run({ kTaskReloadFromKeyboard });
    std::vector<KeyMacroData> left;
    database.LoadLayerKeyMacroData(firstProfile, 0, left);
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(left[0].key_code, 0x04);
    EXPECT_EQ(left[1].key_code, 0x06);

    transport.exchangeReply = {};
    Key(firstProfile, 1, 0x09, 2, 0x0A);
    Run({ kTaskReloadFromKeyboard });
    EXPECT_EQ(KeyCount(firstProfile, 0) + KeyCount(firstProfile, 1), 0);
}

TEST_F(Writers, Type2xxFullWriteClearsSlotsThenFillsThemInOrder)
{
    window.deviceType = 202;
    Key(firstProfile, 0, 0x04, 2, 0x05);
    Key(firstProfile, 0, 0x06, 7, 1);
    Key(firstProfile, 0, 0x07, 1, 1);
    Run({ kTaskWriteKeyMap });
    auto const calls = transport.Calls();
    ASSERT_EQ(calls.size(), 1u + 1u + 28u + 1u);
    EXPECT_EQ(Head(calls[0].bytes, 8), (Bytes { 0xAA, 0x55, 0xCC, 0x0F, 0, 0, 0, 0 }));
    EXPECT_EQ(Head(calls[1].bytes, 8), (Bytes { 0x07, 0xFA, 0x01, 0x01, 0x04, 0x01, 0x05, 0x01 }));
    EXPECT_EQ(Head(calls[2].bytes, 8), (Bytes { 0x07, 0xF1, 0x01, 0x01, 0x06, 0x01, 0xE0, 0x01 }));
    EXPECT_EQ(Head(calls[3].bytes, 8), (Bytes { 0x07, 0x00, 0x04, 0x01, 0x04, 0x81, 0xE0, 0x81 }));
    EXPECT_EQ(Head(calls[30].bytes, 8), (Bytes { 0x07, 0xFA, 0x01, 0x02, 0x07, 0x01, 0x01, 0x01 }));
}

TEST_F(Writers, Type1xxKeyMapSendsMacroTablesThenTheKeyTable)
{
    window.deviceType = 108;
    KeyboardModelState tables;
    tables.keyIndex = { { 0x04, 0 }, { 0x05, 1 }, { 0x06, 2 }, { 0x07, 3 } };
    window.SetTables(tables);
    Key(firstProfile, 0, 0x04, 2, 0x1E);
    Key(firstProfile, 0, 0x05, 7, 1);
    Key(firstProfile, 0, 0x06, 1, 1);
    Key(firstProfile, 0, 0x08, 2, 0x1F); // not on this layout: no place in the table
    Run({ kTaskWriteKeyMap });
    auto const calls = transport.Calls();
    ASSERT_EQ(calls.size(), 1u + 4u);
    // Shortcut 1 as macro table of slot 0: 15 bytes.
    EXPECT_EQ(Head(calls[0].bytes, 10), (Bytes { 0x00, 0x8E, 15, 0x00, 0x00, 0x00, 0x01, 0x04, 0xE0, 0x0A }));
    EXPECT_EQ(Head(calls[1].bytes, 13), (Bytes { 0x00, 0x8D, 60, 0x00, 0x00, 0x1E, 0x20, 0x00, 0x40, 0x00, 0x20, 0x00, 0x00 }));
    EXPECT_EQ(clock.Sleeps(), (std::vector<int> { 100, 20, 10, 10, 10, 10 }));
}

TEST_F(Writers, Type2xxLightAndResetGoThroughTheReceiver)
{
    window.deviceType = 202;
    link.connectionMode = 2;
    LightData light;
    light.profile = kLightProfile;
    light.mode = 4;
    light.brightness = 0;
    light.speed = 3;
    light.direction = 1;
    light.colorindex = 2;
    light.color_value = 0x00332211;
    database.AddLightData(light);
    window.lightMode = 4;
    Run({ kTaskWriteLightMode });
    Run({ kTaskRestoreDefaults });
    auto const calls = transport.Calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].op, "data");
    // Mode 4 carries its colour where direction, speed and the custom set go.
    EXPECT_EQ(Head(calls[0].bytes, 12), (Bytes { 0xBB, 0xAA, 0x99, 0x88, 0xAA, 0x03, 0x02, 0x11, 0x22, 0x00, 0x33, 0x00 }));
    EXPECT_EQ(Head(calls[1].bytes, 11), (Bytes { 0xBB, 0xAA, 0x99, 0x88, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0x00 }));
    EXPECT_EQ(Head(calls[2].bytes, 6), (Bytes { 0xBB, 0xAA, 0x99, 0x88, 0x00, 0x00 }));
    EXPECT_EQ(clock.Sleeps(), (std::vector<int> { 1600 }));
    EXPECT_EQ(window.pageReloads, 1);
}

TEST_F(Writers, Type1xxLightSendsTheModeAfterApplyAndParametersLater)
{
    window.deviceType = 108;
    LightData light;
    light.profile = kLightProfile;
    light.mode = 5;
    light.brightness = 3;
    light.speed = 0x12;
    light.direction = 2;
    light.colorful = 1;
    light.color_value = 0x00CCBBAA;
    database.AddLightData(light);
    window.lightMode = 5;
    runner.Flags().Apply();
    Run({ kTaskWriteLightMode });
    Run({ kTaskWriteLightMode });
    auto const calls = transport.Calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(Head(calls[0].bytes, 5), (Bytes { 0x00, 0x88, 0x00, 0x05, 0x00 }));
    EXPECT_EQ(Head(calls[1].bytes, 9), (Bytes { 0x00, 0x89, 0x00, 0xA2, 0xAA, 0xBB, 0xCC, 0x03, 0x00 }));
}
