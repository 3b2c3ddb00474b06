#include "Glyphs.h"

#include <librsvg/rsvg.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace SkinGen {

namespace {

constexpr char kInk[] = "#d6e2f0";

std::string hex_colour(Rgba colour)
{
    auto channel = [](double value) { return int(std::lround(std::clamp(value, 0.0, 1.0) * 255.0)); };
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", channel(colour.r), channel(colour.g), channel(colour.b));
    return text;
}

std::string replace_all(std::string text, std::string const& from, std::string const& to)
{
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

}

bool Glyphs::load(std::filesystem::path const& folder)
{
    std::error_code error;
    for (auto const& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.path().extension() != ".svg")
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        m_sources[entry.path().stem().string()] = text.str();
    }
    return !m_sources.empty();
}

void Glyphs::draw(cairo_t* cr, std::string const& name, double x, double y, double size, Rgba colour) const
{
    auto const found = m_sources.find(name);
    if (found == m_sources.end()) {
        std::fprintf(stderr, "skingen: glyph \"%s\" is missing\n", name.c_str());
        ++m_errors;
        return;
    }
    std::string const svg = replace_all(found->second, kInk, hex_colour(colour));
    GError* error = nullptr;
    RsvgHandle* handle = rsvg_handle_new_from_data(reinterpret_cast<guint8 const*>(svg.data()), svg.size(), &error);
    if (!handle) {
        std::fprintf(stderr, "skingen: glyph \"%s\": %s\n", name.c_str(), error ? error->message : "unreadable");
        g_clear_error(&error);
        ++m_errors;
        return;
    }
    RsvgRectangle viewport{x, y, size, size};
    cairo_save(cr);
    cairo_push_group(cr);
    if (!rsvg_handle_render_document(handle, cr, &viewport, &error)) {
        std::fprintf(stderr, "skingen: glyph \"%s\": %s\n", name.c_str(), error ? error->message : "not drawn");
        g_clear_error(&error);
        ++m_errors;
    }
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, colour.a);
    cairo_restore(cr);
    g_object_unref(handle);
}

}
