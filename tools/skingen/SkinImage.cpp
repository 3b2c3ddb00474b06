#include "SkinImage.h"

namespace SkinGen {

Surface make_strip(int frame_width, int frame_height, int frames, FramePainter const& paint)
{
    Surface surface = make_surface(frame_width * frames, frame_height);
    Context context = make_context(surface);
    cairo_t* cr = context.get();
    for (int frame = 0; frame < frames; ++frame) {
        cairo_save(cr);
        cairo_translate(cr, frame * frame_width, 0);
        cairo_rectangle(cr, 0, 0, frame_width, frame_height);
        cairo_clip(cr);
        paint(cr, frame);
        cairo_restore(cr);
    }
    cairo_surface_flush(surface.get());
    return surface;
}

Surface make_image(int width, int height, std::function<void(cairo_t*)> const& paint)
{
    return make_strip(width, height, 1, [&](cairo_t* cr, int) { paint(cr); });
}

}
