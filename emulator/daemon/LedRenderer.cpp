#include "emulator/daemon/LedRenderer.h"

#include <algorithm>
#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <cstdio>
#include <memory>

namespace Tessera::Emulator {

namespace {
constexpr int kColumns = 18;
constexpr int kLights = static_cast<int>(KeyboardState::kColorBytes / 3);
constexpr int kCell = 28;
constexpr int kMargin = 16;
constexpr int kTitle = 16;
constexpr int kTextLine = 14;
constexpr int kMaxPicture = 4096; // layout coordinates beyond this are not drawn

struct SurfaceDeleter {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextDeleter {
    void operator()(cairo_t* context) const { cairo_destroy(context); }
};

using ColorTable = std::array<std::uint8_t, KeyboardState::kColorBytes>;

void set_light_color(cairo_t* cr, ColorTable const& table, int light)
{
    if (light < 0 || light >= kLights) {
        cairo_set_source_rgb(cr, 0.2, 0.2, 0.2);
        return;
    }
    auto at = static_cast<std::size_t>(light) * 3;
    cairo_set_source_rgb(cr, table[at] / 255.0, table[at + 1] / 255.0, table[at + 2] / 255.0);
}

void outline(cairo_t* cr)
{
    cairo_set_source_rgb(cr, 0.45, 0.45, 0.45);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void label(cairo_t* cr, double x, double y, std::string const& text)
{
    cairo_move_to(cr, x, y);
    cairo_show_text(cr, text.c_str());
}

// What the base layer does with a key, shortly: "0x05", "macro", or nothing for the default.
std::string assignment(KeyboardState const& state, unsigned code)
{
    std::pair<int, int> where { 1, static_cast<int>(code) };
    if (state.macroBlocks.count(where))
        return "macro";
    if (auto found = state.keyValues.find(where); found != state.keyValues.end()) {
        char text[16];
        std::snprintf(text, sizeof text, "0x%02X", found->second);
        return text;
    }
    return {};
}

void draw_grid(cairo_t* cr, ColorTable const& table, double left, double top)
{
    for (int light = 0; light < kLights; ++light) {
        cairo_rectangle(cr, left + (light % kColumns) * kCell + 2, top + (light / kColumns) * kCell + 2, kCell - 4, kCell - 4);
        set_light_color(cr, table, light);
        cairo_fill_preserve(cr);
        outline(cr);
    }
}

void draw_layout(cairo_t* cr, KeyLayout const& layout, KeyboardState const& state, ColorTable const& table, double left, double top)
{
    for (auto const& key : layout.keys) {
        if (key.x < 0 || key.y < 0 || key.x + key.width > kMaxPicture || key.y + key.height > kMaxPicture)
            continue;
        cairo_rectangle(cr, left + key.x + 1, top + key.y + 1, std::max(key.width - 2, 1), std::max(key.height - 2, 1));
        set_light_color(cr, table, key.lightIndex);
        cairo_fill_preserve(cr);
        outline(cr);
        cairo_set_source_rgb(cr, 1, 1, 1);
        label(cr, left + key.x + 3, top + key.y + 11, key.name);
        cairo_set_source_rgb(cr, 1, 0.85, 0.3);
        label(cr, left + key.x + 3, top + key.y + key.height - 4, assignment(state, key.code));
    }
}

std::vector<std::string> key_map_lines(ModelInfo const& model, KeyboardState const& state)
{
    std::vector<std::string> lines;
    char text[160];
    std::snprintf(text, sizeof text, "%s (type %d)  battery %d%%  light mode byte %u brightness %u speed %u",
        model.name.c_str(), model.deviceType, state.battery, state.light.mode, state.light.brightness, state.light.speed);
    lines.push_back(text);
    for (auto const& [where, value] : state.keyValues) {
        std::snprintf(text, sizeof text, "layer %d key 0x%02X -> 0x%02X", where.first, where.second, value);
        lines.push_back(text);
    }
    for (auto const& [where, block] : state.macroBlocks) {
        std::snprintf(text, sizeof text, "layer %d key 0x%02X -> macro, %u steps", where.first, where.second,
            block.size() > 3 ? block[3] : 0u);
        lines.push_back(text);
    }
    for (std::size_t slot = 1; slot < 24; ++slot) {
        if (state.slotTable[slot] == 0)
            continue;
        std::snprintf(text, sizeof text, "%s slot %zu: key 0x%02X", slot <= 13 ? "macro" : "remap",
            slot <= 13 ? slot : slot - 13, state.slotTable[slot]);
        lines.push_back(text);
    }
    return lines;
}
}

bool render_keyboard_png(ModelInfo const& model, KeyboardState const& state, std::optional<KeyLayout> const& layout,
    std::string const& file, std::string& error)
{
    auto lines = key_map_lines(model, state);
    int picture_width = layout ? std::min(layout->width, kMaxPicture) : kColumns * kCell;
    int picture_height = layout ? std::min(layout->height, kMaxPicture) : (kLights / kColumns) * kCell;
    int width = std::max(2 * picture_width + 3 * kMargin, 480);
    int height = picture_height + kTitle + 3 * kMargin + static_cast<int>(lines.size()) * kTextLine;
    std::unique_ptr<cairo_surface_t, SurfaceDeleter> surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height));
    std::unique_ptr<cairo_t, ContextDeleter> context(cairo_create(surface.get()));
    cairo_t* cr = context.get();
    cairo_set_source_rgb(cr, 0.12, 0.12, 0.14);
    cairo_paint(cr);
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 10);

    double top = kMargin + kTitle;
    double second = 2 * kMargin + picture_width;
    cairo_set_source_rgb(cr, 0.9, 0.9, 0.9);
    label(cr, kMargin, kMargin + 10, "stored colours");
    label(cr, second, kMargin + 10, "streamed colours");
    if (layout) {
        draw_layout(cr, *layout, state, state.storedColors, kMargin, top);
        draw_layout(cr, *layout, state, state.streamedColors, second, top);
    } else {
        draw_grid(cr, state.storedColors, kMargin, top);
        draw_grid(cr, state.streamedColors, second, top);
    }
    double y = top + picture_height + kMargin + 10;
    cairo_set_source_rgb(cr, 0.9, 0.9, 0.9);
    for (auto const& line : lines) {
        label(cr, kMargin, y, line);
        y += kTextLine;
    }
    cairo_surface_flush(surface.get());
    if (cairo_surface_write_to_png(surface.get(), file.c_str()) != CAIRO_STATUS_SUCCESS) {
        error = "cannot write " + file;
        return false;
    }
    return true;
}

void release_renderer_caches()
{
    cairo_debug_reset_static_data();
    FcFini();
}

}
