#pragma once

#include <lumoui/Graphics.h>
#include <lumoui/Types.h>

namespace LumoUI {

// Corner radii of a key's rounded shape: a 24th of its width and of its
// height; when they differ by more than 10 pixels (long keys such as the
// space bar) both take the smaller, so long keys do not look like pills.
struct KeyCornerRadii {
    int x;
    int y;
};
KeyCornerRadii KeyCorners(CRect const& key);

// The 2-pixel rounded outline every display mode draws around a key.
void DrawKeyOutline(MGraphics& g, CRect const& key, ARGB color);
// The same shape filled (dimmed keys).
void FillKeyShape(MGraphics& g, CRect const& key, ARGB color);

}
