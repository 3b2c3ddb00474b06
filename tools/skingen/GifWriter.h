#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace SkinGen {

// A GIF89a file of one image with a 256-colour table: `indexes` holds one
// palette index per pixel, row after row. Every GIF reader, including those
// that read only the first image, gets the whole picture.
std::vector<unsigned char> encode_gif(int width, int height, std::array<uint32_t, 256> const& palette_rgb,
    std::vector<uint8_t> const& indexes);

}
