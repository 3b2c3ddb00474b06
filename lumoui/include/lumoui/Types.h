#pragma once

// Basic value types of the toolkit: strings, colours, message parameters,
// window handles and the geometry of client coordinates (physical pixels).

#include <lumoui/Export.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

namespace LumoUI {

// The toolkit's wide string: one code point per element. UTF-8 only at the
// Pango, file-system and file-format boundaries (see ToUtf8/FromUtf8).
using CString = std::wstring;

LUMOUI_API std::string ToUtf8(std::wstring_view text);
LUMOUI_API std::wstring FromUtf8(std::string_view text);

// 0x00BBGGRR: key colours, the database, back and frame colours.
using COLORREF = uint32_t;
// 0xAARRGGBB: text and fill colours of controls.
using ARGB = uint32_t;

constexpr COLORREF RGB(unsigned r, unsigned g, unsigned b)
{
    return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
}
constexpr unsigned GetRValue(COLORREF c) { return c & 0xFF; }
constexpr unsigned GetGValue(COLORREF c) { return (c >> 8) & 0xFF; }
constexpr unsigned GetBValue(COLORREF c) { return (c >> 16) & 0xFF; }
constexpr ARGB MakeARGB(unsigned a, unsigned r, unsigned g, unsigned b)
{
    return ((a & 0xFF) << 24) | ((r & 0xFF) << 16) | ((g & 0xFF) << 8) | (b & 0xFF);
}
// An opaque ARGB colour from a COLORREF.
constexpr ARGB ColorRefToARGB(COLORREF c, unsigned alpha = 255)
{
    return MakeARGB(alpha, GetRValue(c), GetGValue(c), GetBValue(c));
}

// Message parameters are pointer-wide, so a parameter may carry an address.
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

// A top-level window of the toolkit's window system; null = none.
struct NativeWindow;
using HWND = NativeWindow*;

// x and y travel in lParam as signed 16-bit low and high words.
constexpr LPARAM MAKELPARAM(int lo, int hi)
{
    return static_cast<LPARAM>(static_cast<uint32_t>((lo & 0xFFFF) | ((hi & 0xFFFF) << 16)));
}
constexpr int GET_X_LPARAM(LPARAM l) { return static_cast<int16_t>(l & 0xFFFF); }
constexpr int GET_Y_LPARAM(LPARAM l) { return static_cast<int16_t>((l >> 16) & 0xFFFF); }
constexpr int GET_WHEEL_DELTA_WPARAM(WPARAM w) { return static_cast<int16_t>((w >> 16) & 0xFFFF); }
constexpr unsigned LOWORD(uintptr_t v) { return static_cast<unsigned>(v & 0xFFFF); }
constexpr unsigned HIWORD(uintptr_t v) { return static_cast<unsigned>((v >> 16) & 0xFFFF); }

struct CPoint {
    int x { 0 };
    int y { 0 };
    constexpr CPoint() = default;
    constexpr CPoint(int px, int py) : x(px), y(py) { }
    constexpr bool operator==(CPoint const&) const = default;
    constexpr CPoint operator+(CPoint o) const { return { x + o.x, y + o.y }; }
    constexpr CPoint operator-(CPoint o) const { return { x - o.x, y - o.y }; }
};
using POINT = CPoint;

struct CSize {
    int cx { 0 };
    int cy { 0 };
    constexpr CSize() = default;
    constexpr CSize(int w, int h) : cx(w), cy(h) { }
    constexpr bool operator==(CSize const&) const = default;
};

// left-top inclusive, right-bottom exclusive.
struct CRect {
    int left { 0 };
    int top { 0 };
    int right { 0 };
    int bottom { 0 };

    constexpr CRect() = default;
    constexpr CRect(int l, int t, int r, int b) : left(l), top(t), right(r), bottom(b) { }
    constexpr CRect(CPoint p, CSize s) : left(p.x), top(p.y), right(p.x + s.cx), bottom(p.y + s.cy) { }
    constexpr bool operator==(CRect const&) const = default;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr CSize Size() const { return { Width(), Height() }; }
    constexpr CPoint TopLeft() const { return { left, top }; }
    constexpr CPoint BottomRight() const { return { right, bottom }; }
    constexpr CPoint CenterPoint() const { return { (left + right) / 2, (top + bottom) / 2 }; }
    constexpr bool IsRectEmpty() const { return right <= left || bottom <= top; }
    constexpr bool PtInRect(CPoint p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    constexpr void SetRect(int l, int t, int r, int b) { left = l; top = t; right = r; bottom = b; }
    constexpr void SetRectEmpty() { *this = CRect {}; }
    constexpr void OffsetRect(int dx, int dy) { left += dx; right += dx; top += dy; bottom += dy; }
    constexpr void InflateRect(int dx, int dy) { left -= dx; right += dx; top -= dy; bottom += dy; }
    constexpr void DeflateRect(int dx, int dy) { InflateRect(-dx, -dy); }
    constexpr void DeflateRect(int l, int t, int r, int b) { left += l; top += t; right -= r; bottom -= b; }
    constexpr void MoveToXY(int x, int y) { OffsetRect(x - left, y - top); }
    // Intersection; empty (all zero) when the two do not overlap.
    constexpr bool IntersectRect(CRect const& a, CRect const& b)
    {
        CRect r { std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom) };
        *this = r.IsRectEmpty() ? CRect {} : r;
        return !IsRectEmpty();
    }
    // Union; an empty operand is ignored.
    constexpr void UnionRect(CRect const& a, CRect const& b)
    {
        if (a.IsRectEmpty()) { *this = b; return; }
        if (b.IsRectEmpty()) { *this = a; return; }
        *this = { std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom) };
    }
    constexpr bool Intersects(CRect const& o) const
    {
        CRect r;
        return r.IntersectRect(*this, o);
    }
};
using RECT = CRect;

}
