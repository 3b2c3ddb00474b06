#include "emulator/daemon/LedRenderer.h"

#include <cairo.h>
#include <cstdio>
#include <memory>

namespace Tessera::Emulator {

namespace {
constexpr int kColumns = 18;
constexpr int kLights = static_cast<int>(KeyboardState::kColorBytes / 3);
constexpr int kCell = 28;
constexpr int kMargin = 16;
constexpr int kGridWidth = kColumns * kCell;
constexpr int kGridHeight = (kLights / kColumns) * kCell;
constexpr int kTextLine = 14;

struct SurfaceDeleter {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextDeleter {
    void operator()(cairo_t* context) const { cairo_destroy(context); }
};

template<typename Table>
void draw_grid(cairo_t* cr, Table const& table, double left, double top, char const* title)
{
    cairo_set_source_rgb(cr, 0.9, 0.9, 0.9);
    cairo_move_to(cr, left, top - 4);
    cairo_show_text(cr, title);
    for (int light = 0; light < kLights; ++light) {
        double x = left + (light % kColumns) * kCell;
        double y = top + (light / kColumns) * kCell;
        cairo_rectangle(cr, x + 2, y + 2, kCell - 4, kCell - 4);
        cairo_set_source_rgb(cr, table[3 * light] / 255.0, table[3 * light + 1] / 255.0, table[3 * light + 2] / 255.0);
        cairo_fill_preserve(cr);
        cairo_set_source_rgb(cr, 0.35, 0.35, 0.35);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
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

bool render_keyboard_png(ModelInfo const& model, KeyboardState const& state, std::string const& file, std::string& error)
{
    auto lines = key_map_lines(model, state);
    int width = 2 * kGridWidth + 3 * kMargin;
    int height = kGridHeight + 3 * kMargin + 8 + static_cast<int>(lines.size()) * kTextLine;
    std::unique_ptr<cairo_surface_t, SurfaceDeleter> surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height));
    std::unique_ptr<cairo_t, ContextDeleter> context(cairo_create(surface.get()));
    cairo_t* cr = context.get();
    cairo_set_source_rgb(cr, 0.12, 0.12, 0.14);
    cairo_paint(cr);
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 11);
    draw_grid(cr, state.storedColors, kMargin, kMargin + 8, "stored colours");
    draw_grid(cr, state.streamedColors, 2 * kMargin + kGridWidth, kMargin + 8, "streamed colours");
    double y = kGridHeight + 2 * kMargin + 16;
    cairo_set_source_rgb(cr, 0.9, 0.9, 0.9);
    for (auto const& line : lines) {
        cairo_move_to(cr, kMargin, y);
        cairo_show_text(cr, line.c_str());
        y += kTextLine;
    }
    cairo_surface_flush(surface.get());
    if (cairo_surface_write_to_png(surface.get(), file.c_str()) != CAIRO_STATUS_SUCCESS) {
        error = "cannot write " + file;
        return false;
    }
    return true;
}

}
