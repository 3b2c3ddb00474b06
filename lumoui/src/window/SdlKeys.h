#pragma once

#include <SDL2/SDL_scancode.h>

namespace LumoUI {

// Virtual-key code of a physical key (0 for keys without one).
unsigned ScancodeToVk(SDL_Scancode scancode);

}
