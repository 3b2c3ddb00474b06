#include "SkinFiles.h"

#include <test_support/Paths.h>
#include <test_support/TempDir.h>

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

using namespace SkinTest;

namespace {

struct RequiredImage {
    std::string name;
    int frames = 1;
    int frame_width = 0; // 0: not fixed
    int frame_height = 0;
};

std::vector<RequiredImage> required_images()
{
    std::vector<RequiredImage> images;
    std::ifstream in(std::filesystem::path(SKIN_TEST_DIR) / "required-images.txt");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        RequiredImage image;
        fields >> image.name >> image.frames >> image.frame_width >> image.frame_height;
        images.push_back(image);
    }
    return images;
}

std::set<std::string> listed_names(std::string const& file)
{
    std::set<std::string> names;
    std::ifstream in(std::filesystem::path(SKIN_TEST_DIR) / file);
    std::string line;
    while (std::getline(in, line))
        if (!line.empty() && line[0] != '#')
            names.insert(line.substr(0, line.find(' ')));
    return names;
}

// The image exists under the skin folder, decodes, and its width splits into
// `frames` equal frames; the failure message names the image.
::testing::AssertionResult usable(std::string const& name, int frames)
{
    auto const picture = decode(skin_dir() / name);
    if (!picture)
        return ::testing::AssertionFailure() << name << " is missing or does not decode";
    if (frames < 1 || picture->width % frames != 0)
        return ::testing::AssertionFailure() << name << " is " << picture->width << " wide, not " << frames
                                             << " equal frames";
    return ::testing::AssertionSuccess();
}

}

TEST(SkinImages, EveryImageTheProgramNeedsDecodesWithEqualFrames)
{
    auto const images = required_images();
    ASSERT_GE(images.size(), 78u); // the manifest itself was read
    for (auto const& image : images) {
        EXPECT_TRUE(usable(image.name, image.frames));
        if (image.frame_width == 0)
            continue;
        auto const picture = decode(skin_dir() / image.name);
        if (!picture)
            continue;
        EXPECT_EQ(picture->width, image.frame_width * image.frames) << image.name;
        EXPECT_EQ(picture->height, image.frame_height) << image.name;
    }
}

TEST(SkinImages, EveryImageNamedInTheSourcesExists)
{
    auto const manifest = required_images();
    auto const ignored = listed_names("not-skin-images.txt");
    for (char const* folder : {"app", "lumoui", "keys", "lighting", "profiles", "config", "device", "update"}) {
        for (auto const& name : image_literals(TestSupport::source_dir() / folder)) {
            if (ignored.count(name))
                continue;
            int frames = 1;
            for (auto const& image : manifest)
                if (image.name == name)
                    frames = image.frames;
            EXPECT_TRUE(usable(name, frames)) << "named in " << folder << "/";
        }
    }
}

TEST(SkinImages, FrameCountsInTheSourcesSplitTheirImages)
{
    auto const ignored = listed_names("not-skin-images.txt");
    for (char const* folder : {"app", "lumoui", "keys", "lighting", "profiles"}) {
        for (auto const& [name, frames] : framed_image_literals(TestSupport::source_dir() / folder)) {
            if (!ignored.count(name)) {
                EXPECT_TRUE(usable(name, frames)) << "loaded with " << frames << " frames in " << folder << "/";
            }
        }
    }
}

TEST(SkinImages, SourceNamesAreReadWithEitherSeparator)
{
    EXPECT_EQ(normalise_name("icon\\\\icon_keyboard.png"), "icon/icon_keyboard.png");
    EXPECT_EQ(normalise_name("icon//icon_circle.png"), "icon/icon_circle.png");
    EXPECT_EQ(normalise_name("keyboard\\kb.png"), "keyboard/kb.png");

    TestSupport::TempDir dir;
    dir.write("page.cpp", "SetImage(L\"icon\\\\\\\\icon_macro.png\", 4); auto f = \"btn_colorful%d.png\";\n"
                          "LoadBKImage(\"bk_prompt.png\");");
    auto const names = image_literals(dir.path());
    EXPECT_EQ(names, (std::vector<std::string>{"icon/icon_macro.png", "bk_prompt.png"}));
    auto const framed = framed_image_literals(dir.path());
    EXPECT_EQ(framed, (std::vector<std::pair<std::string, int>>{{"icon/icon_macro.png", 4}}));
}

TEST(KeyboardPictures, EveryLayoutHasAPictureOfItsSizeAndItsKeyIcons)
{
    std::vector<std::filesystem::path> layouts;
    std::error_code error;
    for (auto const& entry : std::filesystem::directory_iterator(TestSupport::source_dir() / "data/layouts", error))
        if (entry.path().extension() == ".xml")
            layouts.push_back(entry.path());
    if (layouts.empty()) {
        // Until the first layout file exists the build draws its sample board.
        EXPECT_TRUE(usable("keyboard/sample_keyboard.png", 1));
        return;
    }
    for (auto const& layout : layouts) {
        auto const picture_name = read_layout_picture(layout);
        ASSERT_TRUE(picture_name.found) << layout << " has no Keyboard element";
        std::string const name = normalise_name("keyboard/" + picture_name.image);
        auto const picture = decode(skin_dir() / name);
        ASSERT_TRUE(picture) << name << " of " << layout;
        if (picture_name.width > 0 && picture_name.height > 0) {
            EXPECT_EQ(picture->width, picture_name.width) << name;
            EXPECT_EQ(picture->height, picture_name.height) << name;
        }
        // The keyboard control loads a key's icon from the skin folder too.
        for (auto const& icon : picture_name.key_icons)
            EXPECT_TRUE(usable(icon, 1)) << "key icon of " << layout;
    }
}
