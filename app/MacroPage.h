#pragma once

#include "app/PageController.h"

namespace Tessera {

// The page of the macro list, the macro editor and recording.
class MacroPage final : public PageController {
public:
    MacroPage();
};

}
