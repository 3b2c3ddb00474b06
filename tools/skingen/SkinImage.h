#pragma once

#include "Canvas.h"

#include <functional>
#include <string>
#include <vector>

namespace SkinGen {

// One generated image: its name under the skin folder (sub-folders with '/'),
// its frame count (frames are laid side by side, all of equal width) and a
// short note on where the program uses it, for the contact sheet and README.
struct SkinImage {
    std::string name;
    int frames = 1;
    Surface surface;
    std::string use;
};

using ImageList = std::vector<SkinImage>;

// Frame order of every button strip, as the toolkit indexes it by state.
enum Frame : int {
    FrameNormal = 0,
    FrameHover = 1,
    FramePressed = 2,
    FrameDisabled = 3,
    FrameChecked = 4,
    FrameCheckedHover = 5,
};

using FramePainter = std::function<void(cairo_t*, int frame)>;

// A strip of `frames` frames of frame_width × frame_height; `paint` draws one
// frame at the origin and is clipped to it.
Surface make_strip(int frame_width, int frame_height, int frames, FramePainter const& paint);

// A single image painted by `paint`.
Surface make_image(int width, int height, std::function<void(cairo_t*)> const& paint);

}
