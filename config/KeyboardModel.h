#pragma once

#include "config/DeviceModel.h"
#include "config/LayoutFile.h"

#include <array>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace Tessera {

// Switches the configuration database to a model's file (closing the open
// one first). The store provides the implementation; a model load calls it
// before it reads the layout, so database and layout always belong together.
class ModelDatabase {
public:
    virtual ~ModelDatabase() = default;
    virtual void SwitchToModel(std::wstring const& modelName) = 0;
};

// A key placed on a keyboard picture.
struct KeyItem {
    std::wstring caption;
    std::wstring tip;
    std::uint32_t code { 0 };
    KeyRect rect; // relative to the picture
    std::wstring icon;
};

// What a model load changes on screen. The main window implements it; the
// picture argument is the page flag of the picture (kPageKeys,
// kPageLighting, kPageSettingsPicture).
class ModelLoadView {
public:
    virtual ~ModelLoadView() = default;
    // Main tab items: 1 key assignment, 2 macros, 3 lighting.
    virtual void SetTabVisible(int item, bool visible) = 0;
    virtual void SetFirmwareUpdateVisible(bool visible) = 0;
    virtual void SetLightSliderLimits(int brightnessMax, int speedMax) = 0;
    virtual void ClearKeyboardPicture(int picture) = 0;
    // Places the picture at `rect` in the window with the image name
    // ("keyboard/<image>") and the picture's size.
    virtual void SetKeyboardPicture(int picture, KeyRect const& rect, std::wstring const& image, int width, int height) = 0;
    virtual void AddKeyItem(int picture, KeyItem const& item) = 0;
};

// The tables of the loaded model, which the key, macro and lighting code use.
// They stay until the next successful model load.
struct KeyboardModelState {
    static constexpr std::uint8_t kNoKey = 0xFF;
    static constexpr int kMacroStepsBeforeLoad = 80;
    static constexpr int kMacroStepsType3xx = 60;

    int deviceType { 0 };
    std::wstring modelName;
    std::wstring layoutName;
    int macroStepLimit { kMacroStepsBeforeLoad };

    int pageFlags { kPageFlagsBeforeLoad };
    bool sleepTime { false };
    std::wstring firmwareVersion;
    std::wstring firmwareFile;
    std::wstring firmwareUrl;
    std::wstring receiverUrl;

    bool rgbKeyboard { false };
    int defaultMode { 0 };
    int defaultBrightness { 0 };
    int defaultSpeed { 0 };
    std::vector<LayoutLightMode> lightModes;

    std::map<int, int> keyIndex;   // key code → index in the keyboard's key table
    std::map<int, int> lightIndex; // key code → index in the keyboard's light table
    std::set<int> fnDisabled;      // keys that take no Fn-layer function
    std::array<std::array<std::uint8_t, kKeyMatrixColumns>, kKeyMatrixRows> matrix {};
    int rowCount { 0 };
    int columnCount { 0 };

    KeyboardModelState();
};

struct ModelLoadContext {
    std::wstring programFolder;
    std::vector<DeviceModel> const& models; // the models of config.xml
    ModelDatabase& database;
    ModelLoadView& view;
};

// Loads the model of `deviceType`: switches the database to the model's file,
// then reads its layout file and rebuilds `state` and the pictures. False when
// the layout file is missing or malformed; the database has been switched
// anyway and the previous tables, pictures and tabs stay.
bool LoadKeyboardModel(int deviceType, ModelLoadContext const& context, KeyboardModelState& state);

}
