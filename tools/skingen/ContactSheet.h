#pragma once

#include "SkinImage.h"

#include <filesystem>

namespace SkinGen {

// One PNG showing every image with its name, size and frame count. Frames of
// a strip are shown apart; small images are doubled (pixel for pixel) and
// large ones reduced to fit.
bool write_contact_sheet(ImageList const& images, std::filesystem::path const& path);

}
