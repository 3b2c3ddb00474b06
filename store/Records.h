#pragma once

#include <string>

namespace Tessera {

// Rows of the configuration database as the program holds them. A new object
// has every number 0 and every text empty.

struct ProfileData {
    int profile { 0 };
    std::wstring name;
    std::wstring app;
    int type { 0 };
    int status { 0 };
};

// One key function: per profile, Fn layer (0 base, 1 Fn) and physical key.
struct KeyMacroData {
    int key_id { 0 };
    int profile { 0 };
    int fn_layer { 0 };
    int key_code { 0 };
    int layout_value { 0 };
    std::wstring layout_desc;
    int macro_type { 0 };
    int macro_value { 0 };
    int macro_value2 { 0 };
    int macro_value3 { 0 };
    std::wstring macro_desc;
};

// Extra texts of a key function that launches, opens, types or switches.
struct KeyOtherData {
    int macro_value { 0 };
    std::wstring macro_desc;
    std::wstring param;
    int type { 0 };
};

struct LightData {
    int light_id { 0 };
    int profile { 0 };
    std::wstring name;
    int mode { 0 };
    int brightness { 0 };
    int speed { 0 };
    int direction { 0 };
    int colorful { 0 };
    int colorindex { 0 };
    int color_value { 0 };
    int config_func { 0 };
    int reserved { 0 };
    int status { 0 };
};

struct KeyLightData {
    int keylight_id { 0 };
    int profile { 0 };
    int light_id { 0 };
    int key_code { 0 };
    int key_rgb { 0 };
};

struct MacroData {
    int macro_id { 0 };
    std::wstring name;
    int link_count { 0 };
    int play_times { 0 };
    int delay_type { 0 };
    int delay_time { 0 };
};

struct MacroRecord {
    int record_id { 0 };
    int macro_id { 0 };
    int type { 0 };
    int record_index { 0 };
    int value { 0 };
    int delay_time { 0 };
    std::wstring desc;
};

struct MusicLayerData {
    int layer_id { 0 };
    int profile { 0 };
    std::wstring name;
    int deviceindex { 0 };
    int foremode { 0 };
    int fore_amplitude { 0 };
    int backmode { 0 };
    int backb_right { 0 };
};

// The light id of the program's one per-key colour set.
constexpr int kKeyLightSetId = 128;
// Lighting and music rows always belong to this profile.
constexpr int kLightProfile = 1;

}
