#include "StoreFixture.h"

#include "store/DefaultData.h"

using namespace Tessera;

namespace {

LightDefaults ThreeModes(int deviceType)
{
    LightDefaults defaults;
    defaults.defaultMode = 2;
    defaults.defaultBrightness = 4;
    defaults.defaultSpeed = 3;
    defaults.deviceType = deviceType;
    for (int mode : { 1, 2, 24 }) {
        LightData& row = defaults.modes.emplace_back();
        row.name = std::to_wstring(400 + mode);
        row.mode = mode;
        row.config_func = 0x10 * mode;
    }
    return defaults;
}

}

TEST_F(StoreTest, NewDatabaseReceivesProfilesSettingsAndColourSet)
{
    CreateDefaultProfiles(m_db, L"Profile");
    std::vector<ProfileData> profiles;
    ASSERT_EQ(m_db.LoadProfiles(profiles), 3);
    EXPECT_EQ(profiles[0].name, L"Profile 1");
    EXPECT_EQ(profiles[1].name, L"Profile 2");
    EXPECT_EQ(profiles[2].name, L"Profile 3");
    EXPECT_EQ(m_db.GetActiveProfile(), profiles[0].profile);

    EXPECT_EQ(QueryFile(dbPath(), "SELECT key || '=' || value FROM t_configdata WHERE profile = 1 ORDER BY config_id"),
              (std::vector<std::string> { "version=1.0.1", "keyboard_layout=1", "fn_layer=0", "fn_switch=0",
                                          "lightmode=1", "sleep_light=1", "sleeptime=1", "key_responsetime=1",
                                          "userlight=0", "customlight_run=0", "gamemode=0", "disable_alttab=0",
                                          "disable_altf4=0", "disable_win=0" }));

    std::vector<KeyLightData> keys;
    ASSERT_EQ(m_db.LoadKeyLightData(128, keys), 8);
    std::vector<int> codes;
    for (auto const& key : keys) {
        codes.push_back(key.key_code);
        EXPECT_EQ(key.profile, 3);
        EXPECT_EQ(key.key_rgb, 0xFFFFFF);
    }
    EXPECT_EQ(codes, (std::vector<int> { 26, 4, 22, 7, 82, 80, 81, 79 }));
}

TEST_F(StoreTest, ProfileNamesUseTheWordOfTheCurrentLanguage)
{
    CreateDefaultProfiles(m_db, L"\u914d\u7f6e");
    std::wstring name;
    ASSERT_TRUE(m_db.GetProfileName(2, name));
    EXPECT_EQ(name, L"\u914d\u7f6e 2");
}

TEST_F(StoreTest, LightDefaultsGiveOneRowPerModeOnce)
{
    CreateDefaultLightData(m_db, ThreeModes(301));
    CreateDefaultLightData(m_db, ThreeModes(301));
    std::vector<LightData> rows;
    ASSERT_EQ(m_db.LoadLightData(1, rows), 3);
    EXPECT_EQ(rows[2].mode, 24);
    EXPECT_EQ(rows[2].name, L"424");
    EXPECT_EQ(rows[2].config_func, 0x180);
    EXPECT_EQ(rows[0].brightness, 4);
    EXPECT_EQ(rows[0].speed, 3);
    EXPECT_EQ(rows[0].direction, 0);
    EXPECT_EQ(rows[0].colorful, 1);
    EXPECT_EQ(rows[0].colorindex, 7);
    EXPECT_EQ(rows[0].color_value, 255);
    EXPECT_EQ(m_db.GetActiveLightMode(1), 2);
}

TEST_F(StoreTest, Type2xxLightDefaultsStartWithDirectionTwo)
{
    CreateDefaultLightData(m_db, ThreeModes(250));
    LightData row;
    ASSERT_TRUE(m_db.GetLightData(1, 1, row));
    EXPECT_EQ(row.direction, 2);
}

TEST_F(StoreTest, FirstMusicLayerIsAddedOnceAndSelected)
{
    EXPECT_EQ(CreateDefaultMusicLayer(m_db, L"Music", true), 1);
    EXPECT_EQ(CreateDefaultMusicLayer(m_db, L"Music", false), 1);
    EXPECT_EQ(m_db.CountMusicLayers(), 1);
    MusicLayerData layer;
    ASSERT_TRUE(m_db.GetMusicLayer(1, layer));
    EXPECT_EQ(layer.name, L"Music 1");
    EXPECT_EQ(layer.foremode, 17);
}

TEST(DefaultData, SingleColourKeyboardMusicLayerUsesForemodeOne)
{
    TestSupport::TempDir dir;
    DeviceDatabase db;
    ASSERT_TRUE(db.OpenDatabase(dir.path().wstring(), L"M"));
    CreateDefaultMusicLayer(db, L"M", false);
    MusicLayerData layer;
    ASSERT_TRUE(db.GetMusicLayer(1, layer));
    EXPECT_EQ(layer.foremode, 1);
}
