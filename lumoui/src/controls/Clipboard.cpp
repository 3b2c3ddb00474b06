#include <lumoui/Clipboard.h>
#include <lumoui/WindowSystem.h>

#include <SDL.h>

#include <mutex>

namespace LumoUI {

namespace {

// Stand-in for the desktop clipboard while the in-memory window system runs.
std::mutex s_mutex;
CString s_local_text;

}

bool MClipboard::SetText(CString const& text)
{
    if (IsHeadlessBackend()) {
        std::lock_guard lock(s_mutex);
        s_local_text = text;
        return true;
    }
    return SDL_SetClipboardText(ToUtf8(text).c_str()) == 0;
}

CString MClipboard::GetText()
{
    if (IsHeadlessBackend()) {
        std::lock_guard lock(s_mutex);
        return s_local_text;
    }
    char* utf8 = SDL_GetClipboardText();
    if (!utf8)
        return {};
    CString text = FromUtf8(utf8);
    SDL_free(utf8);
    return text;
}

}
