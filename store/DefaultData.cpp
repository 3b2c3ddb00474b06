#include "store/DefaultData.h"

#include "store/DeviceDatabase.h"

#include <array>

namespace Tessera {

namespace {

// W, A, S, D and the four arrows in HID keyboard usages.
constexpr std::array<int, 8> kDefaultLitKeys { 26, 4, 22, 7, 82, 80, 81, 79 };
constexpr int kWhite = 0xFFFFFF;
constexpr int kRgbMusicForemode = 17;
constexpr int kSingleColourMusicForemode = 1;

ProfileData NamedProfile(std::wstring const& word, int number)
{
    ProfileData profile;
    profile.name = word + L" " + std::to_wstring(number);
    return profile;
}

bool IsType2xx(int deviceType)
{
    return deviceType >= 200 && deviceType <= 299;
}

}

void CreateDefaultProfiles(DeviceDatabase& database, std::wstring const& profileWord)
{
    int first = database.AddProfile(NamedProfile(profileWord, 1));
    database.InsertDefaultConfig();
    CreateDefaultKeyLights(database, 1);
    database.AddProfile(NamedProfile(profileWord, 2));
    CreateDefaultKeyLights(database, 2);
    database.AddProfile(NamedProfile(profileWord, 3));
    database.SetActiveProfile(first);
    CreateDefaultKeyLights(database, 3);
}

void CreateDefaultKeyLights(DeviceDatabase& database, int profile)
{
    std::vector<KeyLightData> keys;
    for (int code : kDefaultLitKeys) {
        KeyLightData& key = keys.emplace_back();
        key.profile = profile;
        key.light_id = kKeyLightSetId;
        key.key_code = code;
        key.key_rgb = kWhite;
    }
    database.DeleteKeyLightData();
    database.SaveKeyLightData(keys);
}

void CreateDefaultLightData(DeviceDatabase& database, LightDefaults const& defaults)
{
    if (database.CountLightData(kLightProfile) >= 1)
        return;
    for (LightData const& mode : defaults.modes) {
        LightData row;
        row.profile = kLightProfile;
        row.name = mode.name;
        row.mode = mode.mode;
        row.brightness = defaults.defaultBrightness;
        row.speed = defaults.defaultSpeed;
        row.direction = IsType2xx(defaults.deviceType) ? 2 : 0;
        row.colorful = 1;
        row.colorindex = 7;
        row.color_value = 255;
        row.config_func = mode.config_func;
        database.AddLightData(row);
    }
    database.SetActiveLightMode(kLightProfile, defaults.defaultMode);
}

int CreateDefaultMusicLayer(DeviceDatabase& database, std::wstring const& layerWord, bool rgbKeyboard)
{
    if (database.CountMusicLayers() < 1) {
        database.AddMusicLayer(layerWord + L" 1", rgbKeyboard ? kRgbMusicForemode : kSingleColourMusicForemode);
        database.SelectMusicLayer();
    }
    return database.GetSelectedMusicLayer();
}

}
