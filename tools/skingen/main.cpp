// skingen: draws every image of the skin "theme1" from the glyph sources in
// data/skins/glyphs and the keyboard layout files, and writes the program's
// icon files, the toolkit's embedded images and a contact sheet.

#include "AppIcon.h"
#include "ContactSheet.h"
#include "Generators.h"
#include "KeyboardImage.h"
#include "Layout.h"
#include "LoadingImage.h"
#include "Preview.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <string>

namespace fs = std::filesystem;
using namespace SkinGen;

namespace {

struct Options {
    fs::path skin_dir;
    fs::path program_dir;
    fs::path resource_dir;
    fs::path glyph_dir;
    fs::path layout_dir;
    fs::path contact_sheet;
    fs::path list;
};

bool parse_options(int argc, char** argv, Options& options)
{
    std::map<std::string, fs::path*> const flags{{"--skin-dir", &options.skin_dir},
        {"--program-dir", &options.program_dir}, {"--resource-dir", &options.resource_dir},
        {"--glyphs", &options.glyph_dir}, {"--layouts", &options.layout_dir},
        {"--contact-sheet", &options.contact_sheet}, {"--list", &options.list}};
    for (int i = 1; i < argc; ++i) {
        auto const found = flags.find(argv[i]);
        if (found == flags.end() || i + 1 >= argc) {
            std::fprintf(stderr, "skingen: unknown or incomplete option \"%s\"\n", argv[i]);
            return false;
        }
        *found->second = argv[++i];
    }
    if (options.skin_dir.empty() || options.glyph_dir.empty()) {
        std::fprintf(stderr,
            "usage: skingen --skin-dir DIR --glyphs DIR [--layouts DIR] [--program-dir DIR]\n"
            "               [--resource-dir DIR] [--contact-sheet FILE] [--list FILE]\n");
        return false;
    }
    return true;
}

// Keyboard pictures of every layout file, or of the built-in sample while
// there is none.
void add_keyboard_images(ImageList& images, Glyphs const& glyphs, fs::path const& layout_dir)
{
    std::vector<fs::path> files;
    std::error_code error;
    if (!layout_dir.empty())
        for (auto const& entry : fs::directory_iterator(layout_dir, error))
            if (entry.path().extension() == ".xml")
                files.push_back(entry.path());
    std::sort(files.begin(), files.end());

    std::vector<KeyboardLayout> layouts;
    for (auto const& file : files) {
        std::string reason;
        if (auto layout = read_layout(file, reason))
            layouts.push_back(std::move(*layout));
        else
            std::fprintf(stderr, "skingen: warning: layout %s %s; no picture drawn\n", file.c_str(), reason.c_str());
    }
    if (files.empty())
        layouts.push_back(sample_layout());

    std::map<std::string, std::string> drawn; // picture → layout that drew it
    for (auto& layout : layouts) {
        std::string const name = keyboard_image_path(layout.image);
        if (name.empty()) {
            std::fprintf(stderr, "skingen: warning: layout %s names the picture \"%s\", which is not a plain file "
                                 "name below the skin folder; no picture drawn\n",
                layout.source.c_str(), layout.image.c_str());
            continue;
        }
        if (drawn.count(name))
            continue; // two models sharing one picture: the first layout draws it
        if (layout.width <= 0 || layout.height <= 0) {
            // Without a size the picture is made to hold every key.
            for (auto const& key : layout.keys) {
                layout.width = std::max(layout.width, key.x + key.width + 12);
                layout.height = std::max(layout.height, key.y + key.height + 12);
            }
        }
        if (layout.width <= 0 || layout.height <= 0 || layout.width > 8192 || layout.height > 8192) {
            std::fprintf(stderr, "skingen: warning: layout %s gives the picture size %d x %d; no picture drawn\n",
                layout.source.c_str(), layout.width, layout.height);
            continue;
        }
        drawn[name] = layout.source;
        images.push_back({name, 1, paint_keyboard(layout, glyphs),
            "keyboard picture of " + fs::path(layout.source).filename().string() + " (" +
                std::to_string(layout.keys.size()) + " keys)"});
    }
}

bool write_icons(fs::path const& program_dir, fs::path const& skin_dir, ImageList& shown)
{
    bool ok = true;
    std::vector<Surface> icons;
    std::vector<cairo_surface_t*> ico_entries;
    for (int size : {16, 24, 32, 48, 64, 256}) {
        icons.push_back(paint_app_icon(size));
        ico_entries.push_back(icons.back().get());
    }
    auto const ico = encode_ico(ico_entries);
    // The tray loads the icon from the program folder; the skin folder keeps a
    // copy so a theme can bring its own.
    ok &= write_bytes(ico, program_dir / "Tessera.ico");
    ok &= write_bytes(ico, skin_dir / "Tessera.ico");
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        Surface icon = paint_app_icon(size);
        std::string const folder = std::to_string(size) + "x" + std::to_string(size);
        ok &= write_png(icon.get(), program_dir / "icons/hicolor" / folder / "apps/tessera.png");
        if (size == 16 || size == 32 || size == 64 || size == 128)
            shown.push_back({"icons/hicolor/" + folder + "/apps/tessera.png", 1, std::move(icon),
                "desktop icon; Tessera.ico holds the same at 16-256"});
    }
    return ok;
}

void write_list(ImageList const& images, fs::path const& path)
{
    std::ofstream out(path);
    out << "| Image | Frame size | Frames | Use |\n|---|---|---|---|\n";
    for (auto const& image : images) {
        int const w = cairo_image_surface_get_width(image.surface.get());
        int const h = cairo_image_surface_get_height(image.surface.get());
        out << "| `" << image.name << "` | " << w / image.frames << " × " << h << " | " << image.frames << " | "
            << image.use << " |\n";
    }
}

}

int main(int argc, char** argv)
{
    Options options;
    if (!parse_options(argc, argv, options))
        return 2;
    Glyphs glyphs;
    if (!glyphs.load(options.glyph_dir)) {
        std::fprintf(stderr, "skingen: no glyphs in %s\n", options.glyph_dir.c_str());
        return 1;
    }

    ImageList images;
    add_window_images(images, glyphs);
    add_button_images(images, glyphs);
    add_colour_button_images(images);
    add_control_images(images, glyphs);
    add_palette_image(images);
    add_icon_images(images, glyphs);
    add_keyboard_images(images, glyphs, options.layout_dir);

    // Pictures of layouts that are gone must not linger in the program folder.
    std::error_code error;
    fs::remove_all(options.skin_dir / "keyboard", error);

    bool ok = glyphs.errors() == 0;
    for (auto const& image : images)
        ok &= write_png(image.surface.get(), options.skin_dir / image.name);

    Surface loading = paint_loading_strip();
    ok &= write_bytes(loading_gif(loading.get()), options.skin_dir / "loading.gif");
    images.push_back({"loading.gif", kLoadingFrames, std::move(loading),
        "wait dialog animation: one GIF image holding the horizontal strip"});

    ImageList extras;
    if (!options.resource_dir.empty()) {
        add_resource_images(extras);
        for (auto const& image : extras)
            ok &= write_png(image.surface.get(), options.resource_dir / image.name);
    }
    if (!options.program_dir.empty())
        ok &= write_icons(options.program_dir, options.skin_dir, extras);
    for (auto& image : extras)
        images.push_back(std::move(image));

    if (!options.contact_sheet.empty()) {
        Surface preview = paint_preview(images);
        fs::path preview_path = options.contact_sheet;
        preview_path.replace_filename(options.contact_sheet.stem().string() + "-preview.png");
        ok &= write_png(preview.get(), preview_path);
        ok &= write_contact_sheet(images, options.contact_sheet);
    }
    if (!options.list.empty())
        write_list(images, options.list);
    if (!ok) {
        std::fprintf(stderr, "skingen: some images could not be drawn or written\n");
        return 1;
    }
    return 0;
}
