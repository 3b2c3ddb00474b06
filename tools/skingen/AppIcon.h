#pragma once

#include "Canvas.h"

#include <vector>

namespace SkinGen {

// The program's icon at `size` pixels: the mark on a dark rounded plate from
// 48 pixels up; the bare mark below, where a plate would eat the detail.
Surface paint_app_icon(int size);

// An icon file (".ico") holding the given square images: 256 pixels and up as
// embedded PNG, smaller ones as 32-bit bitmaps with an AND mask, which every
// icon reader understands.
std::vector<unsigned char> encode_ico(std::vector<cairo_surface_t*> const& images);

}
