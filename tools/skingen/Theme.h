#pragma once

// The colours of the dark theme. Every image of the skin takes its colours
// from here, so a change of tone is one edit.

namespace SkinGen {

struct Rgba {
    double r;
    double g;
    double b;
    double a = 1.0;

    constexpr Rgba with_alpha(double alpha) const { return {r, g, b, alpha}; }
};

constexpr Rgba rgb(int red, int green, int blue, double alpha = 1.0)
{
    return {red / 255.0, green / 255.0, blue / 255.0, alpha};
}

// Mixes two colours: t = 0 gives `a`, t = 1 gives `b`.
constexpr Rgba mix(Rgba a, Rgba b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

namespace Theme {

constexpr Rgba back = rgb(9, 13, 19);          // window back colour
constexpr Rgba accent = rgb(16, 168, 253);     // frame, highlight and selection colour
constexpr Rgba accent_light = rgb(92, 198, 255);
constexpr Rgba accent_deep = rgb(8, 118, 196);
constexpr Rgba surface = rgb(15, 21, 30);      // cards and panels
constexpr Rgba raised = rgb(22, 30, 42);       // controls at rest
constexpr Rgba raised_hover = rgb(30, 41, 57); // controls under the mouse
constexpr Rgba sunken = rgb(7, 10, 15);        // pressed controls, tracks
constexpr Rgba line = rgb(38, 50, 67);         // hairlines and borders
constexpr Rgba line_soft = rgb(28, 37, 50);
constexpr Rgba ink = rgb(214, 226, 240);       // glyphs at rest
constexpr Rgba ink_muted = rgb(134, 150, 170);
constexpr Rgba ink_disabled = rgb(62, 72, 88);
constexpr Rgba danger = rgb(255, 77, 94);
constexpr Rgba success = rgb(56, 224, 140);
constexpr Rgba warning = rgb(255, 176, 32);
constexpr Rgba edit_back = rgb(6, 24, 53);     // the list's in-place edit colour
constexpr Rgba wait_back = rgb(51, 51, 51);    // the wait dialog's back colour
constexpr Rgba white = rgb(255, 255, 255);

}

}
