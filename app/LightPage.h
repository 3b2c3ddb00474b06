#pragma once

#include "app/PageController.h"

namespace Tessera {

// The page of light modes, per-key colours and the music and screen engines.
class LightPage final : public PageController {
public:
    LightPage();
};

}
