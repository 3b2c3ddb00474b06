#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace Tessera {

// One key's current colour (COLORREF) on the keyboard picture.
struct KeyColor {
    int keyCode { 0 };
    std::uint32_t color { 0 };
};

// Where live frames take their colours from: the keyboard picture that the
// music and screen engines paint. The main window implements it over the
// picture's thread-safe by-key colour reads.
//
// Threads: called from the worker thread while the window thread and the
// engines change the colours; an implementation copies under its own lock
// and must not allocate.
class KeyColorSource {
public:
    virtual ~KeyColorSource() = default;
    // Copies up to out.size() keys with their colours in picture order;
    // returns how many were copied.
    virtual std::size_t CopyKeyColors(std::span<KeyColor> out) = 0;
};

}
