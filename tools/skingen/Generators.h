#pragma once

#include "Glyphs.h"
#include "SkinImage.h"

namespace SkinGen {

// Each adds its images to `images`, in the order the contact sheet shows them.
void add_button_images(ImageList& images, Glyphs const& glyphs);
void add_colour_button_images(ImageList& images);
void add_control_images(ImageList& images, Glyphs const& glyphs);
void add_window_images(ImageList& images, Glyphs const& glyphs);
void add_icon_images(ImageList& images, Glyphs const& glyphs);
void add_palette_image(ImageList& images);

// The toolkit's own embedded images (scroll-bar resources 101 and 102).
void add_resource_images(ImageList& images);

// The product mark, drawn at any size (logo, tray and desktop icons).
void paint_mark(cairo_t* cr, double x, double y, double size);

}
