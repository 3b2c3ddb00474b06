#include <lumoui/ImageList.h>

namespace LumoUI {

int MImageList::AddImage(wchar_t const* path, int id, int frames) { return InsertImage(-1, path, id, frames); }

int MImageList::InsertImage(int index, wchar_t const* path, int id, int frames)
{
    if (!path)
        return -1;
    {
        std::lock_guard lock(m_mutex);
        if (index < -1 || index > static_cast<int>(m_images.size()))
            return -1;
    }
    MImage image = MImage::LoadFromFile(path);
    if (image.IsNull())
        return -1;
    frames = std::max(frames, 1);
    std::lock_guard lock(m_mutex);
    _M_IAMGELIST entry { image, image.Width() / frames, image.Height(), id, frames, path };
    if (index == -1 || index > static_cast<int>(m_images.size())) {
        m_images.push_back(std::move(entry));
        return static_cast<int>(m_images.size()) - 1;
    }
    m_images.insert(m_images.begin() + index, std::move(entry));
    return index;
}

int MImageList::AddImage(MImage image, int id, int frames)
{
    if (image.IsNull())
        return -1;
    frames = std::max(frames, 1);
    std::lock_guard lock(m_mutex);
    m_images.push_back({ image, image.Width() / frames, image.Height(), id, frames, {} });
    return static_cast<int>(m_images.size()) - 1;
}

void MImageList::DrawItemIcon(MGraphics& g, CRect dst, int index) { DrawItemIcon(g, dst, index, 0); }

void MImageList::DrawItemIcon(MGraphics& g, CRect dst, int index, int frame)
{
    std::lock_guard lock(m_mutex);
    if (index < 0 || index >= static_cast<int>(m_images.size()))
        return;
    auto const& e = m_images[index];
    frame = std::clamp(frame, 0, e.frames - 1);
    g.DrawImage(e.image, dst, CRect(frame * e.frame_width, 0, (frame + 1) * e.frame_width, e.height));
}

_M_IAMGELIST const* MImageList::GetItemImageData(int index) const
{
    std::lock_guard lock(m_mutex);
    return index >= 0 && index < static_cast<int>(m_images.size()) ? &m_images[index] : nullptr;
}

_M_IAMGELIST const* MImageList::GetImageDataByID(int id) const
{
    std::lock_guard lock(m_mutex);
    for (auto const& e : m_images)
        if (e.id == id)
            return &e;
    return nullptr;
}

CString MImageList::GetImagePath(int index) const
{
    auto const* e = GetItemImageData(index);
    return e ? e->path : CString {};
}

CString MImageList::GetImagePathByID(int id) const
{
    auto const* e = GetImageDataByID(id);
    return e ? e->path : CString {};
}

int MImageList::GetImageCount() const
{
    std::lock_guard lock(m_mutex);
    return static_cast<int>(m_images.size());
}

void MImageList::SetDrawImgSize(int width, int height) { m_draw_size = { width, height }; }
CSize MImageList::GetIconSize() const { return m_draw_size; }

void MImageList::DelAllImages()
{
    std::lock_guard lock(m_mutex);
    m_images.clear();
}

}
