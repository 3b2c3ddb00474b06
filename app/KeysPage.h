#pragma once

#include "app/PageController.h"

namespace Tessera {

// The page of profiles and key assignment (the profile list, the keyboard picture, the layer buttons and the key-function panel).
class KeysPage final : public PageController {
public:
    KeysPage();
};

}
