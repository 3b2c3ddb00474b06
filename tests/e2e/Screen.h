#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace E2e {

// An RGB picture: a window's pixels as the X server holds them, or a PNG.
struct Picture {
    int width { 0 };
    int height { 0 };
    std::vector<std::uint32_t> pixels; // 0x00RRGGBB, row by row

    bool Empty() const { return pixels.empty(); }
    std::uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)]; }
};

struct Area {
    int left { 0 };
    int top { 0 };
    int right { 0 };
    int bottom { 0 };
};

// The pixels of a window of `display` (":12"); empty when it is not viewable.
Picture CaptureWindow(std::string const& display, unsigned long window);
// The whole screen.
Picture CaptureScreen(std::string const& display);
bool SavePng(Picture const& picture, std::string const& path);
// A PNG file composed over black (for skin images with transparency the
// background is given by `under`, which must be at least as large).
Picture LoadPng(std::string const& path);
// `image` (with its alpha) drawn over `background` at (x, y).
Picture Composite(Picture const& background, std::string const& pngWithAlpha, int x, int y);

// Mean absolute difference of the colour channels over an area (0-255).
double Difference(Picture const& a, Picture const& b, Area area);
// The same with `b` given at the area's size (a crop compared to a whole picture).
double DifferenceAt(Picture const& a, Area area, Picture const& b, int bx, int by);

// The running window manager has set _NET_SUPPORTING_WM_CHECK on the root.
bool WindowManagerRunning(std::string const& display);

}
