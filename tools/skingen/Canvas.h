#pragma once

#include "Theme.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// Small owning wrappers and drawing helpers over Cairo.

namespace SkinGen {

struct SurfaceDeleter {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextDeleter {
    void operator()(cairo_t* context) const { cairo_destroy(context); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;
using Context = std::unique_ptr<cairo_t, ContextDeleter>;

// A transparent ARGB32 image of the given size.
Surface make_surface(int width, int height);
Context make_context(Surface const& surface);

void set_colour(cairo_t* cr, Rgba colour);
void rounded_rect(cairo_t* cr, double x, double y, double width, double height, double radius);
// Fills the current path with a vertical gradient from `top` (at y0) to `bottom` (at y1).
void fill_vertical(cairo_t* cr, double y0, double y1, Rgba top, Rgba bottom, bool preserve = false);
// A hairline inside the rounded rectangle (x, y, w, h): crisp on whole pixels.
void stroke_inner(cairo_t* cr, double x, double y, double width, double height, double radius, Rgba colour,
    double line_width = 1.0);
// A soft glow: `rings` concentric strokes of fading alpha around a rounded rectangle.
void glow(cairo_t* cr, double x, double y, double width, double height, double radius, Rgba colour, int rings);

// PNG bytes of a surface (for files that embed PNG, such as icon files).
std::vector<unsigned char> png_bytes(cairo_surface_t* surface);
// Writes the surface as PNG, creating parent folders; false on failure.
bool write_png(cairo_surface_t* surface, std::filesystem::path const& path);
bool write_bytes(std::vector<unsigned char> const& bytes, std::filesystem::path const& path);

}
