#pragma once

#include <lumoui/Export.h>
#include <lumoui/Graphics.h>
#include <lumoui/Image.h>
#include <lumoui/Types.h>

#include <mutex>
#include <vector>

namespace LumoUI {

// One entry of an image list.
struct _M_IAMGELIST {
    MImage image;
    int frame_width { 0 };
    int height { 0 };
    int id { 0 };
    int frames { 1 };
    CString path;
};

// A small indexed list of strip images. Paths are used unchanged (not
// resolved against the skin folder). One lock guards the entries.
class LUMOUI_API MImageList {
public:
    // Appends; returns the index, or -1 when the image cannot be loaded.
    int AddImage(wchar_t const* path, int id, int frames = 1);
    // index -1 appends; an out-of-range index or null path gives -1.
    int InsertImage(int index, wchar_t const* path, int id, int frames = 1);
    // Appends an image already in memory.
    int AddImage(MImage image, int id, int frames = 1);
    // Frame 0 / the given frame (clamped to the last) scaled into dst.
    void DrawItemIcon(MGraphics& g, CRect dst, int index);
    void DrawItemIcon(MGraphics& g, CRect dst, int index, int frame);
    _M_IAMGELIST const* GetItemImageData(int index) const;
    _M_IAMGELIST const* GetImageDataByID(int id) const;
    CString GetImagePath(int index) const;
    CString GetImagePathByID(int id) const;
    int GetImageCount() const;
    void SetDrawImgSize(int width, int height);
    CSize GetIconSize() const;
    void DelAllImages();

private:
    mutable std::mutex m_mutex;
    std::vector<_M_IAMGELIST> m_images;
    CSize m_draw_size;
};

}
