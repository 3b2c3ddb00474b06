#pragma once

#include <lumoui/Image.h>

#include <cairo.h>

namespace LumoUI {

// The pixels of an MImage: a cairo ARGB32 (premultiplied) image surface.
struct MImage::Data {
    cairo_surface_t* surface { nullptr };
    explicit Data(cairo_surface_t* s) : surface(s) { }
    ~Data() { cairo_surface_destroy(surface); }
    Data(Data const&) = delete;
    Data& operator=(Data const&) = delete;
};

}
