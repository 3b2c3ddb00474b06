#pragma once

#include "SkinImage.h"

#include <vector>

namespace SkinGen {

constexpr int kLoadingFrames = 60;
constexpr int kLoadingFrameSize = 100;

// The busy indicator as a horizontal strip of kLoadingFrames frames of
// 100 × 100 on the wait dialog's grey, opaque.
Surface paint_loading_strip();

// The strip as a one-image GIF (every colour lies between the grey and the
// accent colour, so a 256-step ramp between the two holds it without loss).
std::vector<unsigned char> loading_gif(cairo_surface_t* strip);

}
