#pragma once

#include <lumoui/Export.h>

#include <cstdint>
#include <string>

#include <lumoui/WindowSystem.h>

namespace LumoUI {

// Process-wide settings of the toolkit. The program sets them during start-up,
// before any window exists; afterwards they are read from any thread without
// locking, so they must not change while windows are open.
class LUMOUI_API Manager {
public:
    Manager() = delete;

    // The product name: it names the single-instance lock, the main window,
    // the settings file and the data folder. Default "Tessera".
    static void SetDeviceName(std::wstring name);
    static std::wstring const& GetDeviceName();

    // Opaque handle of the module whose resources the toolkit uses; kept for
    // callers that pass it through, never dereferenced by the toolkit.
    static void SetInstance(void* instance);
    static void* GetInstance();

    // Skin theme folder under "skins/" in the program folder. Default "theme1".
    static void SetTheme(std::wstring theme);
    static std::wstring const& GetTheme();

    // Default font family and pixel size of every control.
    static void SetFontName(std::wstring name);
    static std::wstring const& GetFontName();
    static void SetFontWidth(int pixels);
    static int GetFontWidth();

    static void SetFont(std::wstring name, int pixels);

    // Highlight colour of selectable controls, ARGB 0xAARRGGBB.
    static void SetSelectColor(uint32_t argb);
    static uint32_t GetSelectColor();

    // UI language identifier (1033 English, 2052 Simplified Chinese, ...):
    // text is shaped with the glyph variants of that language. Default 1033.
    static void SetLanguage(int lcid);
    static int GetLanguage();

    // Program folder with a trailing slash: skins/ and font/ are under it.
    // Default: the folder of the running executable.
    static void SetAppDirectory(std::wstring folder);
    static std::wstring GetAppDirectory();

    // 1 while Alt and F4 are both down, else 0.
    static int PreTranslateMessage(MSG* msg);
    // Runs the message loop until WM_QUIT (Alt+F4 messages are dropped);
    // returns the quit code.
    static int MessageLoop();
};

}
