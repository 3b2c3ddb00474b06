#include "Generators.h"

// Backgrounds of windows. Top-level windows are rectangular, so these are
// opaque to their edges; those drawn as nine-grids keep their edges uniform
// along their length.

namespace SkinGen {

namespace {

Rgba black_shadow()
{
    return rgb(0, 0, 0, 0.35);
}

void paint_panel(cairo_t* cr, double w, double h, bool accent_top)
{
    using namespace Theme;
    cairo_rectangle(cr, 0, 0, w, h);
    fill_vertical(cr, 0, h, rgb(17, 24, 35), rgb(11, 16, 23));
    cairo_rectangle(cr, 0.5, 0.5, w - 1, h - 1);
    set_colour(cr, accent.with_alpha(0.45));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    if (accent_top) {
        cairo_rectangle(cr, 1, 1, w - 2, 2);
        set_colour(cr, accent);
        cairo_fill(cr);
        cairo_rectangle(cr, 1, 3, w - 2, 26);
        fill_vertical(cr, 3, 29, accent.with_alpha(0.10), accent.with_alpha(0.0));
    }
}

void paint_main(cairo_t* cr)
{
    using namespace Theme;
    double const w = 1280, h = 720, caption = 60;
    // A fine dot grid, like the plate of a keyboard.
    set_colour(cr, white.with_alpha(0.045));
    for (double y = caption + 18; y < h - 4; y += 24)
        for (double x = 18; x < w - 4; x += 24) {
            cairo_rectangle(cr, x, y, 1, 1);
        }
    cairo_fill(cr);

    cairo_rectangle(cr, 0, 0, w, caption);
    fill_vertical(cr, 0, caption, rgb(15, 21, 31), rgb(11, 16, 24));
    cairo_rectangle(cr, 0, caption - 1, w, 1);
    set_colour(cr, line_soft);
    cairo_fill(cr);
    cairo_rectangle(cr, 0, caption, w, 1);
    set_colour(cr, black_shadow());
    cairo_fill(cr);

    cairo_rectangle(cr, 0.5, 0.5, w - 1, h - 1);
    set_colour(cr, accent.with_alpha(0.5));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

// The back colour with two wide, faint pools of the accent colour, worked
// out per pixel in floating point and rounded with a little noise: drawn in
// eight bits, gradients this faint over a dark area show rings.
void paint_back_with_pools(cairo_surface_t* surface)
{
    using namespace Theme;
    struct Pool {
        double x, y, radius, alpha;
    };
    Pool const pools[] = {{1280 * 0.82, 60, 620, 0.070}, {1280 * 0.08, 720, 520, 0.045}};
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    int const width = cairo_image_surface_get_width(surface);
    int const height = cairo_image_surface_get_height(surface);
    int const stride = cairo_image_surface_get_stride(surface);
    uint32_t state = 0x9E3779B9u;
    auto noise = [&state] {
        // Triangular noise of ±1 level: the sum of two uniform values.
        state = state * 1664525u + 1013904223u;
        double const a = (state >> 8) / double(1u << 24);
        state = state * 1664525u + 1013904223u;
        double const b = (state >> 8) / double(1u << 24);
        return a - b;
    };
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
        for (int x = 0; x < width; ++x) {
            double c[3] = {back.r, back.g, back.b};
            double const target[3] = {accent.r, accent.g, accent.b};
            for (auto const& pool : pools) {
                double const distance = std::hypot(x + 0.5 - pool.x, y + 0.5 - pool.y);
                double const alpha = pool.alpha * std::max(0.0, 1.0 - distance / pool.radius);
                for (int i = 0; i < 3; ++i)
                    c[i] += (target[i] - c[i]) * alpha;
            }
            uint32_t pixel = 0xFF000000u;
            for (int i = 0; i < 3; ++i) {
                int const level = std::clamp(int(std::lround(c[i] * 255.0 + noise())), 0, 255);
                pixel |= uint32_t(level) << (16 - 8 * i);
            }
            row[x] = pixel;
        }
    }
    cairo_surface_mark_dirty(surface);
}

}

void add_window_images(ImageList& images, Glyphs const&)
{
    using namespace Theme;
    Surface main_back = make_surface(1280, 720);
    paint_back_with_pools(main_back.get());
    {
        Context context = make_context(main_back);
        paint_main(context.get());
    }
    cairo_surface_flush(main_back.get());
    images.push_back({"bk_main.png", 1, std::move(main_back),
        "main window background (drawn at its own size): caption band 0-60, content below"});
    images.push_back({"bk_prompt.png", 1, make_image(380, 200, [](cairo_t* cr) { paint_panel(cr, 380, 200, true); }),
        "message box background, nine-grid corner 30"});
    images.push_back({"bk_dialog.png", 1, make_image(360, 200, [](cairo_t* cr) { paint_panel(cr, 360, 200, true); }),
        "background of the other dialogs (close behaviour, key assignment), nine-grid corner 30"});
    images.push_back({"bk_menu.png", 1, make_image(200, 120, [](cairo_t* cr) { paint_panel(cr, 200, 120, false); }),
        "pop-up menu background, nine-grid corner 30"});
    images.push_back({"bk_combo_drop.png", 1, make_image(200, 150, [](cairo_t* cr) { paint_panel(cr, 200, 150, false); }),
        "combo box drop-down background, nine-grid corner 8"});

    images.push_back({"img_tip_bk.png", 1, make_image(190, 100, [](cairo_t* cr) {
        double const w = 190, h = 100;
        cairo_rectangle(cr, 0, 0, w, h);
        fill_vertical(cr, 0, h, rgb(20, 28, 40), rgb(13, 18, 27));
        cairo_rectangle(cr, 0.5, 0.5, w - 1, h - 1);
        set_colour(cr, accent.with_alpha(0.7));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        cairo_rectangle(cr, 10, 30, w - 20, 1);
        set_colour(cr, line);
        cairo_fill(cr);
        // A notch at the bottom centre points at the key the tip belongs to.
        cairo_move_to(cr, w / 2 - 7, h - 1);
        cairo_line_to(cr, w / 2, h - 8);
        cairo_line_to(cr, w / 2 + 7, h - 1);
        cairo_close_path(cr);
        set_colour(cr, accent);
        cairo_fill(cr);
    }), "key tip window (190 × 100, anchored at its bottom centre); title above the line at y 30"});
}

}
