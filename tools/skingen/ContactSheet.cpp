#include "ContactSheet.h"

#include "Text.h"

#include <algorithm>
#include <cmath>

namespace SkinGen {

namespace {

constexpr double kSheetWidth = 1800;
constexpr double kMaxImageWidth = 860;
constexpr double kFrameGap = 6;
constexpr double kLabelHeight = 38;
constexpr double kPadding = 16;

struct Cell {
    SkinImage const* image;
    double scale;
    double image_width; // on the sheet, frame gaps included
    double image_height;
    double x = 0;
    double y = 0;
    double width = 0;
};

Cell measure(SkinImage const& image)
{
    double const w = cairo_image_surface_get_width(image.surface.get());
    double const h = cairo_image_surface_get_height(image.surface.get());
    double scale = 1.0;
    if (w <= 140 && h <= 48)
        scale = 2.0;
    double gaps = (image.frames - 1) * kFrameGap;
    if (w * scale + gaps > kMaxImageWidth)
        scale = (kMaxImageWidth - gaps) / w;
    if (scale < 1.0 && image.frames > 8) {
        // Long strips (the loading animation) show their first eight frames.
        gaps = 7 * kFrameGap;
        scale = std::min(1.0, (kMaxImageWidth - gaps) / (w * 8.0 / image.frames));
        return {&image, scale, w * 8.0 / image.frames * scale + gaps, h * scale};
    }
    return {&image, scale, w * scale + gaps, h * scale};
}

void checkerboard(cairo_t* cr, double x, double y, double w, double h)
{
    cairo_rectangle(cr, x, y, w, h);
    set_colour(cr, rgb(20, 24, 30));
    cairo_fill(cr);
    set_colour(cr, rgb(28, 33, 41));
    for (double cy = 0; cy < h; cy += 8)
        for (double cx = (int(cy / 8) % 2) * 8; cx < w; cx += 16)
            cairo_rectangle(cr, x + cx, y + cy, std::min(8.0, w - cx), std::min(8.0, h - cy));
    cairo_fill(cr);
}

void paint_cell(cairo_t* cr, Cell const& cell)
{
    SkinImage const& image = *cell.image;
    cairo_surface_t* surface = image.surface.get();
    int const w = cairo_image_surface_get_width(surface);
    int const h = cairo_image_surface_get_height(surface);
    int const frame_width = w / std::max(1, image.frames);
    int const shown = std::min(image.frames, cell.image_width < w * cell.scale ? 8 : image.frames);
    for (int frame = 0; frame < shown; ++frame) {
        double const fx = cell.x + frame * (frame_width * cell.scale + kFrameGap);
        checkerboard(cr, fx, cell.y, frame_width * cell.scale, h * cell.scale);
        cairo_save(cr);
        cairo_rectangle(cr, fx, cell.y, frame_width * cell.scale, h * cell.scale);
        cairo_clip(cr);
        cairo_translate(cr, fx, cell.y);
        cairo_scale(cr, cell.scale, cell.scale);
        cairo_set_source_surface(cr, surface, -frame * frame_width, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), cell.scale >= 2.0 ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
        cairo_paint(cr);
        cairo_restore(cr);
    }
    double const label_y = cell.y + cell.image_height + 4;
    draw_text(cr, image.name, cell.x, label_y, cell.width, 16, 12, Theme::ink, true, Align::Left);
    std::string detail = std::to_string(frame_width) + " \u00d7 " + std::to_string(h);
    detail += image.frames > 1 ? ", " + std::to_string(image.frames) + " frames" : ", 1 frame";
    draw_text(cr, detail, cell.x, label_y + 16, cell.width, 14, 11, Theme::ink_muted, false, Align::Left);
}

}

bool write_contact_sheet(ImageList const& images, std::filesystem::path const& path)
{
    std::vector<Cell> cells;
    double x = kPadding, y = kPadding, row_height = 0;
    for (auto const& image : images) {
        Cell cell = measure(image);
        cell.width = std::max(cell.image_width, 190.0);
        if (x + cell.width > kSheetWidth - kPadding && x > kPadding) {
            x = kPadding;
            y += row_height + kPadding;
            row_height = 0;
        }
        cell.x = x;
        cell.y = y;
        x += cell.width + kPadding * 1.5;
        row_height = std::max(row_height, cell.image_height + kLabelHeight);
        cells.push_back(cell);
    }
    double const height = y + row_height + kPadding;

    Surface sheet = make_surface(int(kSheetWidth), int(std::ceil(height)));
    Context context = make_context(sheet);
    cairo_t* cr = context.get();
    cairo_rectangle(cr, 0, 0, kSheetWidth, height);
    set_colour(cr, rgb(5, 8, 12));
    cairo_fill(cr);
    for (auto const& cell : cells)
        paint_cell(cr, cell);
    return write_png(sheet.get(), path);
}

}
