#pragma once

#include "store/DefaultData.h"

namespace Tessera {

struct KeyboardModelState;

// The light defaults of the loaded model, for CreateDefaultLightData: one
// row per light mode of its layout with the layout's defaults.
LightDefaults MakeLightDefaults(KeyboardModelState const& model);

}
