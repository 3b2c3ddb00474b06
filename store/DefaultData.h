#pragma once

#include "store/Records.h"

#include <string>
#include <vector>

namespace Tessera {

class DeviceDatabase;

// What the layout file of the current model says about its light modes.
struct LightDefaults {
    std::vector<LightData> modes; // name, mode and config_func of each mode, in file order
    int defaultMode { 0 };
    int defaultBrightness { 0 };
    int defaultSpeed { 0 };
    int deviceType { 0 };
};

// The rows a new database receives lazily, when the pages first find their
// tables empty. Results of the writes are ignored: an unopened database
// simply stays empty and the next page fill tries again.

// Three profiles named "<word> 1" … "<word> 3" (word = language text 65), the
// fourteen settings and the white W/A/S/D/arrow colour set; the first profile
// becomes active.
void CreateDefaultProfiles(DeviceDatabase& database, std::wstring const& profileWord);
// Replaces the colour set by the eight white keys, written for `profile`.
void CreateDefaultKeyLights(DeviceDatabase& database, int profile);
// One light row per layout mode, unless the light profile has rows already.
void CreateDefaultLightData(DeviceDatabase& database, LightDefaults const& defaults);
// Adds the first music layer ("<word> 1", word = language text 101) when
// there is none; returns the selected layer id (0 when none).
int CreateDefaultMusicLayer(DeviceDatabase& database, std::wstring const& layerWord, bool rgbKeyboard);

}
