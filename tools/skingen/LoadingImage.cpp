#include "LoadingImage.h"

#include "GifWriter.h"

#include <algorithm>
#include <cmath>

namespace SkinGen {

namespace {

constexpr double kRingRadius = 26.0;
constexpr double kRingWidth = 6.0;
constexpr double kTailDegrees = 200.0;

void paint_frame(cairo_t* cr, int frame)
{
    using namespace Theme;
    double const c = kLoadingFrameSize / 2.0;
    cairo_rectangle(cr, 0, 0, kLoadingFrameSize, kLoadingFrameSize);
    set_colour(cr, wait_back);
    cairo_fill(cr);

    cairo_arc(cr, c, c, kRingRadius, 0, 2 * M_PI);
    set_colour(cr, accent.with_alpha(0.12));
    cairo_set_line_width(cr, kRingWidth);
    cairo_stroke(cr);

    // A comet runs round the ring: its head full accent, its tail fading out.
    double const head = (frame * 360.0 / kLoadingFrames - 90.0) * M_PI / 180.0;
    int const steps = 40;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    for (int step = 0; step < steps; ++step) {
        double const from = head - kTailDegrees * M_PI / 180.0 * (1.0 - double(step) / steps);
        double const to = head - kTailDegrees * M_PI / 180.0 * (1.0 - double(step + 1) / steps) + 0.01;
        cairo_arc(cr, c, c, kRingRadius, from, to);
        set_colour(cr, accent.with_alpha(std::pow(double(step + 1) / steps, 1.2)));
        cairo_stroke(cr);
    }
    cairo_arc(cr, c + kRingRadius * std::cos(head), c + kRingRadius * std::sin(head), kRingWidth / 2.0, 0, 2 * M_PI);
    set_colour(cr, accent);
    cairo_fill(cr);
}

}

Surface paint_loading_strip()
{
    return make_strip(kLoadingFrameSize, kLoadingFrameSize, kLoadingFrames, paint_frame);
}

std::vector<unsigned char> loading_gif(cairo_surface_t* strip)
{
    using namespace Theme;
    auto to_byte = [](double value) { return int(std::lround(value * 255.0)); };
    int const back_r = to_byte(wait_back.r), back_g = to_byte(wait_back.g), back_b = to_byte(wait_back.b);
    int const accent_r = to_byte(accent.r), accent_g = to_byte(accent.g), accent_b = to_byte(accent.b);
    std::array<uint32_t, 256> palette{};
    for (int i = 0; i < 256; ++i) {
        auto lerp = [i](int a, int b) { return uint32_t(std::lround(a + (b - a) * i / 255.0)); };
        palette[size_t(i)] = (lerp(back_r, accent_r) << 16) | (lerp(back_g, accent_g) << 8) | lerp(back_b, accent_b);
    }
    cairo_surface_flush(strip);
    int const width = cairo_image_surface_get_width(strip);
    int const height = cairo_image_surface_get_height(strip);
    int const stride = cairo_image_surface_get_stride(strip);
    unsigned char const* data = cairo_image_surface_get_data(strip);
    std::vector<uint8_t> indexes(size_t(width) * size_t(height));
    for (int y = 0; y < height; ++y) {
        auto const* row = reinterpret_cast<uint32_t const*>(data + y * stride);
        for (int x = 0; x < width; ++x) {
            // Blue moves furthest between the two ends, so it places the pixel on the ramp.
            int const blue = int(row[x] & 0xFF);
            double const t = std::clamp(double(blue - back_b) / double(accent_b - back_b), 0.0, 1.0);
            indexes[size_t(y) * size_t(width) + size_t(x)] = uint8_t(std::lround(t * 255.0));
        }
    }
    return encode_gif(width, height, palette, indexes);
}

}
