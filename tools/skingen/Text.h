#pragma once

#include "Theme.h"

#include <cairo.h>

#include <string>

namespace SkinGen {

enum class Align { Left, Centre };

// Draws one line of UTF-8 text in DejaVu Sans at `pixel_size`, shrunk until it
// fits `width`, vertically centred in (y, height).
void draw_text(cairo_t* cr, std::string const& text, double x, double y, double width, double height,
    double pixel_size, Rgba colour, bool bold, Align align);

}
