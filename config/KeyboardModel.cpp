#include "config/KeyboardModel.h"

namespace Tessera {

namespace {

constexpr int kPictures[] = { kPageKeys, kPageLighting, kPageSettingsPicture };

DeviceModel const* FindModel(std::vector<DeviceModel> const& models, int deviceType)
{
    for (DeviceModel const& model : models) {
        if (model.deviceType == deviceType)
            return &model;
    }
    return nullptr;
}

void ApplyMenu(KeyboardLayout const& layout, KeyboardModelState& state, ModelLoadView& view)
{
    if (!layout.hasMenu)
        return;
    state.pageFlags = layout.pageFlags;
    view.SetTabVisible(1, (state.pageFlags & kPageKeys) != 0);
    view.SetTabVisible(2, (state.pageFlags & kPageMacros) != 0);
    view.SetTabVisible(3, (state.pageFlags & kPageLighting) != 0);
}

void ApplyFirmware(KeyboardLayout const& layout, KeyboardModelState& state, ModelLoadView& view)
{
    if (!layout.hasFirmware)
        return;
    state.firmwareVersion = layout.firmwareVersion;
    state.firmwareFile = layout.firmwareFile;
    state.firmwareUrl = layout.firmwareUrl;
    state.receiverUrl = layout.receiverUrl;
    view.SetFirmwareUpdateVisible(!layout.firmwareVersion.empty() && !layout.firmwareFile.empty());
}

void ApplyLight(KeyboardLayout const& layout, KeyboardModelState& state, ModelLoadView& view)
{
    if (!layout.hasLight)
        return;
    state.rgbKeyboard = layout.rgbKeyboard;
    state.defaultMode = layout.defaultMode;
    state.defaultBrightness = layout.defaultBrightness;
    state.defaultSpeed = layout.defaultSpeed;
    view.SetLightSliderLimits(layout.brightnessMax, layout.speedMax);
    state.lightModes = layout.lightModes;
}

void ClearKeyTables(KeyboardModelState& state, ModelLoadView& view)
{
    state.keyIndex.clear();
    state.lightIndex.clear();
    state.fnDisabled.clear();
    state.rowCount = 0;
    state.columnCount = 0;
    for (auto& row : state.matrix)
        row.fill(KeyboardModelState::kNoKey);
    for (int picture : kPictures) {
        if (state.pageFlags & picture)
            view.ClearKeyboardPicture(picture);
    }
}

void AddKey(LayoutKey const& key, KeyboardModelState& state, ModelLoadView& view)
{
    state.keyIndex[key.code] = key.keyIndex;
    state.lightIndex[key.code] = key.lightIndex;
    if (key.fnLayerDisable)
        state.fnDisabled.insert(key.code);
    // A cell outside the matrix was refused when the file was read.
    if (key.cell)
        state.matrix[static_cast<size_t>(key.cell->row)][static_cast<size_t>(key.cell->column)]
            = static_cast<std::uint8_t>(key.code & 0xFF);
    KeyItem item { key.name, key.desc, static_cast<std::uint32_t>(key.code), key.rect, key.icon };
    for (int picture : kPictures) {
        if (state.pageFlags & picture)
            view.AddKeyItem(picture, item);
    }
}

void ApplyKeyboard(KeyboardLayout const& layout, KeyboardModelState& state, ModelLoadView& view)
{
    if (!layout.hasKeyboard)
        return;
    state.rowCount = layout.rowCount;
    state.columnCount = layout.columnCount;
    for (int picture : kPictures) {
        if (state.pageFlags & picture)
            view.SetKeyboardPicture(picture, layout.pictureRect, L"keyboard/" + layout.image, layout.pictureWidth,
                                    layout.pictureHeight);
    }
    for (LayoutKey const& key : layout.keys)
        AddKey(key, state, view);
}

}

KeyboardModelState::KeyboardModelState()
{
    for (auto& row : matrix)
        row.fill(kNoKey);
}

bool LoadKeyboardModel(int deviceType, ModelLoadContext const& context, KeyboardModelState& state)
{
    state.firmwareUrl.clear();
    state.receiverUrl.clear();
    DeviceModel const* model = FindModel(context.models, deviceType);
    std::wstring layoutName = model ? model->deviceInfo : std::wstring();
    std::wstring modelName = model ? model->name : std::wstring();
    state.deviceType = deviceType;
    context.database.SwitchToModel(modelName);
    state.modelName = modelName;
    state.layoutName = layoutName;
    // The step limit belongs to the model: 3xx keyboards hold 60 steps.
    state.macroStepLimit = deviceType >= 300 && deviceType <= 399 ? KeyboardModelState::kMacroStepsType3xx
                                                                  : KeyboardModelState::kMacroStepsBeforeLoad;

    auto layout = layoutName.empty() ? std::nullopt : ReadLayoutFile(LayoutFilePath(context.programFolder, layoutName));
    if (!layout)
        return false;
    ApplyMenu(*layout, state, context.view);
    if (layout->hasFunction)
        state.sleepTime = layout->sleepTime;
    ApplyFirmware(*layout, state, context.view);
    ApplyLight(*layout, state, context.view);
    ClearKeyTables(state, context.view);
    ApplyKeyboard(*layout, state, context.view);
    return true;
}

}
