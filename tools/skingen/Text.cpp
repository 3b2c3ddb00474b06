#include "Text.h"

#include "Canvas.h"

#include <pango/pangocairo.h>

namespace SkinGen {

void draw_text(cairo_t* cr, std::string const& text, double x, double y, double width, double height,
    double pixel_size, Rgba colour, bool bold, Align align)
{
    if (text.empty())
        return;
    PangoLayout* layout = pango_cairo_create_layout(cr);
    pango_layout_set_text(layout, text.c_str(), -1);
    int text_width = 0;
    int text_height = 0;
    for (double size = pixel_size; size >= 6.0; size -= 0.5) {
        PangoFontDescription* font = pango_font_description_from_string("DejaVu Sans");
        pango_font_description_set_weight(font, bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
        pango_font_description_set_absolute_size(font, size * PANGO_SCALE);
        pango_layout_set_font_description(layout, font);
        pango_font_description_free(font);
        pango_layout_get_pixel_size(layout, &text_width, &text_height);
        if (text_width <= width)
            break;
    }
    double const left = align == Align::Centre ? x + (width - text_width) / 2.0 : x;
    cairo_move_to(cr, left, y + (height - text_height) / 2.0);
    set_colour(cr, colour);
    pango_cairo_show_layout(cr, layout);
    g_object_unref(layout);
}

}
