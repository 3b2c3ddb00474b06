#include "Canvas.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace SkinGen {

Surface make_surface(int width, int height)
{
    return Surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
}

Context make_context(Surface const& surface)
{
    return Context(cairo_create(surface.get()));
}

void set_colour(cairo_t* cr, Rgba colour)
{
    cairo_set_source_rgba(cr, colour.r, colour.g, colour.b, colour.a);
}

void rounded_rect(cairo_t* cr, double x, double y, double width, double height, double radius)
{
    double const r = std::min({radius, width / 2.0, height / 2.0});
    double const quarter = M_PI / 2.0;
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + width - r, y + r, r, -quarter, 0);
    cairo_arc(cr, x + width - r, y + height - r, r, 0, quarter);
    cairo_arc(cr, x + r, y + height - r, r, quarter, 2 * quarter);
    cairo_arc(cr, x + r, y + r, r, 2 * quarter, 3 * quarter);
    cairo_close_path(cr);
}

void fill_vertical(cairo_t* cr, double y0, double y1, Rgba top, Rgba bottom, bool preserve)
{
    cairo_pattern_t* pattern = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgba(pattern, 0, top.r, top.g, top.b, top.a);
    cairo_pattern_add_color_stop_rgba(pattern, 1, bottom.r, bottom.g, bottom.b, bottom.a);
    cairo_set_source(cr, pattern);
    if (preserve)
        cairo_fill_preserve(cr);
    else
        cairo_fill(cr);
    cairo_pattern_destroy(pattern);
}

void stroke_inner(cairo_t* cr, double x, double y, double width, double height, double radius, Rgba colour,
    double line_width)
{
    double const half = line_width / 2.0;
    rounded_rect(cr, x + half, y + half, width - line_width, height - line_width, std::max(0.0, radius - half));
    set_colour(cr, colour);
    cairo_set_line_width(cr, line_width);
    cairo_stroke(cr);
}

void glow(cairo_t* cr, double x, double y, double width, double height, double radius, Rgba colour, int rings)
{
    for (int ring = rings; ring >= 1; --ring) {
        double const spread = ring;
        rounded_rect(cr, x - spread + 0.5, y - spread + 0.5, width + 2 * spread - 1, height + 2 * spread - 1,
            radius + spread);
        set_colour(cr, colour.with_alpha(colour.a * (1.0 - double(ring) / (rings + 1)) * 0.5));
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
    }
}

namespace {

cairo_status_t append_bytes(void* closure, unsigned char const* data, unsigned int length)
{
    auto* bytes = static_cast<std::vector<unsigned char>*>(closure);
    bytes->insert(bytes->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

}

std::vector<unsigned char> png_bytes(cairo_surface_t* surface)
{
    std::vector<unsigned char> bytes;
    cairo_surface_flush(surface);
    cairo_surface_write_to_png_stream(surface, append_bytes, &bytes);
    return bytes;
}

bool write_bytes(std::vector<unsigned char> const& bytes, std::filesystem::path const& path)
{
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<char const*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(out);
}

bool write_png(cairo_surface_t* surface, std::filesystem::path const& path)
{
    auto const bytes = png_bytes(surface);
    return !bytes.empty() && write_bytes(bytes, path);
}

}
