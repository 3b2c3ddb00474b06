#pragma once

#include <lumoui/Image.h>

// The whole X screen as the desktop shows it (windows, pop-ups, frames);
// a null image without a display.
LumoUI::MImage GrabScreen();
