#pragma once

#include <lumoui/Export.h>

#include <cstdint>
#include <string>

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

    // Highlight colour of selectable controls, ARGB 0xAARRGGBB.
    static void SetSelectColor(uint32_t argb);
    static uint32_t GetSelectColor();
};

}
