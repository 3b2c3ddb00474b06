#include "store/DeviceDatabase.h"

#include <gtest/gtest.h>

using namespace Tessera;

// A database whose file could not be opened answers every operation without
// raising: queries find nothing, writes fail with their documented result.
TEST(ClosedDatabase, QueriesFindNothingAndWritesFail)
{
    DeviceDatabase db;
    ASSERT_FALSE(db.OpenDatabase(L"/proc/no-such-folder", L"M"));
    EXPECT_FALSE(db.IsOpened());

    std::wstring text = L"kept";
    EXPECT_FALSE(db.GetConfigValue(L"sleeptime", text));
    EXPECT_EQ(text, L"");
    EXPECT_FALSE(db.SetConfigValue(L"sleeptime", L"1"));
    db.InsertDefaultConfig();

    std::vector<ProfileData> profiles { ProfileData {} };
    EXPECT_EQ(db.LoadProfiles(profiles), 0);
    EXPECT_TRUE(profiles.empty());
    EXPECT_EQ(db.AddProfile(ProfileData {}), 0);
    EXPECT_FALSE(db.DeleteProfile(1));
    EXPECT_FALSE(db.RenameProfile(1, L"x"));
    EXPECT_FALSE(db.SetActiveProfile(1));
    EXPECT_EQ(db.GetActiveProfile(), 0);

    KeyMacroData key;
    key.key_code = 4;
    key.macro_type = 2;
    key.macro_value = 5;
    EXPECT_EQ(db.SaveKeyMacroData(key), 0);
    EXPECT_FALSE(db.GetKeyMacroData(1, 0, 4, key));
    EXPECT_EQ(db.AddKeyOtherData(L"a", L"b", 8), 0);
    EXPECT_FALSE(db.RenameMacroInKeys(1, L"x"));
    EXPECT_FALSE(db.DeleteMacroFromKeys(1));

    EXPECT_EQ(db.CountLightData(1), 0);
    EXPECT_EQ(db.AddLightData(LightData {}), 0);
    EXPECT_FALSE(db.UpdateLightData(1, 1, LightData {}));
    EXPECT_FALSE(db.SetActiveLightMode(1, 1));
    EXPECT_EQ(db.GetActiveLightMode(1), 0);
    EXPECT_EQ(db.SaveKeyLightData({ KeyLightData {}, KeyLightData {} }), 2);
    EXPECT_FALSE(db.DeleteKeyLightData());

    EXPECT_EQ(db.AddMacro(L"m"), kSqliteMisuse);
    EXPECT_EQ(db.AddMacroData(MacroData {}), kSqliteMisuse);
    EXPECT_EQ(db.AddMacroRecord(MacroRecord {}), kSqliteMisuse);
    EXPECT_FALSE(db.DeleteMacro(1));
    int playTimes = 9;
    EXPECT_FALSE(db.GetMacroPlayTimes(1, playTimes));
    EXPECT_EQ(playTimes, 9);
    EXPECT_EQ(db.CountMacroKeyRecords(1), 0);

    EXPECT_EQ(db.CountMusicLayers(), 0);
    EXPECT_EQ(db.AddMusicLayer(L"m", 1), kSqliteMisuse);
    EXPECT_FALSE(db.SelectMusicLayer());
    EXPECT_EQ(db.GetSelectedMusicLayer(), 0);
}
