#include "emulator/daemon/Control.h"
#include "emulator/daemon/KeyLayout.h"
#include "emulator/daemon/LedRenderer.h"

#include <cairo.h>
#include <gtest/gtest.h>
#include <test_support/TempDir.h>

using namespace Tessera::Emulator;

namespace {

// Cairo keeps font caches for the life of the process; release them once all tests ran.
struct RendererCaches : ::testing::Environment {
    void TearDown() override { release_renderer_caches(); }
};
auto* const s_renderer_caches = ::testing::AddGlobalTestEnvironment(new RendererCaches);

char const* const kLayout = R"(<?xml version="1.0" encoding="utf-8"?>
<device.info>
  <menu macro="1" light_mode="1"/>
  <Keyboard xpos="0" ypos="0" width="200" height="80" image="kb.png" row_count="6" col_count="21">
    <KeyItems>
      <key code="29" name="Z" desc="Z" key_index="3" light_index="5" icon="" fnlayer_disable="0" row_col="4,2" rect="10#20#30#30"/>
      <key code="0x04" name="A" desc="A" key_index="4" light_index="200" icon="" fnlayer_disable="0" row_col="3,1" rect="50#20#30#bad"/>
    </KeyItems>
  </Keyboard>
</device.info>)";

TEST(KeyLayout, KeysCarryCodeLightIndexAndRectangle)
{
    auto layout = parse_key_layout(kLayout);
    ASSERT_TRUE(layout);
    ASSERT_EQ(layout->keys.size(), 2u);
    auto const& z = layout->keys[0];
    EXPECT_EQ(z.code, 0x29u);
    EXPECT_EQ(z.lightIndex, 5);
    EXPECT_EQ(z.x, 10);
    EXPECT_EQ(z.y, 20);
    EXPECT_EQ(z.width, 30);
    EXPECT_EQ(z.height, 30);
    EXPECT_EQ(layout->keys[1].code, 0x04u);
    EXPECT_EQ(layout->keys[1].height, 0) << "a part that is not a number counts as 0";
    EXPECT_FALSE(parse_key_layout("<device.info><Keyboard/></device.info>")) << "no keys, no layout";
}

struct Pixel {
    int red, green, blue;
};

Pixel pixel_at(std::string const& file, int x, int y)
{
    cairo_surface_t* image = cairo_image_surface_create_from_png(file.c_str());
    EXPECT_EQ(cairo_surface_status(image), CAIRO_STATUS_SUCCESS);
    auto* data = cairo_image_surface_get_data(image);
    int stride = cairo_image_surface_get_stride(image);
    std::uint32_t value = *reinterpret_cast<std::uint32_t*>(data + y * stride + x * 4);
    cairo_surface_destroy(image);
    return { static_cast<int>((value >> 16) & 0xFF), static_cast<int>((value >> 8) & 0xFF), static_cast<int>(value & 0xFF) };
}

TEST(RenderKeyboard, KeyIsPaintedInTheStoredColourOfItsLightIndex)
{
    TestSupport::TempDir dir;
    KeyboardState state;
    state.storedColors[15] = 0xFF; // light 5: red
    state.streamedColors[16] = 0xFF; // light 5: green
    ModelCatalog catalog;
    std::string file = (dir / "keys.png").string();
    std::string error;
    ASSERT_TRUE(render_keyboard_png(*catalog.find(301), state, parse_key_layout(kLayout), file, error)) << error;
    // Stored picture at (16, 32), the key's centre 25 pixels right and down of its corner.
    Pixel stored = pixel_at(file, 16 + 10 + 15, 32 + 20 + 15);
    EXPECT_EQ(stored.red, 255);
    EXPECT_EQ(stored.green, 0);
    // Streamed picture starts at 2 × 16 + 200.
    Pixel streamed = pixel_at(file, 232 + 10 + 15, 32 + 20 + 15);
    EXPECT_EQ(streamed.red, 0);
    EXPECT_EQ(streamed.green, 255);
}

TEST(RenderKeyboard, WithoutLayoutLightsFormAGridOfEighteenPerRow)
{
    TestSupport::TempDir dir;
    KeyboardState state;
    state.storedColors[3 * 19 + 2] = 0xFF; // light 19: blue, row 1 column 1
    ModelCatalog catalog;
    std::string file = (dir / "grid.png").string();
    std::string error;
    ASSERT_TRUE(render_keyboard_png(*catalog.find(301), state, std::nullopt, file, error)) << error;
    Pixel light = pixel_at(file, 16 + 28 + 14, 32 + 28 + 14);
    EXPECT_EQ(light.blue, 255);
    EXPECT_EQ(light.red, 0);
}

TEST(RenderKeyboard, ControlCommandFindsTheLayoutOfTheModel)
{
    TestSupport::TempDir dir;
    dir.write("layouts/tk301.xml", kLayout);
    DeviceHub hub { ModelCatalog {} };
    std::string error;
    ASSERT_EQ(hub.add_keyboard(301, error), 0);
    ControlContext context { hub, dir / "layouts", {} };
    std::string file = (dir / "out.png").string();
    auto result = run_control(context, { "render", file });
    ASSERT_TRUE(result.ok) << result.error;
    cairo_surface_t* image = cairo_image_surface_create_from_png(file.c_str());
    EXPECT_EQ(cairo_image_surface_get_height(image), 32 + 80 + 32 + 14) << "picture height from the layout plus one text line";
    cairo_surface_destroy(image);
}

}
