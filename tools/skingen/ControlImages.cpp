#include "Generators.h"

// Lists, combo box, slider, edit frame, tab bar, battery, device tiles and
// the small marks the controls draw.

namespace SkinGen {

namespace {

void add_combo_box(ImageList& images, Glyphs const& glyphs)
{
    using namespace Theme;
    int const w = 200, h = 38;
    auto paint = [&](cairo_t* cr, int frame) {
        rounded_rect(cr, 0, 0, w, h, 6);
        if (frame == FrameDisabled) {
            set_colour(cr, surface);
            cairo_fill(cr);
            stroke_inner(cr, 0, 0, w, h, 6, line_soft);
            glyphs.draw(cr, "chevron_down", w - 22, (h - 16) / 2.0, 16, ink_disabled);
            return;
        }
        fill_vertical(cr, 0, h, frame == FrameHover ? raised_hover : raised, mix(raised, back, 0.3));
        Rgba border = line;
        if (frame == FrameHover)
            border = mix(line, accent, 0.55);
        else if (frame == FramePressed)
            border = accent;
        stroke_inner(cr, 0, 0, w, h, 6, border);
        // The chevron stays inside the right corner (19 px), so a nine-grid
        // stretch of the box never distorts it.
        glyphs.draw(cr, "chevron_down", w - 22, (h - 16) / 2.0, 16, frame == FramePressed ? accent_light : ink_muted);
    };
    images.push_back({"img_combobox.png", 4, make_strip(w, h, 4, paint),
        "combo boxes (settings lists, key dialog, colour sets); nine-grid corner 19"});
}

void add_slider(ImageList& images)
{
    using namespace Theme;
    int const w = 120, h = 6;
    auto track = [&](cairo_t* cr, int frame) {
        rounded_rect(cr, 0, 0, w, h, h / 2.0);
        if (frame == 0) {
            set_colour(cr, sunken);
            cairo_fill(cr);
            stroke_inner(cr, 0, 0, w, h, h / 2.0, line);
            return;
        }
        cairo_pattern_t* pattern = cairo_pattern_create_linear(0, 0, w, 0);
        cairo_pattern_add_color_stop_rgb(pattern, 0, accent_deep.r, accent_deep.g, accent_deep.b);
        cairo_pattern_add_color_stop_rgb(pattern, 1, accent_light.r, accent_light.g, accent_light.b);
        cairo_set_source(cr, pattern);
        cairo_fill(cr);
        cairo_pattern_destroy(pattern);
    };
    images.push_back({"img_slider_back.png", 2, make_strip(w, h, 2, track),
        "slider track: frame 0 empty, frame 1 filled up to the thumb; nine-grid corner 3"});

    int const s = 18;
    auto thumb = [&](cairo_t* cr, int frame) {
        double const c = s / 2.0;
        if (frame == FrameHover) {
            cairo_arc(cr, c, c, 8.8, 0, 2 * M_PI);
            set_colour(cr, accent.with_alpha(0.30));
            cairo_fill(cr);
        }
        cairo_arc(cr, c, c, 7, 0, 2 * M_PI);
        if (frame == FrameDisabled) {
            set_colour(cr, ink_disabled);
            cairo_fill(cr);
            return;
        }
        set_colour(cr, frame == FramePressed ? accent : rgb(236, 244, 252));
        cairo_fill(cr);
        cairo_arc(cr, c, c, 6, 0, 2 * M_PI);
        set_colour(cr, frame == FramePressed ? white : accent);
        cairo_set_line_width(cr, 2.0);
        cairo_stroke(cr);
    };
    images.push_back({"img_thumb.png", 4, make_strip(s, s, 4, thumb), "slider thumb"});
}

void add_list_images(ImageList& images)
{
    using namespace Theme;
    images.push_back({"img_edit.png", 1, make_image(64, 32, [](cairo_t* cr) {
        rounded_rect(cr, 0, 0, 64, 32, 5);
        set_colour(cr, edit_back);
        cairo_fill(cr);
        stroke_inner(cr, 0, 0, 64, 32, 5, accent);
    }), "frame behind a list row being renamed; nine-grid corner 6"});

    // The list's selected row is filled with the accent colour, so the
    // selected frame is white.
    images.push_back({"icon/icon_circle.png", 2, make_strip(20, 20, 2, [](cairo_t* cr, int frame) {
        if (frame == 0) {
            cairo_arc(cr, 10, 10, 4.5, 0, 2 * M_PI);
            set_colour(cr, ink_muted.with_alpha(0.8));
            cairo_set_line_width(cr, 1.5);
            cairo_stroke(cr);
            return;
        }
        cairo_arc(cr, 10, 10, 7.5, 0, 2 * M_PI);
        set_colour(cr, white.with_alpha(0.35));
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
        cairo_arc(cr, 10, 10, 4.5, 0, 2 * M_PI);
        set_colour(cr, white);
        cairo_fill(cr);
    }), "row icon of the profile, macro and light-mode lists: frame 0 other rows, frame 1 selected row"});

    images.push_back({"img_customkey.png", 4, make_strip(36, 28, 4, [](cairo_t* cr, int frame) {
        double const w = 36, h = 28, r = 5;
        rounded_rect(cr, 0.5, 0.5, w - 1, h - 1, r);
        switch (frame) {
        case 0:
            fill_vertical(cr, 0, h, mix(raised, white, 0.02), mix(raised, back, 0.25));
            stroke_inner(cr, 0, 0, w, h, r, line);
            break;
        case 1:
            fill_vertical(cr, 0, h, raised_hover, mix(raised_hover, back, 0.2));
            stroke_inner(cr, 0, 0, w, h, r, mix(line, accent, 0.6));
            break;
        case 2:
            set_colour(cr, raised);
            cairo_fill_preserve(cr);
            fill_vertical(cr, 0, h, accent.with_alpha(0.45), accent.with_alpha(0.25));
            stroke_inner(cr, 0, 0, w, h, r, accent_light);
            break;
        default:
            set_colour(cr, surface);
            cairo_fill(cr);
            stroke_inner(cr, 0, 0, w, h, r, line_soft);
            break;
        }
    }), "key-function panel tiles: 0 normal, 1 hover, 2 picked, 3 disabled; nine-grid corner 8 on wide tiles"});
}

void add_tab_images(ImageList& images)
{
    using namespace Theme;
    images.push_back({"img_tab_bar.png", 1, make_image(300, 56, [](cairo_t* cr) {
        cairo_rectangle(cr, 0, 0, 300, 56);
        fill_vertical(cr, 0, 56, rgb(12, 17, 25), rgb(10, 14, 21));
        cairo_rectangle(cr, 0, 55, 300, 1);
        set_colour(cr, line_soft);
        cairo_fill(cr);
    }), "tab bar background; nine-grid corner 8"});

    images.push_back({"img_tab_item.png", 4, make_strip(150, 56, 4, [](cairo_t* cr, int frame) {
        double const w = 150, h = 56;
        if (frame == 1) {
            cairo_rectangle(cr, 0, 0, w, h);
            fill_vertical(cr, 0, h, raised_hover.with_alpha(0.0), raised_hover.with_alpha(0.45));
            rounded_rect(cr, 24, h - 2, w - 48, 2, 1);
            set_colour(cr, ink_muted.with_alpha(0.35));
            cairo_fill(cr);
        } else if (frame == 2) {
            cairo_rectangle(cr, 0, 0, w, h);
            fill_vertical(cr, 0, h, accent.with_alpha(0.0), accent.with_alpha(0.16));
            rounded_rect(cr, 12, h - 3, w - 24, 3, 1.5);
            set_colour(cr, accent);
            cairo_fill(cr);
            rounded_rect(cr, 8, h - 6, w - 16, 6, 3);
            set_colour(cr, accent.with_alpha(0.18));
            cairo_fill(cr);
        }
    }), "tab items: 0 normal, 1 hover, 2 selected, 3 disabled; nine-grid corner 8"});
}

void add_status_images(ImageList& images, Glyphs const& glyphs)
{
    using namespace Theme;
    images.push_back({"img_battery.png", 1, make_image(32, 16, [](cairo_t* cr) {
        stroke_inner(cr, 0, 0, 29, 16, 4, ink_muted, 1.5);
        rounded_rect(cr, 29.5, 5, 2.5, 6, 1);
        set_colour(cr, ink_muted);
        cairo_fill(cr);
    }), "battery outline; the level fills x 3-26, y 3-13 (23 × 10) inside it"});
    images.push_back({"img_battery_charging.png", 1, make_image(16, 16, [&](cairo_t* cr) {
        glyphs.draw(cr, "bolt", 0, 0, 16, success);
    }), "charging mark, drawn over the middle of the battery"});
    images.push_back({"img_upgrade_mark.png", 1, make_image(12, 12, [](cairo_t* cr) {
        cairo_arc(cr, 6, 6, 5.5, 0, 2 * M_PI);
        set_colour(cr, back);
        cairo_fill(cr);
        cairo_arc(cr, 6, 6, 4, 0, 2 * M_PI);
        set_colour(cr, rgb(255, 90, 95));
        cairo_fill(cr);
    }), "update-available mark at the top right of an update button"});

    images.push_back({"img_device_tile.png", 4, make_strip(140, 44, 4, [&](cairo_t* cr, int frame) {
        double const w = 140, h = 44, r = 8;
        rounded_rect(cr, 0, 0, w, h, r);
        Rgba glyph = ink_muted;
        switch (frame) {
        case 0:
            fill_vertical(cr, 0, h, raised, mix(raised, back, 0.3));
            stroke_inner(cr, 0, 0, w, h, r, line);
            break;
        case 1:
            fill_vertical(cr, 0, h, raised_hover, mix(raised_hover, back, 0.3));
            stroke_inner(cr, 0, 0, w, h, r, mix(line, accent, 0.55));
            glyph = ink;
            break;
        case 2:
            set_colour(cr, raised);
            cairo_fill_preserve(cr);
            fill_vertical(cr, 0, h, accent.with_alpha(0.26), accent.with_alpha(0.10));
            stroke_inner(cr, 0, 0, w, h, r, accent);
            glyph = accent_light;
            break;
        default:
            set_colour(cr, surface);
            cairo_fill(cr);
            stroke_inner(cr, 0, 0, w, h, r, line_soft);
            glyph = ink_disabled;
            break;
        }
        glyphs.draw(cr, "keyboard", 10, (h - 22) / 2.0, 22, glyph);
    }), "device selector tiles: 0 present, 1 hover, 2 current, 3 absent; name from x 40; nine-grid corner 10"});
}

}

void add_control_images(ImageList& images, Glyphs const& glyphs)
{
    add_combo_box(images, glyphs);
    add_slider(images);
    add_list_images(images);
    add_tab_images(images);
    add_status_images(images, glyphs);
}

void add_resource_images(ImageList& images)
{
    using namespace Theme;
    // Frames: 0 track, 1 thumb, 2 thumb under the mouse, 3 thumb dragged.
    auto paint = [](cairo_t* cr, int frame, double w, double h) {
        rounded_rect(cr, 0.5, 0.5, w - 1, h - 1, std::min(w, h) / 2.0 - 0.5);
        Rgba const colours[] = {line_soft.with_alpha(0.6), ink_muted.with_alpha(0.45), ink.with_alpha(0.6), accent};
        set_colour(cr, colours[frame]);
        cairo_fill(cr);
    };
    images.push_back({"101.png", 4,
        make_strip(32, 7, 4, [&](cairo_t* cr, int frame) { paint(cr, frame, 32, 7); }),
        "toolkit resource 101: horizontal scroll bar (track, thumb, hover, drag); nine-grid corner 3"});
    images.push_back({"102.png", 4,
        make_strip(7, 32, 4, [&](cairo_t* cr, int frame) { paint(cr, frame, 7, 32); }),
        "toolkit resource 102: vertical scroll bar (track, thumb, hover, drag); nine-grid corner 3"});
}

}
