#include "render/Resources.h"

#include "render/ImageData.h"

#include <mutex>
#include <vector>

namespace LumoUI {

namespace {

cairo_status_t Append(void* closure, unsigned char const* data, unsigned int length)
{
    auto* out = static_cast<std::vector<uint8_t>*>(closure);
    out->insert(out->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

// The scroll-bar thumb: a rounded light bar, 7 pixels thick and 40 long.
std::vector<uint8_t> MakeScrollImage(bool vertical)
{
    int w = vertical ? 7 : 40, h = vertical ? 40 : 7;
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cairo_t* cr = cairo_create(s);
    double r = 3.5;
    cairo_new_sub_path(cr);
    cairo_arc(cr, w - r, r, r, -1.5708, 0);
    cairo_arc(cr, w - r, h - r, r, 0, 1.5708);
    cairo_arc(cr, r, h - r, r, 1.5708, 3.14159);
    cairo_arc(cr, r, r, r, 3.14159, 4.71239);
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, 0.78, 0.80, 0.84, 0.85);
    cairo_fill(cr);
    cairo_destroy(cr);
    std::vector<uint8_t> png;
    cairo_surface_write_to_png_stream(s, Append, &png);
    cairo_surface_destroy(s);
    return png;
}

}

std::span<uint8_t const> EmbeddedResource(unsigned id)
{
    static std::once_flag s_once;
    static std::vector<uint8_t> s_horizontal, s_vertical;
    std::call_once(s_once, [] {
        s_horizontal = MakeScrollImage(false);
        s_vertical = MakeScrollImage(true);
    });
    if (id == 101)
        return s_horizontal;
    if (id == 102)
        return s_vertical;
    return {};
}

}
