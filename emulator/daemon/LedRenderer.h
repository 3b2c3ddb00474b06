#pragma once

#include "emulator/daemon/KeyLayout.h"
#include "emulator/firmware/KeyboardState.h"
#include "emulator/firmware/ModelCatalog.h"

#include <optional>
#include <string>

namespace Tessera::Emulator {

// Draws the keyboard's lights and key map into a PNG file: with a layout, each key's rectangle
// in its stored colour (and again in its streamed colour) with its caption and what the base
// layer does with it; without one, the 108 lights of each table in a grid by light index
// (18 per row). A text list of the key map follows. False with `error` set when the file
// cannot be written.
bool render_keyboard_png(ModelInfo const& model, KeyboardState const& state, std::optional<KeyLayout> const& layout,
    std::string const& file, std::string& error);

// Frees the drawing library's font caches; call once at exit, when no rendering runs any more
// (keeps leak checkers quiet about caches that live for the whole process).
void release_renderer_caches();

}
