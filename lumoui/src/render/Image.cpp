#include "render/ImageData.h"

#include <lumoui/Types.h>

#include <fstream>
#include <iterator>
#include <vector>

#define STB_IMAGE_IMPLEMENTATION
#if defined(__GNUC__)
#    pragma GCC diagnostic push
#    pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#    pragma GCC diagnostic ignored "-Wunused-function"
#    pragma GCC diagnostic ignored "-Wsign-compare"
#endif
#include <stb/stb_image.h>
#if defined(__GNUC__)
#    pragma GCC diagnostic pop
#endif

namespace LumoUI {

namespace {

uint32_t Premultiply(ARGB c)
{
    uint32_t a = c >> 24;
    if (a == 255)
        return c;
    auto mul = [a](uint32_t v) { return (v * a + 127) / 255; };
    return (a << 24) | (mul((c >> 16) & 0xFF) << 16) | (mul((c >> 8) & 0xFF) << 8) | mul(c & 0xFF);
}

ARGB Unpremultiply(uint32_t p)
{
    uint32_t a = p >> 24;
    if (a == 255 || a == 0)
        return a == 0 ? 0 : p;
    auto div = [a](uint32_t v) { return std::min(255u, (v * 255 + a / 2) / a); };
    return (a << 24) | (div((p >> 16) & 0xFF) << 16) | (div((p >> 8) & 0xFF) << 8) | div(p & 0xFF);
}

// ICO files carry PNG or BMP images; stb reads neither container, so take
// the largest PNG entry when there is one.
std::vector<uint8_t> IcoToPng(std::span<uint8_t const> bytes)
{
    if (bytes.size() < 6 || bytes[0] != 0 || bytes[1] != 0 || bytes[2] != 1 || bytes[3] != 0)
        return {};
    size_t count = bytes[4] | (bytes[5] << 8);
    size_t bestSize = 0;
    std::vector<uint8_t> best;
    for (size_t i = 0; i < count && 6 + 16 * (i + 1) <= bytes.size(); ++i) {
        auto const* e = bytes.data() + 6 + 16 * i;
        size_t size = e[8] | (e[9] << 8) | (e[10] << 16) | (size_t(e[11]) << 24);
        size_t offset = e[12] | (e[13] << 8) | (e[14] << 16) | (size_t(e[15]) << 24);
        if (offset + size > bytes.size() || size < 8 || bytes[offset] != 0x89)
            continue;
        if (size > bestSize) {
            bestSize = size;
            best.assign(bytes.begin() + offset, bytes.begin() + offset + size);
        }
    }
    return best;
}

}

MImage MImage::Create(int width, int height)
{
    if (width <= 0 || height <= 0)
        return {};
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        return {};
    }
    MImage image;
    image.m_data = std::make_shared<Data>(s);
    return image;
}

MImage MImage::FromARGB(int width, int height, std::span<uint32_t const> pixels)
{
    if (pixels.size() < static_cast<size_t>(width) * static_cast<size_t>(std::max(height, 0)))
        return {};
    MImage image = Create(width, height);
    if (image.IsNull())
        return image;
    cairo_surface_t* s = image.m_data->surface;
    cairo_surface_flush(s);
    auto* base = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(base + y * stride);
        for (int x = 0; x < width; ++x)
            row[x] = Premultiply(pixels[static_cast<size_t>(y) * width + x]);
    }
    cairo_surface_mark_dirty(s);
    return image;
}

MImage MImage::LoadFromMemory(std::span<uint8_t const> bytes)
{
    if (bytes.empty())
        return {};
    std::vector<uint8_t> ico = IcoToPng(bytes);
    if (!ico.empty())
        bytes = ico;
    int w = 0, h = 0, channels = 0;
    stbi_uc* rgba = stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &w, &h, &channels, 4);
    if (!rgba)
        return {};
    std::vector<uint32_t> argb(static_cast<size_t>(w) * h);
    for (size_t i = 0; i < argb.size(); ++i) {
        stbi_uc const* p = rgba + i * 4;
        argb[i] = MakeARGB(p[3], p[0], p[1], p[2]);
    }
    stbi_image_free(rgba);
    return FromARGB(w, h, argb);
}

MImage MImage::LoadFromFile(CString const& path)
{
    std::ifstream in(ToUtf8(path), std::ios::binary);
    if (!in)
        return {};
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return LoadFromMemory(bytes);
}

int MImage::Width() const { return m_data ? cairo_image_surface_get_width(m_data->surface) : 0; }
int MImage::Height() const { return m_data ? cairo_image_surface_get_height(m_data->surface) : 0; }

ARGB MImage::GetPixel(int x, int y) const
{
    if (!m_data || x < 0 || y < 0 || x >= Width() || y >= Height())
        return 0;
    cairo_surface_flush(m_data->surface);
    auto* base = cairo_image_surface_get_data(m_data->surface);
    int stride = cairo_image_surface_get_stride(m_data->surface);
    return Unpremultiply(reinterpret_cast<uint32_t const*>(base + y * stride)[x]);
}

void MImage::SetPixel(int x, int y, ARGB color)
{
    if (!m_data || x < 0 || y < 0 || x >= Width() || y >= Height())
        return;
    cairo_surface_flush(m_data->surface);
    auto* base = cairo_image_surface_get_data(m_data->surface);
    int stride = cairo_image_surface_get_stride(m_data->surface);
    reinterpret_cast<uint32_t*>(base + y * stride)[x] = Premultiply(color);
    cairo_surface_mark_dirty(m_data->surface);
}

MImage MImage::Clone() const
{
    if (!m_data)
        return {};
    MImage copy = Create(Width(), Height());
    if (copy.IsNull())
        return copy;
    cairo_t* cr = cairo_create(copy.m_data->surface);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, m_data->surface, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    return copy;
}

bool MImage::SavePng(CString const& path) const
{
    if (!m_data)
        return false;
    return cairo_surface_write_to_png(m_data->surface, ToUtf8(path).c_str()) == CAIRO_STATUS_SUCCESS;
}

}
