#include <lumoui/Manager.h>

#include <lumoui/Messages.h>
#include <lumoui/WindowSystem.h>

#include <filesystem>
#include <system_error>

namespace LumoUI {

namespace {

struct Settings {
    std::wstring device_name { L"Tessera" };
    std::wstring theme { L"theme1" };
    std::wstring font_name { L"SourceHanSansCN-Regular" };
    int font_width { 14 };
    uint32_t select_color { 0xFF10A8FD };
    void* instance { nullptr };
    int language { 1033 };
    std::wstring app_directory;
};

Settings& settings()
{
    static Settings s_settings;
    return s_settings;
}

}

void Manager::SetDeviceName(std::wstring name) { settings().device_name = std::move(name); }
std::wstring const& Manager::GetDeviceName() { return settings().device_name; }
void Manager::SetInstance(void* instance) { settings().instance = instance; }
void* Manager::GetInstance() { return settings().instance; }
void Manager::SetTheme(std::wstring theme) { settings().theme = std::move(theme); }
std::wstring const& Manager::GetTheme() { return settings().theme; }
void Manager::SetFontName(std::wstring name) { settings().font_name = std::move(name); }
std::wstring const& Manager::GetFontName() { return settings().font_name; }
void Manager::SetFontWidth(int pixels) { settings().font_width = pixels; }
int Manager::GetFontWidth() { return settings().font_width; }
void Manager::SetSelectColor(uint32_t argb) { settings().select_color = argb; }
uint32_t Manager::GetSelectColor() { return settings().select_color; }

void Manager::SetFont(std::wstring name, int pixels)
{
    settings().font_name = std::move(name);
    settings().font_width = pixels;
}
void Manager::SetLanguage(int lcid) { settings().language = lcid; }
int Manager::GetLanguage() { return settings().language; }
void Manager::SetAppDirectory(std::wstring folder)
{
    if (!folder.empty() && folder.back() != L'/')
        folder += L'/';
    settings().app_directory = std::move(folder);
}

std::wstring Manager::GetAppDirectory()
{
    if (!settings().app_directory.empty())
        return settings().app_directory;
    std::error_code error;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return L"./";
    return exe.parent_path().wstring() + L"/";
}

int Manager::PreTranslateMessage(MSG*)
{
    return (GetAsyncKeyState(VK_MENU) & 0x8000) && (GetAsyncKeyState(VK_F4) & 0x8000) ? 1 : 0;
}

int Manager::MessageLoop()
{
    MSG msg;
    while (GetMessageW(msg)) {
        if (PreTranslateMessage(&msg))
            continue;
        TranslateMessage(msg);
        DispatchMessageW(msg);
    }
    return static_cast<int>(msg.wParam);
}

}
