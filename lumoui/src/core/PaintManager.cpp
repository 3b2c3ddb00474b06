#include <lumoui/Control.h>
#include <lumoui/ControlFactory.h>
#include <lumoui/Manager.h>
#include <lumoui/PaintManager.h>
#include <lumoui/Render.h>
#include <lumoui/Window.h>

#include "core/TooltipWindow.h"
#include "render/Fonts.h"
#include "window/WindowSystemImpl.h"

#include <algorithm>
#include <filesystem>

namespace LumoUI {

namespace {

constexpr unsigned kMessageHoldTimer = 66;
constexpr unsigned kMessageFadeTimer = 88;
constexpr unsigned kProgressTimer = 99;
constexpr unsigned kCaretTimer = 6553;

}

PaintManager::PaintManager()
    : m_back_color(RGB(9, 13, 19))
    , m_frame_color(RGB(16, 168, 253))
{
}

PaintManager::~PaintManager()
{
    RKTimer::KillTimer();
    DestroyData();
    m_areas.Clear();
    m_controls.Clear();
}

void PaintManager::Init(HWND hwnd, MWindow* owner)
{
    if (!IsWindow(hwnd))
        return;
    m_hwnd = hwnd;
    m_owner = owner;
    CString fontFile = Manager::GetAppDirectory() + L"font/SourceHanSansCN-Regular.otf";
    std::error_code error;
    if (std::filesystem::exists(ToUtf8(fontFile), error))
        AddTempFont(L"SourceHanSansCN-Regular", fontFile.c_str());
    m_initialized = true;
    m_vscroll_res = 102;
    m_hscroll_res = 101;
    AddGDITempFont(106);
}

void PaintManager::DestroyData()
{
    if (!m_initialized)
        return;
    KillMTimer();
    ClearTimers();
    ClearTooltip();
    m_tooltip.reset();
    m_back_image = MImage {};
    m_hover = m_focus = nullptr;
    ClearAllControls();
    ClearImgResInfo();
    ClearTempFont();
    m_buffer = MImage {};
    m_initialized = false;
}

// ---- factory ----

MControl* PaintManager::AddControl(int kind, MObject* parent, std::unique_ptr<MControl> control)
{
    if (!control)
        return nullptr;
    control->SetParent(parent);
    control->SetManager(this);
    return kind == 0 ? m_areas.Add(std::move(control)) : m_controls.Add(std::move(control));
}

MControl* PaintManager::CreateControl(int kind, MObject* parent, wchar_t const* cls, unsigned id, CRect rc, wchar_t const* title, int visible, int enabled)
{
    std::unique_ptr<MControl> control = ControlFactory::Create(cls, FactoryDialog, ControlArgs { title ? title : L"", visible, enabled });
    if (!control)
        return nullptr;
    control->SetControlID(id);
    control->SetControlRect(rc);
    return AddControl(kind, parent, std::move(control));
}

MControl* PaintManager::CreateControl(MObject* parent, wchar_t const* cls, unsigned id, CRect rc, wchar_t const* title, int visible, int enabled)
{
    return CreateControl(1, parent, cls, id, rc, title, visible, enabled);
}

MControl* PaintManager::CreateArea(MObject* parent, wchar_t const* cls, unsigned id, CRect rc, wchar_t const* title, int visible, int enabled)
{
    return CreateControl(0, parent, cls, id, rc, title, visible, enabled);
}

MControl* PaintManager::GetControl(unsigned id)
{
    MControl* found = nullptr;
    auto search = [&](MControl* c) {
        found = c->GetControlID() == id ? c : c->GetControl(id);
        return found != nullptr;
    };
    m_controls.FindFirst(search);
    if (!found)
        m_areas.FindFirst(search);
    return found;
}

void PaintManager::RemoveControl(MControl* control)
{
    if (!control)
        return;
    if (m_focus == control)
        SetFocusControl(nullptr);
    m_controls.Remove(control);
}

void PaintManager::ClearAreaControls() { m_areas.Clear(); }

void PaintManager::ClearControls()
{
    m_hover = m_focus = nullptr;
    m_controls.Clear();
}

void PaintManager::ClearAllControls()
{
    ClearAreaControls();
    ClearControls();
}

void PaintManager::ForgetControl(MControl* control)
{
    if (m_hover == control) {
        m_hover = nullptr;
        m_pressed = false;
    }
    if (m_focus == control)
        m_focus = nullptr;
    DeleteFSTimer(control);
    KillTimer(control);
}

// ---- appearance ----

void PaintManager::SetBackColor(COLORREF back, COLORREF frame)
{
    m_back_color = back;
    m_frame_color = frame;
    Invalidate();
}

void PaintManager::SetBackMode(enumBackMode mode, int param)
{
    m_back_mode = mode;
    m_back_param = param;
    Invalidate();
}

int PaintManager::LoadBKImage(CString const& file)
{
    m_back_image = MRender::LoadImageFromFile(GetSkinFile(file));
    Invalidate();
    return m_back_image.IsNull() ? 0 : 1;
}

int PaintManager::LoadBKImage(unsigned resId, CString const& resType)
{
    m_back_image = MRender::LoadImageFromIDResource(resId, resType);
    Invalidate();
    return m_back_image.IsNull() ? 0 : 1;
}

void PaintManager::SetBKImage(MImage image)
{
    m_back_image = std::move(image);
    Invalidate();
}

CString PaintManager::GetSkinFolder() { return Manager::GetAppDirectory() + L"skins/" + Manager::GetTheme() + L"/"; }

CString PaintManager::NormalizeSkinName(CString name)
{
    std::replace(name.begin(), name.end(), L'\\', L'/');
    return name;
}

CString PaintManager::GetSkinFile(CString const& name) { return GetSkinFolder() + NormalizeSkinName(name); }

// ---- painting ----

void PaintManager::Invalidate() { LumoUI::InvalidateRect(m_hwnd, nullptr, false); }

void PaintManager::InvalidateRect(CRect rc, int)
{
    if (m_layered)
        LumoUI::InvalidateRect(m_hwnd, nullptr, true);
    else
        LumoUI::InvalidateRect(m_hwnd, &rc, false);
}

LRESULT PaintManager::OnControlUpdate(CRect rc, int markDirty, MControl* ctrl)
{
    if (!ctrl)
        return 0;
    if (markDirty)
        ctrl->SetUpdate(0, m_back_color);
    CRect region = rc;
    if (m_initialized) {
        bool after = false;
        auto walk = [&](MControl* c) {
            if (c == ctrl) {
                after = true;
                return;
            }
            if (after && c->IsVisible() && c->GetRect().Intersects(rc)) {
                c->SetUpdate(0, m_back_color);
                region.UnionRect(region, c->GetRect());
            }
        };
        m_areas.ForEach(walk);
        m_controls.ForEach(walk);
    }
    InvalidateRect(region, 0);
    return 0;
}

void PaintManager::DrawBackground(MGraphics& g, CRect client)
{
    if (!m_back_image.IsNull()) {
        if (m_back_mode == BACK_MODE_NORMAL)
            g.DrawImage(m_back_image, CPoint(0, 0));
        else if (m_back_mode == BACK_MODE_FRAME)
            g.DrawImageFrame(m_back_image, client, CRect(CPoint(), m_back_image.Size()), m_back_param);
        return;
    }
    g.Clear(client, ColorRefToARGB(m_frame_color, 254));
    CRect inner = client;
    inner.DeflateRect(1, 1);
    g.Clear(inner, ColorRefToARGB(m_back_color, 254));
}

void PaintManager::DrawControls(MGraphics& g, CRect clip)
{
    m_areas.ForEach([&](MControl* c) { c->Draw(g, clip); });
    m_controls.ForEach([&](MControl* c) { c->Draw(g, clip); });
}

int PaintManager::OnPaint()
{
    auto& system = WindowSystem::Get();
    if (!system.IsAlive(m_hwnd) || (m_hwnd->style & WS_MINIMIZE))
        return 1;
    CRect update = system.TakeUpdateRect(m_hwnd);
    if (update.IsRectEmpty())
        return 0;
    CRect client;
    GetClientRect(client);
    if (client.IsRectEmpty())
        return 0;
    if (m_buffer.IsNull() || m_buffer.Size() != client.Size()) {
        m_buffer = MImage::Create(client.Width(), client.Height());
        update = client; // a new buffer holds nothing yet
        SetUpdateAll();
    }
    if (m_layered)
        update = client;
    {
        MGraphics g(m_buffer);
        g.ClipRect(update);
        g.Clear(update, 0);
        DrawBackground(g, client);
        DrawControls(g, update);
        DrawMessageOverlay(g);
    }
    ++m_paint_count;
    m_last_paint_rect = update;
    system.Present(m_hwnd, m_buffer, update);
    return 1;
}

void PaintManager::SetUpdateAll()
{
    m_areas.ForEach([&](MControl* c) { c->SetUpdate(0, m_back_color); });
    m_controls.ForEach([&](MControl* c) { c->SetUpdate(0, m_back_color); });
}

MImage PaintManager::PaintToImage()
{
    CRect client;
    GetClientRect(client);
    MImage image = MImage::Create(client.Width(), client.Height());
    if (image.IsNull())
        return image;
    SetUpdateAll();
    MGraphics g(image);
    DrawBackground(g, client);
    DrawControls(g, client);
    DrawMessageOverlay(g);
    return image;
}

void PaintManager::DrawMessageOverlay(MGraphics& g)
{
    if (m_msg_text.empty() || m_msg_alpha <= 10)
        return;
    auto alpha = static_cast<unsigned>(m_msg_alpha) << 24;
    CRect box = m_msg_rect;
    g.FillRect(box, alpha | 0xE6E6E6);
    CRect inner = box;
    inner.DeflateRect(2, 2);
    g.FillRect(inner, alpha | 0xFEFEFE);
    MFont font { Manager::GetFontName(), 12, FontStyleRegular };
    if (m_msg_target <= 0) {
        g.DrawText(m_msg_text, CRect(box.left + 5, box.top + 5, box.left + 195, box.top + 55), font, alpha | 0x050505, DT_LEFT | DT_VCENTER | DT_WORDBREAK);
        return;
    }
    g.DrawText(m_msg_text, CRect(box.left + 5, box.top + 5, box.right - 5, box.top + 35), font, alpha | 0x050505, DT_CENTER | DT_VCENTER);
    g.DrawLine(CPoint(box.left + 10, box.bottom - 15), CPoint(box.right - 20, box.bottom - 15), 0xC8C8C8C8, 1);
    int width = m_msg_progress * (box.Width() - 20) / 100;
    g.FillRect(CRect(box.left + 10, box.bottom - 16, box.left + 10 + width, box.bottom - 13), 0xFEFFE100);
}

// ---- window ----

void PaintManager::GetClientRect(CRect& rc) const
{
    rc = {};
    if (NativeWindow* w = WindowSystem::Get().Find(m_hwnd))
        rc = CRect(0, 0, w->rect.Width(), w->rect.Height());
}

void PaintManager::GetWindowRect(CRect& rc) const
{
    rc = {};
    if (NativeWindow* w = WindowSystem::Get().Find(m_hwnd))
        rc = w->rect;
}

void PaintManager::GetClientSize(int& w, int& h) const
{
    CRect rc;
    GetClientRect(rc);
    w = rc.Width();
    h = rc.Height();
}

LRESULT PaintManager::SendMessageW(unsigned msg, WPARAM wParam, LPARAM lParam) { return LumoUI::SendMessageW(m_hwnd, msg, wParam, lParam); }
bool PaintManager::PostMessageW(unsigned msg, WPARAM wParam, LPARAM lParam) { return LumoUI::PostMessageW(m_hwnd, msg, wParam, lParam); }

// ---- images and fonts ----

ImgResInfo* PaintManager::AddImgResInfo(wchar_t const* file, int frames)
{
    if (!file)
        return nullptr;
    CString const name = NormalizeSkinName(file);
    std::lock_guard lock(m_image_mutex);
    auto it = m_images.find(name);
    if (it != m_images.end())
        return it->second.get();
    MImage image = MRender::LoadImageFromFile(GetSkinFolder() + name);
    if (image.IsNull())
        return nullptr;
    frames = std::max(frames, 1);
    auto info = std::make_unique<ImgResInfo>(ImgResInfo { image, image.Width() / frames, image.Height(), frames, name });
    return m_images.emplace(name, std::move(info)).first->second.get();
}

ImgResInfo* PaintManager::AddImgResInfo(unsigned resId, CString const& resType, int frames, int)
{
    CString key = L"#res/" + std::to_wstring(resId);
    std::lock_guard lock(m_image_mutex);
    auto it = m_images.find(key);
    if (it != m_images.end())
        return it->second.get();
    MImage image = MRender::LoadImageFromIDResource(resId, resType);
    if (image.IsNull())
        return nullptr;
    frames = std::max(frames, 1);
    auto info = std::make_unique<ImgResInfo>(ImgResInfo { image, image.Width() / frames, image.Height(), frames, key });
    return m_images.emplace(key, std::move(info)).first->second.get();
}

void PaintManager::ClearImgResInfo()
{
    std::lock_guard lock(m_image_mutex);
    m_images.clear();
}

size_t PaintManager::GetImageCacheSize() const
{
    std::lock_guard lock(m_image_mutex);
    return m_images.size();
}

FontFamily* PaintManager::AddTempFont(wchar_t const* family, wchar_t const* file)
{
    if (!family || !file)
        return nullptr;
    CString real = Fonts::AddFontFile(file);
    if (real.empty())
        return nullptr;
    Fonts::AddAlias(family, real);
    std::lock_guard lock(m_font_mutex);
    auto& slot = m_fonts[family];
    slot = std::make_unique<FontFamily>(FontFamily { real });
    return slot.get();
}

FontFamily* PaintManager::AddTempFont(wchar_t const* family, unsigned resId)
{
    if (!family || AddGDITempFont(resId) == 0)
        return nullptr;
    return FindTempFont(family);
}

int PaintManager::AddGDITempFont(unsigned resId)
{
    // The embedded caption font (106, "Open Sans Semibold") is the system's
    // Open Sans at semibold weight when installed, else the fallback family.
    if (resId != 106)
        return 0;
    if (Fonts::IsInstalled(L"Open Sans"))
        Fonts::AddAlias(L"Open Sans Semibold", L"Open Sans", Fonts::kWeightSemibold);
    else
        Fonts::AddAlias(L"Open Sans Semibold", Fonts::FallbackFamily());
    return 1;
}

FontFamily* PaintManager::FindTempFont(wchar_t const*)
{
    CString name = Manager::GetFontName();
    std::lock_guard lock(m_font_mutex);
    auto it = m_fonts.find(name);
    if (it != m_fonts.end())
        return it->second.get();
    if (!Fonts::IsInstalled(name))
        return nullptr;
    auto& slot = m_fonts[name];
    slot = std::make_unique<FontFamily>(FontFamily { name });
    return slot.get();
}

void PaintManager::ClearTempFont()
{
    std::lock_guard lock(m_font_mutex);
    m_fonts.clear();
}

}
