#include "keyboard/KeyOutline.h"

#include <algorithm>
#include <cstdlib>

namespace LumoUI {

namespace {
constexpr int kRadiusDivisor = 24;
constexpr int kMaxRadiusDifference = 10;
constexpr float kOutlineWidth = 2.0f;
}

KeyCornerRadii KeyCorners(CRect const& key)
{
    KeyCornerRadii radii { key.Width() / kRadiusDivisor, key.Height() / kRadiusDivisor };
    if (std::abs(radii.x - radii.y) > kMaxRadiusDifference)
        radii.x = radii.y = std::min(radii.x, radii.y);
    return radii;
}

void DrawKeyOutline(MGraphics& g, CRect const& key, ARGB color)
{
    KeyCornerRadii const radii = KeyCorners(key);
    g.DrawRoundRect(key, static_cast<float>(radii.x), static_cast<float>(radii.y), color, kOutlineWidth);
}

void FillKeyShape(MGraphics& g, CRect const& key, ARGB color)
{
    KeyCornerRadii const radii = KeyCorners(key);
    g.FillRoundRect(key, static_cast<float>(radii.x), static_cast<float>(radii.y), color);
}

}
