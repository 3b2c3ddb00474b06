#include "SkinFiles.h"

#include <test_support/Paths.h>
#include <test_support/TempDir.h>

#include <gdk-pixbuf/gdk-pixbuf.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>

using namespace SkinTest;

namespace {

// Runs the generator; font and SVG library caches live until exit, so a
// sanitizer build must not count them as leaks.
int run(std::string const& command)
{
    return std::system(("ASAN_OPTIONS=detect_leaks=0 " + command + " >/dev/null 2>&1").c_str());
}

uint32_t read_le(std::string const& bytes, size_t at, int count)
{
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | uint8_t(bytes[at + size_t(i)]);
    return value;
}

}

// The palette control picks the colour of the pixel under the pointer within
// 65 pixels of the control's centre, so those pixels must be opaque and be the
// colours they show: white centre, red to the right, then counter-clockwise.
TEST(CirclePalette, PickablePixelsAreOpaqueHueWheelColours)
{
    auto const wheel = decode(skin_dir() / "img_circlepalette.png");
    ASSERT_TRUE(wheel);
    ASSERT_EQ(wheel->width, 140);
    ASSERT_EQ(wheel->height, 140);
    for (int y = 0; y < 140; ++y) {
        for (int x = 0; x < 140; ++x) {
            if (std::hypot(x + 0.5 - 70, y + 0.5 - 70) < 66.0) {
                ASSERT_EQ(wheel->pixel(x, y)[3], 255) << "at " << x << "," << y;
            }
        }
    }

    // Hue by angle, saturation by distance / 66, full value; expected bytes
    // worked out by hand for the pixel centres.
    struct Case {
        int x, y;
        int red, green, blue;
    };
    Case const cases[] = {
        {70, 70, 255, 255, 255}, // centre: white
        {131, 69, 255, 19, 17},  // right: red (hue 0.5°)
        {70, 9, 140, 255, 21},   // top: hue 89.5°
        {9, 70, 21, 253, 255},   // left: cyan (hue 180.5°)
        {70, 131, 138, 17, 255}, // bottom: hue 270.5°
    };
    for (auto const& c : cases) {
        unsigned char const* p = wheel->pixel(c.x, c.y);
        EXPECT_NEAR(p[0], c.red, 3) << "at " << c.x << "," << c.y;
        EXPECT_NEAR(p[1], c.green, 3) << "at " << c.x << "," << c.y;
        EXPECT_NEAR(p[2], c.blue, 3) << "at " << c.x << "," << c.y;
    }
}

// The toolkit decodes GIF with a reader that takes the first image only, so the
// animation is one GIF image holding the horizontal strip.
TEST(LoadingAnimation, IsOneGifImageHoldingSixtyFramesOnTheWaitGrey)
{
    std::string const bytes = TestSupport::read_file(skin_dir() / "loading.gif");
    ASSERT_GE(bytes.size(), 13u);
    EXPECT_EQ(bytes.substr(0, 6), "GIF89a");
    auto const strip = decode(skin_dir() / "loading.gif");
    ASSERT_TRUE(strip);
    ASSERT_EQ(strip->height, 100);
    ASSERT_EQ(strip->width, 60 * 100);
    for (int frame = 0; frame < 60; ++frame) {
        unsigned char const* corner = strip->pixel(frame * 100, 0);
        EXPECT_EQ(corner[0], 51);
        EXPECT_EQ(corner[1], 51);
        EXPECT_EQ(corner[2], 51);
        EXPECT_EQ(corner[3], 255);
    }
    // The frames move: the top of the ring is lit in the first frame only.
    EXPECT_NE(std::memcmp(strip->pixel(50, 24), strip->pixel(50 + 30 * 100, 24), 3), 0);
}

TEST(ProgramIcon, IconFileListsItsImagesWithinTheFile)
{
    for (auto const& path : {TestSupport::dist_dir() / "Tessera.ico", skin_dir() / "Tessera.ico"}) {
        std::string const bytes = TestSupport::read_file(path);
        ASSERT_GE(bytes.size(), 6u) << path;
        EXPECT_EQ(read_le(bytes, 0, 2), 0u);
        EXPECT_EQ(read_le(bytes, 2, 2), 1u); // icon, not cursor
        uint32_t const count = read_le(bytes, 4, 2);
        ASSERT_GE(count, 4u);
        bool has16 = false, has32 = false;
        for (uint32_t i = 0; i < count; ++i) {
            size_t const entry = 6 + 16 * i;
            ASSERT_LE(entry + 16, bytes.size());
            has16 |= uint8_t(bytes[entry]) == 16;
            has32 |= uint8_t(bytes[entry]) == 32;
            uint32_t const size = read_le(bytes, entry + 8, 4);
            uint32_t const offset = read_le(bytes, entry + 12, 4);
            EXPECT_LE(size_t(offset) + size, bytes.size()) << "entry " << i;
        }
        EXPECT_TRUE(has16 && has32);
    }
    auto const desktop = decode(TestSupport::dist_dir() / "icons/hicolor/48x48/apps/tessera.png");
    ASSERT_TRUE(desktop);
    EXPECT_EQ(desktop->width, 48);
}

// The tray and window icon are read with gdk-pixbuf, which picks the largest
// entry; the mark's middle tile is lit in the accent colour.
TEST(ProgramIcon, IconFileDecodesWithGdkPixbuf)
{
    GError* error = nullptr;
    GdkPixbuf* icon = gdk_pixbuf_new_from_file((TestSupport::dist_dir() / "Tessera.ico").c_str(), &error);
    ASSERT_NE(icon, nullptr) << (error ? error->message : "");
    int const size = gdk_pixbuf_get_width(icon);
    EXPECT_EQ(size, 256);
    ASSERT_EQ(gdk_pixbuf_get_n_channels(icon), 4);
    guchar const* centre = gdk_pixbuf_get_pixels(icon) + (size / 2) * gdk_pixbuf_get_rowstride(icon) + (size / 2) * 4;
    EXPECT_EQ(centre[3], 255);
    EXPECT_GT(centre[2], 200);                  // blue
    EXPECT_GT(int(centre[2]) - int(centre[0]), 80); // well above red
    g_object_unref(icon);
}

TEST(ToolkitResources, ScrollBarImagesLieAlongTheirBar)
{
    auto const horizontal = decode(std::filesystem::path(SKIN_RESOURCE_DIR) / "101.png");
    auto const vertical = decode(std::filesystem::path(SKIN_RESOURCE_DIR) / "102.png");
    ASSERT_TRUE(horizontal);
    ASSERT_TRUE(vertical);
    // Four frames each: track, thumb, thumb under the mouse, thumb dragged.
    EXPECT_EQ(horizontal->width % 4, 0);
    EXPECT_EQ(vertical->width % 4, 0);
    EXPECT_GT(horizontal->width / 4, horizontal->height);
    EXPECT_LT(vertical->width / 4, vertical->height);
}

// The generator draws a layout's picture at the layout's size with a cap on
// every key rectangle, and refuses picture names that leave the skin folder.
TEST(KeyboardPictures, GeneratorDrawsCapsOnTheLayoutsRectanglesOnly)
{
    TestSupport::TempDir dir;
    dir.write("layouts/small.xml",
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<device.info><Keyboard xpos=\"0\" ypos=\"0\" width=\"300\" "
        "height=\"100\" image=\"fixture\\small.png\" row_count=\"1\" col_count=\"2\"><KeyItems>"
        "<key code=\"4\" name=\"A\" rect=\"20#20#60#60\"/><key code=\"5\" name=\"B\" rect=\"200#20#60#60\"/>"
        "</KeyItems></Keyboard></device.info>\n");
    dir.write("layouts/escape.xml",
        "<device.info><Keyboard width=\"50\" height=\"50\" image=\"..\\..\\..\\escaped.png\"><KeyItems>"
        "<key name=\"A\" rect=\"0#0#40#40\"/></KeyItems></Keyboard></device.info>");
    std::string const command = std::string(SKINGEN_PATH) + " --skin-dir " + (dir / "skin").string() + " --glyphs " +
        (TestSupport::source_dir() / "data/skins/glyphs").string() + " --layouts " + (dir / "layouts").string();
    ASSERT_EQ(run(command), 0);

    auto const picture = decode(dir / "skin/keyboard/fixture/small.png");
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 300);
    EXPECT_EQ(picture->height, 100);
    auto brightness = [&](int x, int y) {
        unsigned char const* p = picture->pixel(x, y);
        return p[0] + p[1] + p[2];
    };
    // Near the top edge of a cap (above its caption) versus the empty plate between the caps.
    EXPECT_GT(brightness(50, 26), brightness(140, 26) + 30);
    EXPECT_GT(brightness(230, 26), brightness(140, 26) + 30);

    EXPECT_FALSE(std::filesystem::exists(dir / "escaped.png"));
    EXPECT_FALSE(std::filesystem::exists(dir.path().parent_path() / "escaped.png"));
}
