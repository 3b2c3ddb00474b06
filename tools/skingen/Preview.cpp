#include "Preview.h"

#include "Text.h"

#include <map>

namespace SkinGen {

namespace {

class Sheet {
public:
    Sheet(cairo_t* cr, ImageList const& images)
        : m_cr(cr)
    {
        for (auto const& image : images)
            m_images[image.name] = &image;
    }

    // Frame `frame` of `name` at its own size.
    void draw(std::string const& name, int frame, double x, double y) const
    {
        auto const* image = find(name);
        if (!image)
            return;
        int const w = cairo_image_surface_get_width(image->surface.get()) / image->frames;
        int const h = cairo_image_surface_get_height(image->surface.get());
        nine_grid(name, frame, x, y, w, h, 0);
    }

    // Frame `frame` of `name` as a nine-grid with `corner` into (x, y, w, h).
    void nine_grid(std::string const& name, int frame, double x, double y, double w, double h, int corner) const
    {
        auto const* image = find(name);
        if (!image)
            return;
        cairo_surface_t* surface = image->surface.get();
        double const fw = cairo_image_surface_get_width(surface) / image->frames;
        double const fh = cairo_image_surface_get_height(surface);
        double const sx = frame * fw;
        double const c = corner;
        double const xs[4] = {0, c, fw - c, fw}, ys[4] = {0, c, fh - c, fh};
        double const dx[4] = {x, x + c, x + w - c, x + w}, dy[4] = {y, y + c, y + h - c, y + h};
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 3; ++column) {
                double const src_w = xs[column + 1] - xs[column], src_h = ys[row + 1] - ys[row];
                double const dst_w = dx[column + 1] - dx[column], dst_h = dy[row + 1] - dy[row];
                if (src_w <= 0 || src_h <= 0 || dst_w <= 0 || dst_h <= 0)
                    continue;
                cairo_save(m_cr);
                cairo_rectangle(m_cr, dx[column], dy[row], dst_w, dst_h);
                cairo_clip(m_cr);
                cairo_translate(m_cr, dx[column], dy[row]);
                cairo_scale(m_cr, dst_w / src_w, dst_h / src_h);
                cairo_set_source_surface(m_cr, surface, -(sx + xs[column]), -ys[row]);
                cairo_paint(m_cr);
                cairo_restore(m_cr);
            }
        }
    }

    void text(std::string const& words, double x, double y, double w, double h, double size, Rgba colour,
        bool bold = false, Align align = Align::Left) const
    {
        draw_text(m_cr, words, x, y, w, h, size, colour, bold, align);
    }

    cairo_t* cr() const { return m_cr; }

    int width_of(std::string const& name) const
    {
        auto const* image = find(name);
        return image ? cairo_image_surface_get_width(image->surface.get()) : 0;
    }

    std::string first_keyboard() const
    {
        for (auto const& [name, image] : m_images)
            if (name.rfind("keyboard/", 0) == 0)
                return name;
        return {};
    }

private:
    SkinImage const* find(std::string const& name) const
    {
        auto const found = m_images.find(name);
        return found == m_images.end() ? nullptr : found->second;
    }

    cairo_t* m_cr;
    std::map<std::string, SkinImage const*> m_images;
};

void caption(Sheet const& s)
{
    s.draw("bk_main.png", 0, 0, 0);
    s.draw("logo/logo.png", 0, 14, 10);
    s.text("Tessera", 62, 10, 200, 40, 18, Theme::ink, true);
    s.draw("icon/mode_usb.png", 0, 1280 - 262, 18);
    s.draw("img_battery.png", 0, 1280 - 226, 22);
    cairo_rectangle(s.cr(), 1280 - 223, 25, 23 * 0.7, 10);
    set_colour(s.cr(), Theme::accent);
    cairo_fill(s.cr());
    s.draw("main_sysbtn_web.png", 0, 1280 - 150, 15);
    s.draw("main_sysbtn_min.png", 1, 1280 - 110, 15);
    s.draw("main_sysbtn_close.png", 0, 1280 - 70, 15);

    s.nine_grid("img_tab_bar.png", 0, 0, 60, 1280, 56, 8);
    char const* tabs[] = {"icon/icon_keyboard.png", "icon/icon_macro.png", "icon/icon_lightmode.png", "icon/icon_config.png"};
    char const* names[] = {"Keys", "Macros", "Lighting", "Settings"};
    for (int i = 0; i < 4; ++i) {
        double const x = 20 + i * 150;
        int const frame = i == 0 ? 2 : i == 2 ? 1 : 0;
        s.draw("img_tab_item.png", frame, x, 60);
        s.draw(tabs[i], frame, x + 30, 76);
        s.text(names[i], x + 62, 76, 80, 24, 14, frame == 2 ? Theme::white : Theme::ink_muted, frame == 2);
    }
}

void profile_list(Sheet const& s)
{
    char const* buttons[] = {"imgbtn_add.png", "imgbtn_del.png", "imgbtn_edit.png", "imgbtn_import.png", "imgbtn_export.png"};
    for (int i = 0; i < 5; ++i)
        s.draw(buttons[i], i == 1 ? 1 : 0, 20 + i * 42, 466);
    char const* rows[] = {"Profile 1", "Profile 2", "Gaming", "Office"};
    for (int i = 0; i < 4; ++i) {
        double const y = 510 + i * 32;
        if (i == 0) {
            cairo_rectangle(s.cr(), 16, y, 222, 32);
            set_colour(s.cr(), Theme::accent);
            cairo_fill(s.cr());
        } else if (i == 2) {
            s.nine_grid("img_edit.png", 0, 16, y, 222, 32, 6);
        }
        s.draw("icon/icon_circle.png", i == 0 ? 1 : 0, 31, y + 6);
        s.text(rows[i], 66, y, 160, 32, 14, Theme::white, i == 0);
    }
}

void key_page(Sheet const& s)
{
    std::string const keyboard = s.first_keyboard();
    int const width = s.width_of(keyboard);
    double const kx = std::max(12.0, (1280.0 - width) / 2.0);
    s.draw(keyboard, 0, kx, 128);
    // A key tip over the picture, as the keyboard control shows it.
    double const tip_x = kx + 240, tip_y = 150;
    s.draw("img_tip_bk.png", 0, tip_x, tip_y);
    s.text("A", tip_x + 10, tip_y + 8, 170, 20, 14, rgb(200, 200, 200));
    s.text("Macro", tip_x + 10, tip_y + 35, 170, 20, 14, Theme::white);
    s.text("Copy line", tip_x + 10, tip_y + 55, 170, 24, 18, Theme::white);

    s.draw("img_btn_layer_p.png", 0, 252, 450);
    s.text("Base layer", 252, 450, 120, 36, 14, Theme::white, true, Align::Centre);
    s.draw("img_btn_layer_n.png", 1, 382, 450);
    s.text("Fn layer", 382, 450, 120, 36, 14, Theme::ink, false, Align::Centre);
    s.draw("btn_switch.png", 4, 1020, 452);
    s.text("Fn on", 1020, 452, 90, 32, 13, Theme::white, true, Align::Centre);
    s.draw("btn_switch.png", 0, 1116, 452);
    s.text("Fn off", 1116, 452, 90, 32, 13, Theme::ink, false, Align::Centre);

    char const* media[] = {"icon_pc", "icon_cal", "icon_email", "icon_multimedia", "icon_playpause", "icon_stop",
        "icon_pre", "icon_next", "icon_vol_down", "icon_vol_up", "icon_vol_mute", "icon_home", "icon_web_refresh",
        "icon_web_stop", "icon_web_backward", "icon_web_foreward", "icon_favorites", "icon_web_search"};
    for (int i = 0; i < 18; ++i) {
        double const x = 252 + i * 50, y = 506;
        s.nine_grid("img_customkey.png", i == 4 ? 2 : i == 9 ? 1 : 0, x, y, 43, 28, 8);
        s.draw(std::string("icon/") + media[i] + ".png", 0, x + 11.5, y + 4);
    }
    char const* keys[] = {"Esc", "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12"};
    for (int i = 0; i < 13; ++i) {
        double const x = 252 + i * 39 + (i > 0 ? 39 : 0), y = 544;
        s.nine_grid("img_customkey.png", i == 2 ? 1 : 0, x, y, 36, 28, 8);
        s.text(keys[i], x, y, 36, 28, 11, Theme::ink, false, Align::Centre);
    }
}

void light_controls(Sheet const& s)
{
    double const y = 600;
    s.nine_grid("img_slider_back.png", 0, 252, y + 6, 240, 6, 3);
    s.nine_grid("img_slider_back.png", 1, 252, y + 6, 150, 6, 3);
    s.draw("img_thumb.png", 1, 252 + 150 - 9, y);
    for (int i = 0; i < 8; ++i)
        s.draw("btn_colorful" + std::to_string(i + 1) + ".png", i == 2 ? 4 : 0, 520 + i * 34, y - 5);
    s.draw("btn_direction_left.png", 4, 800, y - 7);
    s.draw("btn_direction_right.png", 0, 846, y - 7);
    s.draw("btn_checkbox.png", 4, 252, y + 34);
    s.text("Start with the session", 280, y + 34, 200, 20, 13, Theme::ink);
    s.draw("btn_radiobox.png", 4, 252, y + 62);
    s.text("Hide to the tray", 280, y + 62, 200, 20, 13, Theme::ink);
    s.draw("img_combobox.png", 1, 520, y + 34);
    s.text("English", 534, y + 34, 150, 38, 14, Theme::ink);
    s.draw("btn_apply.png", 0, 740, y + 36);
    s.text("Apply", 740, y + 36, 120, 36, 14, Theme::white, true, Align::Centre);
    s.draw("btn_secondary.png", 0, 870, y + 36);
    s.text("Restore", 870, y + 36, 120, 36, 14, Theme::ink, false, Align::Centre);
    s.draw("img_circlepalette.png", 0, 1120, 555);
    cairo_arc(s.cr(), 1120 + 70 + 30, 555 + 70 - 20, 5, 0, 2 * M_PI);
    set_colour(s.cr(), Theme::white);
    cairo_set_line_width(s.cr(), 2);
    cairo_stroke(s.cr());
}

}

Surface paint_preview(ImageList const& images)
{
    Surface surface = make_surface(1280, 720);
    Context context = make_context(surface);
    Sheet const sheet(context.get(), images);
    caption(sheet);
    profile_list(sheet);
    key_page(sheet);
    light_controls(sheet);
    cairo_surface_flush(surface.get());
    return surface;
}

}
