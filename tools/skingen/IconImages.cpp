#include "Generators.h"

#include <utility>

// Glyph icons: media keys, tabs, connection modes, and the product mark.

namespace SkinGen {

namespace {

struct MediaIcon {
    char const* file;
    char const* glyph;
    char const* meaning;
};

// The eighteen media and application functions of the key-function panel.
constexpr MediaIcon kMediaIcons[] = {
    {"icon_pc", "pc", "my computer (249)"},
    {"icon_cal", "cal", "calculator (242)"},
    {"icon_email", "email", "e-mail (240)"},
    {"icon_multimedia", "multimedia", "media player (232)"},
    {"icon_playpause", "playpause", "play / pause (238)"},
    {"icon_stop", "stop", "stop (236)"},
    {"icon_pre", "pre", "previous track (237)"},
    {"icon_next", "next", "next track (239)"},
    {"icon_vol_down", "vol_down", "volume down (233)"},
    {"icon_vol_up", "vol_up", "volume up (234)"},
    {"icon_vol_mute", "vol_mute", "mute (235)"},
    {"icon_home", "home", "web home (241)"},
    {"icon_web_refresh", "web_refresh", "web refresh (246)"},
    {"icon_web_stop", "web_stop", "web stop (245)"},
    {"icon_web_backward", "web_backward", "web back (243)"},
    {"icon_web_foreward", "web_foreward", "web forward (244)"},
    {"icon_favorites", "favorites", "web favourites (248)"},
    {"icon_web_search", "web_search", "web search (247)"},
};

}

void paint_mark(cairo_t* cr, double x, double y, double size)
{
    using namespace Theme;
    // A mosaic of nine keycaps seen from above; the lit ones form a T.
    double gap = std::max(1.0, size * 0.07);
    double tile = (size - 2 * gap) / 3.0;
    bool const small = size < 40;
    if (small) {
        // Whole pixels keep the tiles crisp at tray sizes.
        gap = std::max(1.0, std::round(size * 0.07));
        tile = std::floor((size - 2 * gap) / 3.0);
        double const used = 3 * tile + 2 * gap;
        x = std::round(x + (size - used) / 2.0);
        y = std::round(y + (size - used) / 2.0);
    }
    double const radius = tile * (small ? 0.22 : 0.28);
    bool const lit[3][3] = {{true, true, true}, {false, true, false}, {false, true, false}};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            double const tx = x + column * (tile + gap);
            double const ty = y + row * (tile + gap);
            rounded_rect(cr, tx, ty, tile, tile, radius);
            if (lit[row][column]) {
                fill_vertical(cr, ty, ty + tile, mix(accent_light, white, 0.15), accent_deep);
                if (tile >= 8) {
                    double const inset = tile * 0.18;
                    rounded_rect(cr, tx + inset, ty + inset * 0.6, tile - 2 * inset, tile - 2 * inset, radius * 0.6);
                    fill_vertical(cr, ty, ty + tile, mix(accent_light, white, 0.45), accent);
                }
            } else if (small) {
                set_colour(cr, rgb(44, 58, 78));
                cairo_fill(cr);
            } else {
                fill_vertical(cr, ty, ty + tile, rgb(34, 46, 62), rgb(20, 28, 39));
                stroke_inner(cr, tx, ty, tile, tile, radius, accent.with_alpha(0.35), std::max(1.0, size / 48.0));
            }
        }
    }
}

void add_icon_images(ImageList& images, Glyphs const& glyphs)
{
    using namespace Theme;
    for (auto const& icon : kMediaIcons) {
        std::string const glyph = icon.glyph;
        images.push_back({std::string("icon/") + icon.file + ".png", 1,
            make_image(20, 20, [&](cairo_t* cr) { glyphs.draw(cr, glyph, 0, 0, 20, ink); }),
            std::string("media key icon: ") + icon.meaning});
    }

    std::pair<char const*, char const*> const tabs[] = {
        {"icon/icon_keyboard.png", "keyboard"},
        {"icon/icon_macro.png", "macro"},
        {"icon/icon_lightmode.png", "lightmode"},
        {"icon/icon_config.png", "config"},
    };
    for (auto const& [file, glyph_name] : tabs) {
        std::string const glyph = glyph_name;
        images.push_back({file, 4, make_strip(24, 24, 4, [&](cairo_t* cr, int frame) {
            Rgba const colours[] = {ink_muted, ink, accent_light, ink_disabled};
            glyphs.draw(cr, glyph, 0, 0, 24, colours[frame]);
        }), std::string("tab icon (0 normal, 1 hover, 2 selected, 3 disabled): ") + glyph_name});
    }

    images.push_back({"icon/mode_usb.png", 1,
        make_image(24, 24, [&](cairo_t* cr) { glyphs.draw(cr, "usb", 0, 0, 24, accent_light); }),
        "connection mode: cable"});
    images.push_back({"icon/mode_24g.png", 1,
        make_image(24, 24, [&](cairo_t* cr) { glyphs.draw(cr, "wireless", 0, 0, 24, accent_light); }),
        "connection mode: 2.4 GHz receiver"});

    images.push_back({"logo/logo.png", 1, make_image(40, 40, [](cairo_t* cr) { paint_mark(cr, 2, 2, 36); }),
        "product mark in the caption"});
}

}
