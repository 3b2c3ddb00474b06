#include "AppIcon.h"

#include "Generators.h"

#include <algorithm>

namespace SkinGen {

namespace {

void put16(std::vector<unsigned char>& out, uint32_t value)
{
    out.push_back(uint8_t(value));
    out.push_back(uint8_t(value >> 8));
}

void put32(std::vector<unsigned char>& out, uint32_t value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

// BITMAPINFOHEADER, bottom-up straight-alpha BGRA rows, then the AND mask.
std::vector<unsigned char> bitmap_entry(cairo_surface_t* image)
{
    cairo_surface_flush(image);
    int const size = cairo_image_surface_get_width(image);
    int const stride = cairo_image_surface_get_stride(image);
    unsigned char const* data = cairo_image_surface_get_data(image);
    int const mask_stride = ((size + 31) / 32) * 4;
    std::vector<unsigned char> out;
    put32(out, 40);
    put32(out, uint32_t(size));
    put32(out, uint32_t(size * 2)); // colour rows and mask rows
    put16(out, 1);
    put16(out, 32);
    put32(out, 0);
    put32(out, uint32_t(size * size * 4 + mask_stride * size));
    for (int i = 0; i < 4; ++i)
        put32(out, 0);
    std::vector<unsigned char> mask(size_t(mask_stride) * size_t(size), 0);
    for (int y = size - 1; y >= 0; --y) {
        auto const* row = reinterpret_cast<uint32_t const*>(data + y * stride);
        for (int x = 0; x < size; ++x) {
            uint32_t const pixel = row[x];
            uint32_t const alpha = pixel >> 24;
            auto straight = [alpha](uint32_t channel) {
                return alpha == 0 ? 0u : std::min(255u, (channel * 255u + alpha / 2) / alpha);
            };
            out.push_back(uint8_t(straight(pixel & 0xFF)));
            out.push_back(uint8_t(straight((pixel >> 8) & 0xFF)));
            out.push_back(uint8_t(straight((pixel >> 16) & 0xFF)));
            out.push_back(uint8_t(alpha));
            if (alpha == 0)
                mask[size_t((size - 1 - y) * mask_stride + x / 8)] |= uint8_t(0x80 >> (x % 8));
        }
    }
    out.insert(out.end(), mask.begin(), mask.end());
    return out;
}

}

Surface paint_app_icon(int size)
{
    Surface surface = make_surface(size, size);
    Context context = make_context(surface);
    cairo_t* cr = context.get();
    if (size >= 48) {
        double const radius = size * 0.22;
        rounded_rect(cr, 0, 0, size, size, radius);
        fill_vertical(cr, 0, size, rgb(22, 31, 44), rgb(9, 13, 19));
        stroke_inner(cr, 0, 0, size, size, radius, Theme::accent.with_alpha(0.35), std::max(1.0, size / 96.0));
        paint_mark(cr, size * 0.2, size * 0.2, size * 0.6);
    } else {
        double const margin = size <= 16 ? 0.0 : std::round(size * 0.06);
        paint_mark(cr, margin, margin, size - 2 * margin);
    }
    cairo_surface_flush(surface.get());
    return surface;
}

std::vector<unsigned char> encode_ico(std::vector<cairo_surface_t*> const& images)
{
    std::vector<std::vector<unsigned char>> entries;
    for (cairo_surface_t* image : images)
        entries.push_back(bitmap_entry(image));
    std::vector<unsigned char> out;
    put16(out, 0);
    put16(out, 1); // icon
    put16(out, uint32_t(images.size()));
    uint32_t offset = uint32_t(6 + 16 * images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        int const size = cairo_image_surface_get_width(images[i]);
        out.push_back(uint8_t(size >= 256 ? 0 : size));
        out.push_back(uint8_t(size >= 256 ? 0 : size));
        out.push_back(0); // no palette
        out.push_back(0);
        put16(out, 1);  // planes
        put16(out, 32); // bits per pixel
        put32(out, uint32_t(entries[i].size()));
        put32(out, offset);
        offset += uint32_t(entries[i].size());
    }
    for (auto const& entry : entries)
        out.insert(out.end(), entry.begin(), entry.end());
    return out;
}

}
