#pragma once

#include "Theme.h"

#include <cairo.h>

#include <filesystem>
#include <map>
#include <string>

namespace SkinGen {

// The line glyphs of the theme: SVG files on a 24 × 24 grid drawn in the ink
// colour "#d6e2f0", which is swapped for the colour asked for when drawing.
class Glyphs {
public:
    // Reads every "*.svg" of `folder`; false when the folder has none.
    bool load(std::filesystem::path const& folder);

    bool has(std::string const& name) const { return m_sources.count(name) != 0; }

    // Draws glyph `name` scaled into the square (x, y, size, size) in `colour`.
    // A missing or broken glyph is reported on stderr and counted in errors().
    void draw(cairo_t* cr, std::string const& name, double x, double y, double size, Rgba colour) const;

    int errors() const { return m_errors; }

private:
    std::map<std::string, std::string> m_sources;
    mutable int m_errors = 0;
};

}
