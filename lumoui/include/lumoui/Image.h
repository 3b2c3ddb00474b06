#pragma once

#include <lumoui/Export.h>
#include <lumoui/Types.h>

#include <cstdint>
#include <memory>
#include <span>

namespace LumoUI {

// A 32-bit image with alpha: decoded skin images, cached control faces and
// the off-screen window buffer. Copies share the pixels (like a reference-
// counted handle); Clone() makes an independent copy. A null image has no
// pixels and draws nothing. Not thread-safe: one thread draws into an image
// at a time (the window thread, in practice).
class LUMOUI_API MImage {
public:
    MImage() = default;

    // A new image of w × h, every pixel transparent black; null for a size
    // that is not positive.
    static MImage Create(int width, int height);
    // From straight (not premultiplied) 0xAARRGGBB pixels, row-major.
    static MImage FromARGB(int width, int height, std::span<uint32_t const> pixels);
    // Decodes PNG, GIF (first frame), JPEG, BMP or ICO; null on failure.
    static MImage LoadFromFile(CString const& path);
    static MImage LoadFromMemory(std::span<uint8_t const> bytes);

    bool IsNull() const { return m_data == nullptr; }
    explicit operator bool() const { return !IsNull(); }
    int Width() const;
    int Height() const;
    CSize Size() const { return { Width(), Height() }; }

    // Straight 0xAARRGGBB of one pixel; 0 outside the image.
    ARGB GetPixel(int x, int y) const;
    void SetPixel(int x, int y, ARGB color);
    MImage Clone() const;
    // Writes the image as PNG; false when the file cannot be written.
    bool SavePng(CString const& path) const;

    // Backend access (the renderer and the window system only).
    struct Data;
    Data* data() const { return m_data.get(); }

private:
    std::shared_ptr<Data> m_data;
};

}
