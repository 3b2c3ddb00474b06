#pragma once

#include "emulator/firmware/KeyboardState.h"
#include "emulator/firmware/ModelCatalog.h"

#include <string>

namespace Tessera::Emulator {

// Draws the keyboard's lights (stored and streamed colour tables, 108 lights each, in a grid by
// light index: 18 per row) and its key map as text into a PNG file. False with `error` set when
// the file cannot be written.
bool render_keyboard_png(ModelInfo const& model, KeyboardState const& state, std::string const& file, std::string& error);

}
