#include "SkinFiles.h"

#include <test_support/Paths.h>
#include <test_support/TempDir.h>

#include <expat.h>
#include <stb_image.h>

#include <cstring>
#include <regex>

namespace SkinTest {

std::optional<Picture> decode(std::filesystem::path const& path)
{
    int width = 0, height = 0, channels = 0;
    unsigned char* data = stbi_load(path.c_str(), &width, &height, &channels, 4);
    if (!data)
        return std::nullopt;
    Picture picture{width, height, std::vector<unsigned char>(data, data + size_t(width) * size_t(height) * 4)};
    stbi_image_free(data);
    return picture;
}

std::filesystem::path skin_dir()
{
    return TestSupport::dist_dir() / "skins" / "theme1";
}

std::string normalise_name(std::string const& name)
{
    std::string out;
    for (char c : name) {
        bool const separator = c == '\\' || c == '/';
        if (separator && !out.empty() && out.back() == '/')
            continue;
        out += separator ? '/' : c;
    }
    return out;
}

std::vector<std::string> image_literals(std::filesystem::path const& folder)
{
    static std::regex const literal(R"re("([A-Za-z0-9_./\\-]+\.(png|gif))")re");
    std::vector<std::string> names;
    std::error_code error;
    if (!std::filesystem::exists(folder, error))
        return names;
    for (auto const& entry : std::filesystem::recursive_directory_iterator(folder, error)) {
        auto const extension = entry.path().extension();
        if (extension != ".cpp" && extension != ".h")
            continue;
        std::string const text = TestSupport::read_file(entry.path());
        for (std::sregex_iterator it(text.begin(), text.end(), literal), end; it != end; ++it)
            names.push_back(normalise_name((*it)[1].str()));
    }
    return names;
}

std::vector<std::pair<std::string, int>> framed_image_literals(std::filesystem::path const& folder)
{
    static std::regex const call(
        R"re((SetImage|SetIconImage|AddImgResInfo|AddImage)\s*\(\s*L?"([A-Za-z0-9_./\\-]+\.(png|gif))"\s*,\s*(\d+)\s*\))re");
    std::vector<std::pair<std::string, int>> found;
    std::error_code error;
    if (!std::filesystem::exists(folder, error))
        return found;
    for (auto const& entry : std::filesystem::recursive_directory_iterator(folder, error)) {
        auto const extension = entry.path().extension();
        if (extension != ".cpp" && extension != ".h")
            continue;
        std::string const text = TestSupport::read_file(entry.path());
        for (std::sregex_iterator it(text.begin(), text.end(), call), end; it != end; ++it)
            found.emplace_back(normalise_name((*it)[2].str()), std::stoi((*it)[4].str()));
    }
    return found;
}

namespace {

void on_start(void* data, char const* element, char const** attributes)
{
    auto* picture = static_cast<LayoutPicture*>(data);
    if (std::strcmp(element, "key") == 0) {
        for (int i = 0; attributes[i]; i += 2)
            if (std::strcmp(attributes[i], "icon") == 0 && attributes[i + 1][0] != '\0')
                picture->key_icons.push_back(normalise_name(attributes[i + 1]));
        return;
    }
    if (std::strcmp(element, "Keyboard") != 0 || picture->found)
        return;
    picture->found = true;
    for (int i = 0; attributes[i]; i += 2) {
        std::string const name = attributes[i];
        if (name == "image")
            picture->image = attributes[i + 1];
        else if (name == "width")
            picture->width = std::atoi(attributes[i + 1]);
        else if (name == "height")
            picture->height = std::atoi(attributes[i + 1]);
    }
}

}

LayoutPicture read_layout_picture(std::filesystem::path const& path)
{
    LayoutPicture picture;
    std::string const text = TestSupport::read_file(path);
    XML_Parser parser = XML_ParserCreate(nullptr);
    XML_SetUserData(parser, &picture);
    XML_SetElementHandler(parser, on_start, nullptr);
    XML_Parse(parser, text.data(), int(text.size()), 1);
    XML_ParserFree(parser);
    return picture;
}

}
