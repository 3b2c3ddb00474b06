#pragma once

#include "SkinImage.h"

namespace SkinGen {

// A mock-up of the main window put together from the generated images the
// way the controls draw them (strip frames, nine-grids), so the theme can be
// judged as a whole. It is a review aid, not part of the skin.
Surface paint_preview(ImageList const& images);

}
