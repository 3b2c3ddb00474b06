#include <lumoui/Manager.h>

namespace LumoUI {

namespace {

struct Settings {
    std::wstring device_name { L"Tessera" };
    std::wstring theme { L"theme1" };
    std::wstring font_name { L"SourceHanSansCN-Regular" };
    int font_width { 14 };
    uint32_t select_color { 0xFF10A8FD };
    void* instance { nullptr };
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

}
