#include "store/ModelLightDefaults.h"

#include "config/KeyboardModel.h"

namespace Tessera {

LightDefaults MakeLightDefaults(KeyboardModelState const& model)
{
    LightDefaults defaults;
    for (LayoutLightMode const& mode : model.lightModes) {
        LightData& row = defaults.modes.emplace_back();
        row.name = mode.name;
        row.mode = mode.mode;
        row.config_func = mode.attribute;
    }
    defaults.defaultMode = model.defaultMode;
    defaults.defaultBrightness = model.defaultBrightness;
    defaults.defaultSpeed = model.defaultSpeed;
    defaults.deviceType = model.deviceType;
    return defaults;
}

}
