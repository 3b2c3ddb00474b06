#include "Generators.h"

// Push buttons (four frames: normal, hover, pressed, disabled) and buttons with
// a check state (six frames: the four, then checked and checked under the mouse).

namespace SkinGen {

namespace {

constexpr double kRadius = 6.0;

enum class Tone { Primary, Secondary, Selected };

bool is_checked(int frame)
{
    return frame == FrameChecked || frame == FrameCheckedHover;
}

bool is_hover(int frame)
{
    return frame == FrameHover || frame == FrameCheckedHover;
}

void top_bevel(cairo_t* cr, double w, double alpha)
{
    cairo_move_to(cr, kRadius, 1.5);
    cairo_line_to(cr, w - kRadius, 1.5);
    set_colour(cr, Theme::white.with_alpha(alpha));
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
}

void paint_body(cairo_t* cr, double w, double h, Tone tone, int frame)
{
    using namespace Theme;
    if (is_checked(frame))
        tone = Tone::Selected;
    bool const hover = is_hover(frame);
    bool const pressed = frame == FramePressed;
    rounded_rect(cr, 0, 0, w, h, kRadius);
    if (frame == FrameDisabled) {
        set_colour(cr, surface);
        cairo_fill(cr);
        stroke_inner(cr, 0, 0, w, h, kRadius, mix(line_soft, line, 0.5));
        return;
    }
    switch (tone) {
    case Tone::Primary:
        if (pressed)
            fill_vertical(cr, 0, h, accent_deep, mix(accent_deep, back, 0.25));
        else if (hover)
            fill_vertical(cr, 0, h, mix(accent, white, 0.16), mix(accent, accent_deep, 0.35));
        else
            // Darker towards the bottom, so white captions keep their contrast.
            fill_vertical(cr, 0, h, accent, mix(accent, accent_deep, 0.85));
        stroke_inner(cr, 0, 0, w, h, kRadius, mix(accent_deep, back, 0.3).with_alpha(0.9));
        if (!pressed)
            top_bevel(cr, w, 0.30);
        break;
    case Tone::Secondary:
        if (pressed)
            fill_vertical(cr, 0, h, sunken, mix(sunken, raised, 0.4));
        else if (hover)
            fill_vertical(cr, 0, h, mix(raised_hover, white, 0.03), raised_hover);
        else
            fill_vertical(cr, 0, h, mix(raised, white, 0.03), mix(raised, back, 0.2));
        stroke_inner(cr, 0, 0, w, h, kRadius, pressed ? accent.with_alpha(0.55) : hover ? mix(line, accent, 0.55) : line);
        if (!pressed)
            top_bevel(cr, w, 0.06);
        break;
    case Tone::Selected:
        set_colour(cr, raised);
        cairo_fill_preserve(cr);
        fill_vertical(cr, 0, h, accent.with_alpha(hover || pressed ? 0.38 : 0.28), accent.with_alpha(hover ? 0.22 : 0.14));
        stroke_inner(cr, 0, 0, w, h, kRadius, hover ? accent_light : accent);
        top_bevel(cr, w, 0.10);
        break;
    }
}

void add_push_button(ImageList& images, std::string name, Tone tone, int frames, int w, int h, std::string use)
{
    images.push_back({std::move(name), frames,
        make_strip(w, h, frames, [&](cairo_t* cr, int frame) { paint_body(cr, w, h, tone, frame); }), std::move(use)});
}

// A square button with a glyph; `danger` turns the glyph red under the mouse.
void add_glyph_button(ImageList& images, Glyphs const& glyphs, std::string name, std::string const& glyph,
    bool danger, std::string use)
{
    using namespace Theme;
    int const size = 32;
    auto paint = [&](cairo_t* cr, int frame) {
        paint_body(cr, size, size, Tone::Secondary, frame);
        Rgba colour = ink;
        if (frame == FrameHover)
            colour = danger ? mix(Theme::danger, white, 0.2) : accent_light;
        else if (frame == FramePressed)
            colour = danger ? Theme::danger : white;
        else if (frame == FrameDisabled)
            colour = ink_disabled;
        glyphs.draw(cr, glyph, 7, 7, 18, colour);
    };
    images.push_back({std::move(name), 4, make_strip(size, size, 4, paint), std::move(use)});
}

// The caption buttons of windows: a bare glyph that gains a plate under the mouse.
void add_caption_button(ImageList& images, Glyphs const& glyphs, std::string name, std::string const& glyph,
    bool closes, std::string use)
{
    using namespace Theme;
    int const size = 30;
    auto paint = [&](cairo_t* cr, int frame) {
        Rgba colour = ink_muted;
        if (frame == FrameHover || frame == FramePressed) {
            rounded_rect(cr, 1, 1, size - 2, size - 2, 7);
            if (closes)
                set_colour(cr, frame == FramePressed ? mix(danger, back, 0.3) : danger);
            else
                set_colour(cr, frame == FramePressed ? sunken : raised_hover);
            cairo_fill(cr);
            colour = closes ? white : ink;
        } else if (frame == FrameDisabled) {
            colour = ink_disabled;
        }
        glyphs.draw(cr, glyph, 7, 7, 16, colour);
    };
    images.push_back({std::move(name), 4, make_strip(size, size, 4, paint), std::move(use)});
}

void paint_check_box(cairo_t* cr, Glyphs const& glyphs, int frame)
{
    using namespace Theme;
    double const x = 2, y = 2, s = 16, r = 4;
    rounded_rect(cr, x, y, s, s, r);
    if (is_checked(frame)) {
        if (frame == FrameCheckedHover)
            glow(cr, x, y, s, s, r, accent, 2);
        rounded_rect(cr, x, y, s, s, r);
        fill_vertical(cr, y, y + s, frame == FrameCheckedHover ? accent_light : mix(accent, white, 0.1), accent_deep);
        glyphs.draw(cr, "check", x + 1, y + 1, s - 2, white);
        return;
    }
    set_colour(cr, frame == FrameDisabled ? surface : frame == FramePressed ? accent.with_alpha(0.25) : sunken);
    cairo_fill(cr);
    Rgba border = ink_muted.with_alpha(0.6);
    if (frame == FrameHover || frame == FramePressed)
        border = accent;
    else if (frame == FrameDisabled)
        border = ink_disabled;
    stroke_inner(cr, x, y, s, s, r, border, 1.5);
}

void paint_radio(cairo_t* cr, int frame)
{
    using namespace Theme;
    double const c = 10, radius = 8;
    cairo_arc(cr, c, c, radius, 0, 2 * M_PI);
    if (is_checked(frame)) {
        if (frame == FrameCheckedHover)
            glow(cr, c - radius, c - radius, 2 * radius, 2 * radius, radius, accent, 2);
        cairo_arc(cr, c, c, radius, 0, 2 * M_PI);
        fill_vertical(cr, c - radius, c + radius, frame == FrameCheckedHover ? accent_light : mix(accent, white, 0.1),
            accent_deep);
        cairo_arc(cr, c, c, 3.2, 0, 2 * M_PI);
        set_colour(cr, white);
        cairo_fill(cr);
        return;
    }
    set_colour(cr, frame == FrameDisabled ? surface : frame == FramePressed ? accent.with_alpha(0.25) : sunken);
    cairo_fill(cr);
    Rgba border = ink_muted.with_alpha(0.6);
    if (frame == FrameHover || frame == FramePressed)
        border = accent;
    else if (frame == FrameDisabled)
        border = ink_disabled;
    cairo_arc(cr, c, c, radius - 0.75, 0, 2 * M_PI);
    set_colour(cr, border);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void add_direction_button(ImageList& images, Glyphs const& glyphs, std::string name, std::string const& glyph,
    std::string use)
{
    using namespace Theme;
    int const w = 40, h = 32;
    auto paint = [&](cairo_t* cr, int frame) {
        paint_body(cr, w, h, Tone::Secondary, frame);
        Rgba colour = ink_muted;
        if (is_checked(frame))
            colour = frame == FrameCheckedHover ? white : accent_light;
        else if (frame == FrameHover || frame == FramePressed)
            colour = ink;
        else if (frame == FrameDisabled)
            colour = ink_disabled;
        glyphs.draw(cr, glyph, (w - 18) / 2.0, (h - 18) / 2.0, 18, colour);
    };
    images.push_back({std::move(name), 6, make_strip(w, h, 6, paint), std::move(use)});
}

}

void add_button_images(ImageList& images, Glyphs const& glyphs)
{
    add_push_button(images, "btn_apply.png", Tone::Primary, 4, 120, 36,
        "confirm and apply buttons (close-behaviour dialog, key dialog, settings, per-key lighting)");
    add_push_button(images, "btn_secondary.png", Tone::Secondary, 4, 120, 36,
        "text buttons without a named image (macro page buttons, message box buttons)");
    add_push_button(images, "img_btn_layer_p.png", Tone::Selected, 4, 120, 36, "layer button, selected layer");
    add_push_button(images, "img_btn_layer_n.png", Tone::Secondary, 4, 120, 36, "layer button, other layer");
    add_push_button(images, "btn_switch.png", Tone::Secondary, 6, 90, 32, "Fn switch off/on buttons (KeyLayerButton)");

    images.push_back({"btn_checkbox.png", 6,
        make_strip(20, 20, 6, [&](cairo_t* cr, int frame) { paint_check_box(cr, glyphs, frame); }),
        "check boxes (start with the session, multicolour)"});
    images.push_back({"btn_radiobox.png", 6, make_strip(20, 20, 6, paint_radio),
        "radio buttons (close behaviour, macro delay type, event entry)"});

    add_direction_button(images, glyphs, "btn_direction_left.png", "arrow_left", "light direction: left");
    add_direction_button(images, glyphs, "btn_direction_right.png", "arrow_right", "light direction: right");
    add_direction_button(images, glyphs, "btn_direction_top.png", "arrow_up", "light direction: top");
    add_direction_button(images, glyphs, "btn_direction_bottom.png", "arrow_down", "light direction: bottom");

    add_glyph_button(images, glyphs, "imgbtn_add.png", "add", false, "profile list: add");
    add_glyph_button(images, glyphs, "imgbtn_del.png", "delete", true, "profile list: delete");
    add_glyph_button(images, glyphs, "imgbtn_edit.png", "edit", false, "profile list: rename");
    add_glyph_button(images, glyphs, "imgbtn_import.png", "import", false, "profile list: import");
    add_glyph_button(images, glyphs, "imgbtn_export.png", "export", false, "profile list: export");
    add_glyph_button(images, glyphs, "btn_record_up.png", "arrow_up", false, "macro events: move up");
    add_glyph_button(images, glyphs, "btn_record_down.png", "arrow_down", false, "macro events: move down");
    add_glyph_button(images, glyphs, "btn_record_del.png", "delete", true, "macro events: delete");
    add_glyph_button(images, glyphs, "btn_record_time.png", "clock", false, "macro events: insert a delay");

    add_caption_button(images, glyphs, "main_sysbtn_close.png", "close", true, "close buttons of windows and dialogs");
    add_caption_button(images, glyphs, "main_sysbtn_min.png", "minimise", false, "main window: minimise");
    add_caption_button(images, glyphs, "main_sysbtn_web.png", "globe", false, "main window: web site");
}

}
