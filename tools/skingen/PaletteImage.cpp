#include "Generators.h"

#include <cmath>

// The colour wheel. The palette control picks the colour of the pixel under
// the pointer, so every pixel up to the radius the control accepts (65 px,
// rounded down) is exactly the colour it stands for: hue by angle (red to the
// right, then yellow, green, cyan, blue, magenta counter-clockwise),
// saturation by distance from the white centre, full value. Nothing is drawn
// over the wheel; the rim lies outside the pickable disc.

namespace SkinGen {

namespace {

constexpr int kSize = 140;
constexpr double kCentre = kSize / 2.0;
constexpr double kDiscRadius = 66.0;

void hsv_to_rgb(double hue, double saturation, double& r, double& g, double& b)
{
    double const h = std::fmod(hue, 360.0) / 60.0;
    int const sector = int(std::floor(h)) % 6;
    double const f = h - std::floor(h);
    double const p = 1.0 - saturation;
    double const q = 1.0 - saturation * f;
    double const t = 1.0 - saturation * (1.0 - f);
    switch (sector) {
    case 0: r = 1; g = t; b = p; break;
    case 1: r = q; g = 1; b = p; break;
    case 2: r = p; g = 1; b = t; break;
    case 3: r = p; g = q; b = 1; break;
    case 4: r = t; g = p; b = 1; break;
    default: r = 1; g = p; b = q; break;
    }
}

}

void add_palette_image(ImageList& images)
{
    Surface surface = make_surface(kSize, kSize);
    {
        Context context = make_context(surface);
        cairo_t* cr = context.get();
        cairo_arc(cr, kCentre, kCentre, kDiscRadius + 2.5, 0, 2 * M_PI);
        set_colour(cr, Theme::line);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    cairo_surface_flush(surface.get());
    unsigned char* data = cairo_image_surface_get_data(surface.get());
    int const stride = cairo_image_surface_get_stride(surface.get());
    for (int y = 0; y < kSize; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
        for (int x = 0; x < kSize; ++x) {
            double const dx = x + 0.5 - kCentre;
            double const dy = kCentre - (y + 0.5);
            double const distance = std::hypot(dx, dy);
            if (distance > kDiscRadius + 1.0)
                continue;
            double hue = std::atan2(dy, dx) * 180.0 / M_PI;
            if (hue < 0)
                hue += 360.0;
            double r, g, b;
            hsv_to_rgb(hue, std::min(1.0, distance / kDiscRadius), r, g, b);
            // Opaque inside the disc; only the outermost ring is smoothed.
            double const alpha = distance <= kDiscRadius ? 1.0 : kDiscRadius + 1.0 - distance;
            auto channel = [alpha](double value) { return uint32_t(std::lround(value * alpha * 255.0)); };
            row[x] = (uint32_t(std::lround(alpha * 255.0)) << 24) | (channel(r) << 16) | (channel(g) << 8) | channel(b);
        }
    }
    cairo_surface_mark_dirty(surface.get());
    images.push_back({"img_circlepalette.png", 1, std::move(surface),
        "colour wheel (140 × 140, disc radius 66 around the centre); the picked colour is the pixel's own"});
}

}
