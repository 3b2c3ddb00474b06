#pragma once

#include "Canvas.h"

#include <vector>

namespace SkinGen {

// The program's icon at `size` pixels: the mark on a dark rounded plate from
// 48 pixels up; the bare mark below, where a plate would eat the detail.
Surface paint_app_icon(int size);

// An icon file (".ico") holding the given square images (up to 256 pixels) as
// 32-bit bitmaps with an AND mask. No entry is stored as PNG: some readers
// (gdk-pixbuf among them) misread every entry of a file that holds one.
std::vector<unsigned char> encode_ico(std::vector<cairo_surface_t*> const& images);

}
