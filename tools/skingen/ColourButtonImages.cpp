#include "Generators.h"

#include <array>

// Colour swatch buttons: six frames like the check buttons. The swatch sits
// inside; under the mouse a thin ring appears, when checked an accent ring.

namespace SkinGen {

namespace {

constexpr int kSize = 28;

using SwatchFill = std::function<void(cairo_t*, double x, double y, double size)>;

void paint_swatch_frame(cairo_t* cr, int frame, SwatchFill const& fill)
{
    using namespace Theme;
    bool const checked = frame == FrameChecked || frame == FrameCheckedHover;
    double const inset = checked || frame == FramePressed ? 4.5 : 3.5;
    double const size = kSize - 2 * inset;
    if (fill) {
        cairo_save(cr);
        rounded_rect(cr, inset, inset, size, size, 5);
        cairo_clip(cr);
        fill(cr, inset, inset, size);
        cairo_restore(cr);
        stroke_inner(cr, inset, inset, size, size, 5, rgb(0, 0, 0, 0.35));
    }
    if (frame == FrameDisabled) {
        rounded_rect(cr, inset, inset, size, size, 5);
        set_colour(cr, back.with_alpha(0.65));
        cairo_fill(cr);
    }
    if (checked) {
        stroke_inner(cr, 0.5, 0.5, kSize - 1, kSize - 1, 8, frame == FrameCheckedHover ? accent_light : accent, 2.0);
    } else if (frame == FrameHover || frame == FramePressed) {
        stroke_inner(cr, 1, 1, kSize - 2, kSize - 2, 7.5, ink.with_alpha(0.45), 1.0);
    }
}

void fill_gradient(cairo_t* cr, double x, double y, double size, std::vector<Rgba> const& stops)
{
    cairo_pattern_t* pattern = cairo_pattern_create_linear(x, y + size, x + size, y);
    for (size_t i = 0; i < stops.size(); ++i) {
        Rgba const& c = stops[i];
        cairo_pattern_add_color_stop_rgb(pattern, double(i) / double(stops.size() - 1), c.r, c.g, c.b);
    }
    cairo_rectangle(cr, x, y, size, size);
    cairo_set_source(cr, pattern);
    cairo_fill(cr);
    cairo_pattern_destroy(pattern);
}

std::vector<Rgba> const& spectrum()
{
    static std::vector<Rgba> const stops{rgb(255, 40, 60), rgb(255, 200, 30), rgb(60, 230, 90), rgb(20, 220, 240),
        rgb(40, 90, 255), rgb(220, 50, 255)};
    return stops;
}

}

void add_colour_button_images(ImageList& images)
{
    images.push_back({"btn_colorful.png", 6,
        make_strip(kSize, kSize, 6,
            [](cairo_t* cr, int frame) {
                paint_swatch_frame(cr, frame, [](cairo_t* c, double x, double y, double s) {
                    fill_gradient(c, x, y, s, spectrum());
                });
            }),
        "preset colour row: multicolour (index 7)"});

    // The gradient row, indexes 0-7: each preset colour running into its neighbour.
    std::array<std::vector<Rgba>, 8> const gradients{{
        {rgb(255, 30, 60), rgb(255, 150, 40)},
        {rgb(30, 220, 100), rgb(190, 255, 60)},
        {rgb(30, 80, 255), rgb(20, 200, 255)},
        {rgb(255, 220, 30), rgb(255, 120, 30)},
        {rgb(255, 40, 200), rgb(140, 60, 255)},
        {rgb(20, 235, 225), rgb(40, 130, 255)},
        {rgb(255, 255, 255), rgb(140, 160, 190)},
        spectrum(),
    }};
    for (size_t index = 0; index < gradients.size(); ++index) {
        auto const& stops = gradients[index];
        images.push_back({"btn_colorful" + std::to_string(index + 1) + ".png", 6,
            make_strip(kSize, kSize, 6,
                [&](cairo_t* cr, int frame) {
                    paint_swatch_frame(cr, frame, [&](cairo_t* c, double x, double y, double s) {
                        fill_gradient(c, x, y, s, stops);
                    });
                }),
            "gradient colour row, index " + std::to_string(index)});
    }

    images.push_back({"btn_color.png", 6,
        make_strip(kSize, kSize, 6, [](cairo_t* cr, int frame) { paint_swatch_frame(cr, frame, nullptr); }),
        "ring drawn over plain colour swatches (transparent inside)"});
}

}
