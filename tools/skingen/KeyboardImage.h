#pragma once

#include "Canvas.h"
#include "Glyphs.h"
#include "Layout.h"

namespace SkinGen {

// The keyboard picture of a layout: a dark case and one keycap per key
// rectangle, with the key's caption or the glyph of its media icon, so the
// picture and the key items that the program lays over it always agree.
Surface paint_keyboard(KeyboardLayout const& layout, Glyphs const& glyphs);

}
