#include "StoreFixture.h"

using namespace Tessera;

namespace {

KeyMacroData KeyFunction(int profile, int layer, int code, int type, int value, int value2, std::wstring desc = L"")
{
    KeyMacroData key;
    key.profile = profile;
    key.fn_layer = layer;
    key.key_code = code;
    key.macro_type = type;
    key.macro_value = value;
    key.macro_value2 = value2;
    key.macro_desc = std::move(desc);
    return key;
}

MacroRecord Step(int macro, int type, int index, int value)
{
    MacroRecord record;
    record.macro_id = macro;
    record.type = type;
    record.record_index = index;
    record.value = value;
    record.desc = L"step";
    return record;
}

}

TEST_F(StoreTest, SetConfigValueNeverInsertsAndGetClearsTheOutput)
{
    EXPECT_TRUE(m_db.SetConfigValue(L"never", L"5"));
    std::wstring value = L"old";
    EXPECT_FALSE(m_db.GetConfigValue(L"never", value));
    EXPECT_EQ(value, L"");
    m_db.InsertDefaultConfig();
    EXPECT_TRUE(m_db.SetConfigValue(L"sleeptime", L"4"));
    EXPECT_TRUE(m_db.GetConfigValue(L"sleeptime", value));
    EXPECT_EQ(value, L"4");
}

TEST_F(StoreTest, DuplicatedSettingsAreAllUpdated)
{
    m_db.InsertDefaultConfig();
    m_db.InsertDefaultConfig();
    EXPECT_TRUE(m_db.SetConfigValue(L"fn_switch", L"1"));
    EXPECT_EQ(QueryFile(dbPath(), "SELECT value FROM t_configdata WHERE key = 'fn_switch'"),
              (std::vector<std::string> { "1", "1" }));
}

TEST_F(StoreTest, ProfilesKeepOneActiveMarker)
{
    EXPECT_EQ(m_db.GetActiveProfile(), 0);
    int first = m_db.AddProfile(ProfileData { 0, L"Eins", L"app", 7, 1 });
    int second = m_db.AddProfile(ProfileData { 0, L"\u914d\u7f6e", L"", 0, 0 });
    EXPECT_EQ(second, first + 1);
    EXPECT_TRUE(m_db.SetActiveProfile(second));
    EXPECT_EQ(m_db.GetActiveProfile(), second);
    EXPECT_TRUE(m_db.SetActiveProfile(999));
    EXPECT_EQ(m_db.GetActiveProfile(), 0);

    std::vector<ProfileData> profiles { ProfileData {}, ProfileData {}, ProfileData {} };
    ASSERT_EQ(m_db.LoadProfiles(profiles), 2);
    EXPECT_EQ(profiles[0].name, L"Eins");
    EXPECT_EQ(profiles[0].app, L"app");
    EXPECT_EQ(profiles[0].status, 0); // the record's status and type are not stored
    EXPECT_EQ(profiles[0].type, 0);
    EXPECT_EQ(profiles[1].name, L"\u914d\u7f6e");

    std::wstring name = L"x";
    EXPECT_FALSE(m_db.GetProfileName(999, name));
    EXPECT_EQ(name, L"");
    EXPECT_TRUE(m_db.DeleteProfile(first));
    int third = m_db.AddProfile(ProfileData { 0, L"Drei", L"", 0, 0 });
    EXPECT_GT(third, second); // ids are never reused
}

TEST_F(StoreTest, SavingAKeyReplacesItsRowOrRestoresTheDefault)
{
    EXPECT_EQ(m_db.SaveKeyMacroData(KeyFunction(1, 0, 0, 2, 5, 0)), 0);
    int id = m_db.SaveKeyMacroData(KeyFunction(1, 0, 4, 2, 5, 1, L"Ctrl+B"));
    EXPECT_GT(id, 0);
    int replaced = m_db.SaveKeyMacroData(KeyFunction(1, 0, 4, 2, 6, 0));
    EXPECT_GT(replaced, id);
    std::vector<KeyMacroData> layer;
    ASSERT_EQ(m_db.LoadLayerKeyMacroData(1, 0, layer), 1);
    EXPECT_EQ(layer[0].macro_value, 6);

    // Type 2 with key 0 and no modifiers is no function; with Alt it is one.
    EXPECT_EQ(m_db.SaveKeyMacroData(KeyFunction(1, 0, 4, 2, 0, 0)), 0);
    EXPECT_EQ(m_db.LoadLayerKeyMacroData(1, 0, layer), 0);
    EXPECT_GT(m_db.SaveKeyMacroData(KeyFunction(1, 0, 4, 2, 0, 4)), 0);

    KeyMacroData read = KeyFunction(9, 9, 9, 9, 9, 9, L"untouched");
    EXPECT_FALSE(m_db.GetKeyMacroData(1, 1, 4, read));
    EXPECT_EQ(read.macro_desc, L"untouched");
    ASSERT_TRUE(m_db.GetKeyMacroData(1, 0, 4, read));
    EXPECT_EQ(read.macro_value2, 4);
    EXPECT_EQ(read.key_code, 4);
}

TEST_F(StoreTest, MacroRenameAndDeleteFollowTheKeysThatPlayIt)
{
    int macro = m_db.AddMacro(L"Combo");
    m_db.SaveKeyMacroData(KeyFunction(1, 0, 4, 3, macro, 0, L"Combo"));
    m_db.SaveKeyMacroData(KeyFunction(2, 1, 5, 3, macro, 0, L"Combo"));
    m_db.SaveKeyMacroData(KeyFunction(1, 0, 6, 2, macro, 0, L"Key"));
    EXPECT_TRUE(m_db.RenameMacroInKeys(macro, L"Fight"));
    std::vector<KeyMacroData> keys;
    m_db.LoadProfileKeyMacroData(2, keys);
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(keys[0].macro_desc, L"Fight");
    EXPECT_TRUE(m_db.DeleteMacroFromKeys(macro));
    EXPECT_EQ(m_db.LoadProfileKeyMacroData(1, keys), 1); // the type-2 key stays
    m_db.DeleteProfileKeyMacroData(1);
    EXPECT_EQ(m_db.LoadProfileKeyMacroData(1, keys), 0);
}

TEST_F(StoreTest, KeyOtherDataReadsTrueEvenWithoutRow)
{
    int id = m_db.AddKeyOtherData(L"calc", L"/usr/bin/calc", 8);
    std::wstring desc = L"d", param = L"p";
    int type = 0;
    EXPECT_TRUE(m_db.GetKeyOtherData(id + 1, desc, param, type));
    EXPECT_EQ(type, 0);
    EXPECT_EQ(desc, L"d");
    EXPECT_TRUE(m_db.GetKeyOtherData(id, desc, param, type));
    EXPECT_EQ(desc, L"calc");
    EXPECT_EQ(param, L"/usr/bin/calc");
    EXPECT_EQ(type, 8);
}

TEST_F(StoreTest, LightModesKeepOneActiveModeAcrossProfiles)
{
    LightData mode;
    mode.profile = 1;
    mode.mode = 3;
    mode.name = L"37";
    m_db.AddLightData(mode);
    mode.mode = 4;
    m_db.AddLightData(mode);
    mode.profile = 2;
    m_db.AddLightData(mode);
    EXPECT_EQ(m_db.CountLightData(1), 2);
    EXPECT_TRUE(m_db.SetActiveLightMode(2, 4));
    EXPECT_TRUE(m_db.SetActiveLightMode(1, 3));
    EXPECT_EQ(m_db.GetActiveLightMode(2), 0);
    EXPECT_EQ(m_db.GetActiveLightMode(1), 3);

    LightData update;
    update.profile = 77; // the record's own profile and mode are not used
    update.mode = 77;
    update.brightness = 5;
    update.color_value = 0x00FF00;
    EXPECT_TRUE(m_db.UpdateLightData(1, 4, update));
    LightData read;
    ASSERT_TRUE(m_db.GetLightData(1, 4, read));
    EXPECT_EQ(read.brightness, 5);
    EXPECT_EQ(read.color_value, 0x00FF00);
    EXPECT_EQ(read.mode, 4);
    EXPECT_EQ(read.name, L"37");
    std::vector<LightData> list;
    EXPECT_EQ(m_db.LoadLightData(1, list), 2);
}

TEST_F(StoreTest, KeyColourSetIsOneForAllProfiles)
{
    std::vector<KeyLightData> keys { { 0, 1, 128, 4, 0xFF }, { 0, 2, 128, 5, 0xFF00 }, { 0, 3, 128, 6, 0 } };
    EXPECT_EQ(m_db.SaveKeyLightData(keys), 3);
    std::vector<KeyLightData> read;
    ASSERT_EQ(m_db.LoadKeyLightData(128, read), 3);
    EXPECT_EQ(read[1].key_code, 5);
    EXPECT_EQ(read[1].key_rgb, 0xFF00);
    EXPECT_TRUE(m_db.DeleteKeyLightData());
    EXPECT_EQ(m_db.LoadKeyLightData(128, read), 0);
    EXPECT_TRUE(read.empty());
}

TEST_F(StoreTest, MacroStepsAreOrderedByIndexAndDelaysAreNotKeySteps)
{
    int macro = m_db.AddMacro(L"M");
    ASSERT_GT(macro, 0);
    m_db.AddMacroRecords({ Step(macro, 0, 2, 65), Step(macro, 1, 1, 0), Step(macro, 0, 0, 66) });
    std::vector<MacroRecord> steps;
    ASSERT_EQ(m_db.LoadMacroRecords(macro, steps), 3);
    EXPECT_EQ(steps[0].value, 66);
    EXPECT_EQ(steps[1].type, 1);
    EXPECT_EQ(steps[2].record_index, 2);
    EXPECT_EQ(steps[2].desc, L"step");
    EXPECT_EQ(m_db.CountMacroKeyRecords(macro), 2);

    int delays = m_db.AddMacro(L"Pause");
    m_db.AddMacroRecord(Step(delays, 1, 0, 0));
    EXPECT_EQ(m_db.CountMacroKeyRecords(delays), 0);
}

TEST_F(StoreTest, NewMacroHasPlaybackDefaultsAndCanBeRenamedAndUpdated)
{
    int macro = m_db.AddMacro(L"M");
    MacroData data;
    ASSERT_TRUE(m_db.GetMacroData(macro, data));
    EXPECT_EQ(data.play_times, 1);
    EXPECT_EQ(data.delay_type, 1);
    EXPECT_EQ(data.delay_time, 0);
    EXPECT_EQ(data.link_count, 0);
    data.play_times = 5;
    data.delay_time = 30;
    EXPECT_TRUE(m_db.UpdateMacroPlayback(data));
    EXPECT_TRUE(m_db.RenameMacro(macro, L"N"));
    int playTimes = 0;
    EXPECT_TRUE(m_db.GetMacroPlayTimes(macro, playTimes));
    EXPECT_EQ(playTimes, 5);
    std::vector<MacroData> all;
    ASSERT_EQ(m_db.LoadMacroData(all), 1);
    EXPECT_EQ(all[0].name, L"N");
    EXPECT_EQ(all[0].delay_time, 30);
}

TEST_F(StoreTest, DeletingAMacroWithoutRowStillRemovesItsSteps)
{
    m_db.AddMacroRecord(Step(42, 0, 0, 65));
    EXPECT_TRUE(m_db.DeleteMacro(42));
    std::vector<MacroRecord> steps;
    EXPECT_EQ(m_db.LoadMacroRecords(42, steps), 0);
}

TEST_F(StoreTest, MusicLayerUsesFixedParametersAndLayerOne)
{
    EXPECT_EQ(m_db.CountMusicLayers(), 0);
    int layer = m_db.AddMusicLayer(L"Music 1", 17);
    EXPECT_EQ(layer, 1);
    EXPECT_TRUE(m_db.SelectMusicLayer());
    EXPECT_EQ(m_db.GetSelectedMusicLayer(), 1);
    MusicLayerData data;
    ASSERT_TRUE(m_db.GetMusicLayer(1, data));
    EXPECT_EQ(data.name, L"Music 1");
    EXPECT_EQ(data.foremode, 17);
    EXPECT_EQ(data.fore_amplitude, 300);
    EXPECT_EQ(data.backb_right, 100);
    data.layer_id = 5; // the update always targets layer 1
    data.fore_amplitude = 150;
    EXPECT_TRUE(m_db.UpdateMusicLayer(data));
    ASSERT_TRUE(m_db.GetMusicLayer(1, data));
    EXPECT_EQ(data.fore_amplitude, 150);
}
