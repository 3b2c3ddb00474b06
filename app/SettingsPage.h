#pragma once

#include "app/PageController.h"

namespace Tessera {

// The page of keyboard and program settings and updates.
class SettingsPage final : public PageController {
public:
    SettingsPage();
};

}
