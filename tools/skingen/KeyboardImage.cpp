#include "KeyboardImage.h"

#include "Text.h"

#include <algorithm>
#include <climits>
#include <map>

namespace SkinGen {

namespace {

// Arrow keys read better as arrows.
std::string legend(std::string const& name)
{
    static std::map<std::string, std::string> const arrows{
        {"Up", "\u2191"}, {"Down", "\u2193"}, {"Left", "\u2190"}, {"Right", "\u2192"}};
    auto const found = arrows.find(name);
    return found == arrows.end() ? name : found->second;
}

void paint_case(cairo_t* cr, KeyboardLayout const& layout)
{
    using namespace Theme;
    double const w = layout.width, h = layout.height;
    rounded_rect(cr, 0, 0, w, h, 14);
    fill_vertical(cr, 0, h, rgb(27, 35, 48), rgb(14, 19, 27));
    stroke_inner(cr, 0, 0, w, h, 14, rgb(0, 0, 0, 0.5));
    stroke_inner(cr, 1, 1, w - 2, h - 2, 13, white.with_alpha(0.05));
    // A thin light edge along the top of the case, brightest in the middle.
    cairo_pattern_t* edge = cairo_pattern_create_linear(16, 0, w - 16, 0);
    cairo_pattern_add_color_stop_rgba(edge, 0.0, accent.r, accent.g, accent.b, 0.0);
    cairo_pattern_add_color_stop_rgba(edge, 0.5, accent.r, accent.g, accent.b, 0.45);
    cairo_pattern_add_color_stop_rgba(edge, 1.0, accent.r, accent.g, accent.b, 0.0);
    cairo_rectangle(cr, 16, 1, w - 32, 1);
    cairo_set_source(cr, edge);
    cairo_fill(cr);
    cairo_pattern_destroy(edge);

    // The plate under the caps: the keys' bounding box with a small margin.
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    for (auto const& key : layout.keys) {
        if (key.width <= 0 || key.height <= 0)
            continue;
        left = std::min(left, key.x);
        top = std::min(top, key.y);
        right = std::max(right, key.x + key.width);
        bottom = std::max(bottom, key.y + key.height);
    }
    if (left > right)
        return;
    double const margin = 4;
    rounded_rect(cr, left - margin, top - margin, right - left + 2 * margin, bottom - top + 2 * margin, 8);
    fill_vertical(cr, top, bottom, rgb(6, 9, 13), rgb(9, 13, 19));
    stroke_inner(cr, left - margin, top - margin, right - left + 2 * margin, bottom - top + 2 * margin, 8,
        accent.with_alpha(0.10));
}

// "icon//icon_pre.png" → the glyph "pre" that drew that icon.
std::string icon_glyph(std::string const& icon)
{
    std::string name = icon;
    for (char& c : name)
        if (c == '\\')
            c = '/';
    auto const slash = name.find_last_of('/');
    if (slash != std::string::npos)
        name = name.substr(slash + 1);
    if (name.rfind("icon_", 0) == 0)
        name = name.substr(5);
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".png") == 0)
        name.resize(name.size() - 4);
    return name;
}

void paint_key(cairo_t* cr, LayoutKey const& key, Glyphs const& glyphs)
{
    using namespace Theme;
    if (key.width < 6 || key.height < 6)
        return;
    double const x = key.x + 1.5, y = key.y + 1.5, w = key.width - 3.0, h = key.height - 3.0;
    // The skirt of the cap, then its dished top, set back from the front edge.
    rounded_rect(cr, x, y, w, h, 5);
    fill_vertical(cr, y, y + h, rgb(30, 38, 50), rgb(18, 24, 33));
    double const tx = x + 3, ty = y + 2, tw = w - 6, th = h - 7;
    rounded_rect(cr, tx, ty, tw, th, 4);
    fill_vertical(cr, ty, ty + th, rgb(46, 57, 73), rgb(35, 44, 57));
    cairo_move_to(cr, tx + 4, ty + 0.5);
    cairo_line_to(cr, tx + tw - 4, ty + 0.5);
    set_colour(cr, white.with_alpha(0.10));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);

    bool const escape = key.name == "Esc";
    // Single characters large, words smaller, as on printed caps; one size per
    // kind keeps the rows even.
    if (key.name.empty() && !key.icon.empty() && glyphs.has(icon_glyph(key.icon))) {
        double const size = std::min({tw, th, 40.0}) * 0.5;
        glyphs.draw(cr, icon_glyph(key.icon), tx + (tw - size) / 2.0, ty + (th - size) / 2.0, size, ink.with_alpha(0.92));
        return;
    }
    std::string const text = legend(key.name);
    size_t const characters = size_t(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
    bool const word = characters > 1;
    double const size = std::clamp(th * (word ? 0.30 : 0.40), 8.0, word ? 11.0 : 14.0);
    draw_text(cr, text, tx + 2, ty, tw - 4, th, size, escape ? accent_light : ink.with_alpha(0.92),
        true, Align::Centre);
}

}

Surface paint_keyboard(KeyboardLayout const& layout, Glyphs const& glyphs)
{
    Surface surface = make_surface(layout.width, layout.height);
    Context context = make_context(surface);
    cairo_t* cr = context.get();
    paint_case(cr, layout);
    for (auto const& key : layout.keys)
        paint_key(cr, key, glyphs);
    cairo_surface_flush(surface.get());
    return surface;
}

}
