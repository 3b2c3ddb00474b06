// Real windows: SDL2 on X11. Every window is borderless; the toolkit draws
// the whole window and copies its off-screen buffer onto the window surface.

#include "window/Backend.h"
#include "window/SdlKeys.h"

#include "render/ImageData.h"

#include <lumoui/Messages.h>

#include <SDL2/SDL.h>

#include <cstring>
#include <map>

namespace LumoUI {

namespace {

class SdlBackend final : public Backend {
public:
    static std::unique_ptr<Backend> Open()
    {
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
        SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
        SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
        // Compositions longer than 32 bytes come whole as SDL_TEXTEDITING_EXT.
        SDL_SetHint(SDL_HINT_IME_SUPPORT_EXTENDED_TEXT, "1");
        if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0)
            return nullptr;
        SDL_StartTextInput();
        auto backend = std::make_unique<SdlBackend>();
        backend->m_wake_event = SDL_RegisterEvents(1);
        return backend;
    }

    ~SdlBackend() override
    {
        for (auto& [id, cursor] : m_cursors)
            SDL_FreeCursor(cursor);
        for (auto& [hwnd, window] : m_windows)
            SDL_DestroyWindow(window);
        SDL_Quit();
    }

    bool CreateSurface(HWND hwnd, CRect rc, unsigned style, unsigned exStyle) override
    {
        Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS;
        if (exStyle & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST))
            flags |= SDL_WINDOW_SKIP_TASKBAR;
        if (exStyle & WS_EX_TOPMOST)
            flags |= SDL_WINDOW_ALWAYS_ON_TOP;
        if ((style & WS_POPUP) && (exStyle & WS_EX_TOOLWINDOW))
            flags |= SDL_WINDOW_POPUP_MENU;
        SDL_Window* window = SDL_CreateWindow("", rc.left, rc.top, std::max(rc.Width(), 1), std::max(rc.Height(), 1), flags);
        if (!window)
            return false;
        m_windows[hwnd] = window;
        m_ids[SDL_GetWindowID(window)] = hwnd;
        return true;
    }

    void DestroySurface(HWND hwnd) override
    {
        auto it = m_windows.find(hwnd);
        if (it == m_windows.end())
            return;
        m_ids.erase(SDL_GetWindowID(it->second));
        SDL_DestroyWindow(it->second);
        m_windows.erase(it);
    }

    void Show(HWND hwnd, bool show, bool activate) override
    {
        if (SDL_Window* w = Lookup(hwnd)) {
            if (show) {
                SDL_ShowWindow(w);
                if (SDL_GetWindowFlags(w) & SDL_WINDOW_MINIMIZED)
                    SDL_RestoreWindow(w);
                if (activate)
                    SDL_RaiseWindow(w);
            } else {
                SDL_HideWindow(w);
            }
        }
    }

    void Minimize(HWND hwnd) override
    {
        if (SDL_Window* w = Lookup(hwnd)) {
            SDL_ShowWindow(w);
            SDL_MinimizeWindow(w);
        }
    }

    void SetBounds(HWND hwnd, CRect rc) override
    {
        if (SDL_Window* w = Lookup(hwnd)) {
            SDL_SetWindowPosition(w, rc.left, rc.top);
            SDL_SetWindowSize(w, std::max(rc.Width(), 1), std::max(rc.Height(), 1));
        }
    }

    void SetTitle(HWND hwnd, CString const& title) override
    {
        if (SDL_Window* w = Lookup(hwnd))
            SDL_SetWindowTitle(w, ToUtf8(title).c_str());
    }

    void Present(HWND hwnd, MImage const& frame, CRect dirty) override
    {
        SDL_Window* w = Lookup(hwnd);
        if (!w || frame.IsNull())
            return;
        SDL_Surface* surface = SDL_GetWindowSurface(w);
        if (!surface)
            return;
        cairo_surface_t* src = frame.data()->surface;
        cairo_surface_flush(src);
        int width = std::min(surface->w, frame.Width());
        int height = std::min(surface->h, frame.Height());
        CRect area;
        if (!area.IntersectRect(dirty, CRect(0, 0, width, height)))
            return;
        SDL_LockSurface(surface);
        auto const* srcBase = cairo_image_surface_get_data(src);
        int srcStride = cairo_image_surface_get_stride(src);
        bool direct = surface->format->format == SDL_PIXELFORMAT_RGB888 || surface->format->format == SDL_PIXELFORMAT_ARGB8888;
        for (int y = area.top; y < area.bottom; ++y) {
            auto const* in = reinterpret_cast<uint32_t const*>(srcBase + y * srcStride) + area.left;
            auto* out = static_cast<uint8_t*>(surface->pixels) + y * surface->pitch;
            if (direct) {
                std::memcpy(reinterpret_cast<uint32_t*>(out) + area.left, in, static_cast<size_t>(area.Width()) * 4);
            } else {
                for (int x = 0; x < area.Width(); ++x) {
                    uint32_t p = in[x];
                    Uint32 mapped = SDL_MapRGB(surface->format, (p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
                    std::memcpy(out + (area.left + x) * surface->format->BytesPerPixel, &mapped, surface->format->BytesPerPixel);
                }
            }
        }
        SDL_UnlockSurface(surface);
        SDL_Rect r { area.left, area.top, area.Width(), area.Height() };
        SDL_UpdateWindowSurfaceRects(w, &r, 1);
    }

    void Raise(HWND hwnd) override
    {
        if (SDL_Window* w = Lookup(hwnd))
            SDL_RaiseWindow(w);
    }

    void SetOpacity(HWND hwnd, float opacity) override
    {
        if (SDL_Window* w = Lookup(hwnd))
            SDL_SetWindowOpacity(w, opacity);
    }

    void CaptureMouse(bool on) override { SDL_CaptureMouse(on ? SDL_TRUE : SDL_FALSE); }

    void SetCursor(CursorKind kind) override
    {
        auto id = static_cast<int>(kind);
        auto it = m_cursors.find(id);
        if (it == m_cursors.end()) {
            static constexpr SDL_SystemCursor kMap[] = { SDL_SYSTEM_CURSOR_ARROW, SDL_SYSTEM_CURSOR_WAIT, SDL_SYSTEM_CURSOR_CROSSHAIR,
                SDL_SYSTEM_CURSOR_SIZEWE, SDL_SYSTEM_CURSOR_SIZENS, SDL_SYSTEM_CURSOR_HAND, SDL_SYSTEM_CURSOR_ARROW };
            it = m_cursors.emplace(id, SDL_CreateSystemCursor(kMap[id])).first;
        }
        if (it->second)
            SDL_SetCursor(it->second);
    }

    CRect WorkArea(CPoint pt) override
    {
        int count = SDL_GetNumVideoDisplays();
        SDL_Rect best {};
        for (int i = 0; i < count; ++i) {
            SDL_Rect bounds, usable;
            if (SDL_GetDisplayBounds(i, &bounds) != 0 || SDL_GetDisplayUsableBounds(i, &usable) != 0)
                continue;
            if (i == 0)
                best = usable;
            SDL_Point p { pt.x, pt.y };
            if (SDL_PointInRect(&p, &bounds))
                best = usable;
        }
        return { best.x, best.y, best.x + best.w, best.y + best.h };
    }

    bool CursorPos(CPoint& pt) override
    {
        SDL_GetGlobalMouseState(&pt.x, &pt.y);
        return true;
    }

    void Poll(std::vector<BackendEvent>& out) override
    {
        SDL_Event e;
        while (SDL_PollEvent(&e))
            Translate(e, out);
    }

    void Wait(int timeoutMs) override { SDL_WaitEventTimeout(nullptr, timeoutMs); }

    void Wake() override
    {
        SDL_Event e {};
        e.type = m_wake_event;
        SDL_PushEvent(&e);
    }

    void SetTextInputRect(HWND, CRect rc) override
    {
        SDL_Rect r { rc.left, rc.top, std::max(rc.Width(), 1), std::max(rc.Height(), 1) };
        SDL_SetTextInputRect(&r);
    }

    bool SetClipboardText(CString const& text) override { return SDL_SetClipboardText(ToUtf8(text).c_str()) == 0; }

    CString ClipboardText() override
    {
        char* utf8 = SDL_GetClipboardText();
        if (!utf8)
            return {};
        CString text = FromUtf8(utf8);
        SDL_free(utf8);
        return text;
    }

private:
    SDL_Window* Lookup(HWND hwnd) const
    {
        auto it = m_windows.find(hwnd);
        return it == m_windows.end() ? nullptr : it->second;
    }

    HWND ById(Uint32 id) const
    {
        auto it = m_ids.find(id);
        return it == m_ids.end() ? nullptr : it->second;
    }

    CPoint Screen(HWND hwnd, int x, int y) const
    {
        CPoint global;
        SDL_GetGlobalMouseState(&global.x, &global.y);
        if (SDL_Window* w = Lookup(hwnd)) {
            int wx = 0, wy = 0;
            SDL_GetWindowPosition(w, &wx, &wy);
            // Prefer the event's own position; the global state may be newer.
            return { wx + x, wy + y };
        }
        return global;
    }

    void Translate(SDL_Event const& e, std::vector<BackendEvent>& out)
    {
        using T = BackendEvent::Type;
        BackendEvent ev;
        switch (e.type) {
        case SDL_MOUSEMOTION:
            ev.type = T::MouseMove;
            ev.window = ById(e.motion.windowID);
            ev.screen = Screen(ev.window, e.motion.x, e.motion.y);
            SDL_GetGlobalMouseState(&ev.screen.x, &ev.screen.y);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            ev.type = e.type == SDL_MOUSEBUTTONDOWN ? T::MouseDown : T::MouseUp;
            ev.window = ById(e.button.windowID);
            ev.screen = Screen(ev.window, e.button.x, e.button.y);
            ev.button = e.button.button == SDL_BUTTON_RIGHT ? 1 : e.button.button == SDL_BUTTON_MIDDLE ? 2 : 0;
            break;
        case SDL_MOUSEWHEEL: {
            ev.type = T::Wheel;
            ev.window = ById(e.wheel.windowID);
            SDL_GetGlobalMouseState(&ev.screen.x, &ev.screen.y);
            int y = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
            ev.delta = y * 120;
            break;
        }
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            ev.type = e.type == SDL_KEYDOWN ? T::KeyDown : T::KeyUp;
            ev.window = ById(e.key.windowID);
            ev.vk = ScancodeToVk(e.key.keysym.scancode);
            if (!ev.vk)
                return;
            break;
        case SDL_TEXTINPUT:
            ev.type = T::Text;
            ev.window = ById(e.text.windowID);
            ev.text = FromUtf8(e.text.text);
            break;
        case SDL_TEXTEDITING:
            ev.type = T::Composition;
            ev.window = ById(e.edit.windowID);
            ev.text = FromUtf8(e.edit.text);
            ev.cursor = e.edit.start;
            break;
        case SDL_TEXTEDITING_EXT:
            ev.type = T::Composition;
            ev.window = ById(e.editExt.windowID);
            ev.text = e.editExt.text ? FromUtf8(e.editExt.text) : CString {};
            ev.cursor = e.editExt.start;
            SDL_free(e.editExt.text); // the event owns its text
            break;
        case SDL_WINDOWEVENT:
            ev.window = ById(e.window.windowID);
            switch (e.window.event) {
            case SDL_WINDOWEVENT_LEAVE: ev.type = T::MouseLeave; break;
            case SDL_WINDOWEVENT_FOCUS_GAINED: ev.type = T::FocusGained; break;
            case SDL_WINDOWEVENT_FOCUS_LOST: ev.type = T::FocusLost; break;
            case SDL_WINDOWEVENT_CLOSE: ev.type = T::CloseRequest; break;
            case SDL_WINDOWEVENT_EXPOSED:
            case SDL_WINDOWEVENT_SIZE_CHANGED: ev.type = T::Exposed; break;
            case SDL_WINDOWEVENT_MOVED:
                ev.type = T::Moved;
                ev.screen = { e.window.data1, e.window.data2 };
                break;
            default: return;
            }
            break;
        default:
            return;
        }
        if (ev.window)
            out.push_back(std::move(ev));
    }

    std::map<HWND, SDL_Window*> m_windows;
    std::map<Uint32, HWND> m_ids;
    std::map<int, SDL_Cursor*> m_cursors;
    Uint32 m_wake_event { 0 };
};

}

std::unique_ptr<Backend> MakeSdlBackend()
{
    if (!std::getenv("DISPLAY"))
        return nullptr;
    return SdlBackend::Open();
}

}
