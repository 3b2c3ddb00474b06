// A window with a few skinned controls for people to look at and for
// screenshots:
//
//   lumoui-gallery [--program-folder DIR] [--language 1033|2052]
//                  [--screenshot FILE.png] [--quit-after MS]
//
// The program folder holds skins/theme1/ (default: the gallery's own folder).

#include <lumoui/LumoUI.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace LumoUI;

namespace {

struct Options {
    std::wstring folder;
    int language { 1033 };
    std::wstring screenshot;
    int quit_after { 0 };
};

// A caption drawn straight with the toolkit's painter, so the gallery shows
// text even where no text control is registered.
class Caption : public MControlFont {
public:
    Caption(CString text, int size, ARGB color)
    {
        SetControlTitle(text.c_str());
        m_font_size = size;
        m_text_color = color;
    }
    void DrawControl(MGraphics& g, CRect) override
    {
        DrawCached(g, [this](MGraphics& face) { DrawTitle(face, m_rect); });
    }
};

// A pulsing dot driven by the 10 ms animation timer.
class Pulse : public MControl {
public:
    int OnControlTimer() override
    {
        m_phase = (m_phase + 1) % 100;
        UpdateControl(1, 0);
        return 1;
    }
    void DrawControl(MGraphics& g, CRect) override
    {
        int inset = 2 + std::abs(50 - m_phase) / 8;
        CRect dot = m_rect;
        dot.DeflateRect(inset, inset);
        g.FillEllipse(dot, Manager::GetSelectColor());
    }

private:
    int m_phase { 0 };
};

class GalleryDialog : public MDialog {
public:
    explicit GalleryDialog(Options const& options) : m_options(options) { }

    void InitUI(CRect client) override
    {
        m_paint_manager.SetBackColor(RGB(9, 13, 19), RGB(16, 168, 253));
        if (LoadBKImage(L"bk_dialog.png"))
            SetBackMode(BACK_MODE_FRAME, 30);
        bool chinese = m_options.language == 2052;
        AddCaption(CRect(24, 16, client.right - 24, 52), chinese ? L"键盘设置 · LumoUI 演示" : L"Keyboard settings · LumoUI gallery", 22, 0xFFFFFFFF);
        AddCaption(CRect(24, 56, client.right - 24, 80), L"English text: The quick brown fox jumps over the lazy dog.", 14, 0xFFC8C8C8);
        AddCaption(CRect(24, 82, client.right - 24, 106), L"中文文字：灯光模式、宏录制、按键设置、配置文件", 14, 0xFFC8C8C8);

        Skinned(L"MButton", 10, CRect(24, 124, 144, 160), chinese ? L"应用" : L"Apply", L"btn_apply.png", 4);
        Skinned(L"MButton", 11, CRect(156, 124, 276, 160), chinese ? L"取消" : L"Cancel", L"btn_secondary.png", 4);
        Skinned(L"CCheckButton", 12, CRect(24, 176, 224, 200), chinese ? L"开机启动" : L"Start with the desktop", L"btn_checkbox.png", 6);
        Skinned(L"CRadioButton", 13, CRect(24, 208, 224, 232), chinese ? L"最小化到托盘" : L"Hide to the tray", L"btn_radiobox.png", 6);
        Skinned(L"CSwitchButton", 14, CRect(240, 176, 300, 200), L"", L"btn_switch.png", 4);
        Skinned(L"MSlider", 15, CRect(24, 250, 300, 270), L"", L"img_slider_back.png", 1);

        // A panel with more rows than fit: its scroll bar shows.
        auto panel = std::make_unique<MPanel>();
        panel->SetControlID(20);
        panel->SetControlRect(CRect(330, 124, client.right - 24, client.bottom - 60));
        panel->SetBackColor(0xFF141C26);
        auto* list = static_cast<MPanel*>(m_paint_manager.AddControl(1, this, std::move(panel)));
        for (int i = 0; i < 12; ++i) {
            CRect row(list->GetRect().left + 10, list->GetRect().top + 6 + i * 28, list->GetRect().right - 14, list->GetRect().top + 30 + i * 28);
            CString text = (chinese ? L"配置文件 " : L"Profile ") + std::to_wstring(i + 1);
            auto caption = std::make_unique<Caption>(text, 14, i == 2 ? Manager::GetSelectColor() : 0xFFFFFFFF);
            caption->SetControlID(100 + static_cast<unsigned>(i));
            caption->SetControlRect(row);
            list->AddChildControl(std::move(caption));
        }
        list->UpdateScrollBars();

        auto pulse = std::make_unique<Pulse>();
        pulse->SetControlID(30);
        pulse->SetControlRect(CRect(24, client.bottom - 48, 48, client.bottom - 24));
        pulse->SetRunTimer(1);
        m_paint_manager.AddControl(1, this, std::move(pulse))->AddMTimer();
        AddCaption(CRect(56, client.bottom - 48, 400, client.bottom - 24), chinese ? L"动画计时器 10 毫秒" : L"Animation timer, 10 ms", 13, 0xFF8090A0);
    }

    LRESULT OnMessage(unsigned id, unsigned code, WPARAM wParam, LPARAM) override
    {
        std::fprintf(stderr, "notification id %u code %u wParam %lu\n", id, code, static_cast<unsigned long>(wParam));
        if (id == 11 && code == NOTIFY_CLICK)
            DoCancel();
        return 1;
    }

    void OnTimer(unsigned id) override
    {
        if (id != 77)
            return;
        KillTimer(77);
        if (!m_options.screenshot.empty()) {
            // The pixels the window put on the screen.
            std::fprintf(stderr, "screenshot %s\n", SaveWindowPng(GetSafeHwnd(), m_options.screenshot) ? "saved" : "FAILED");
        }
        DoClose();
    }

private:
    void AddCaption(CRect rc, CString text, int size, ARGB color)
    {
        auto caption = std::make_unique<Caption>(std::move(text), size, color);
        caption->SetControlRect(rc);
        m_paint_manager.AddControl(1, this, std::move(caption));
    }

    void Skinned(wchar_t const* cls, unsigned id, CRect rc, wchar_t const* title, wchar_t const* image, int frames)
    {
        MControl* control = CreateControl(cls, id, rc, title, 1, 1);
        if (!control) {
            std::fprintf(stderr, "control class %s is not available\n", ToUtf8(cls).c_str());
            return;
        }
        if (auto* font = dynamic_cast<MControlFont*>(control)) {
            if (!font->SetImage(image, frames))
                std::fprintf(stderr, "skin image %s is missing\n", ToUtf8(image).c_str());
            if (*title)
                font->SetTitle(title);
        }
    }

    Options m_options;
};

Options Parse(int argc, char** argv)
{
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string key = argv[i];
        std::string value = argv[i + 1];
        if (key == "--program-folder")
            options.folder = FromUtf8(value);
        else if (key == "--language")
            options.language = std::atoi(value.c_str());
        else if (key == "--screenshot")
            options.screenshot = FromUtf8(value);
        else if (key == "--quit-after")
            options.quit_after = std::atoi(value.c_str());
    }
    return options;
}

}

int main(int argc, char** argv)
{
    Options options = Parse(argc, argv);
    if (!options.folder.empty())
        Manager::SetAppDirectory(options.folder);
    Manager::SetLanguage(options.language);
    GalleryDialog dialog(options);
    if (!dialog.Create(nullptr, L"LumoUI gallery", WS_POPUP, 0, CRect(0, 0, 720, 480))) {
        std::fprintf(stderr, "cannot create the window\n");
        return 1;
    }
    dialog.CenterWindow();
    dialog.SetMTimer(10);
    if (options.quit_after > 0)
        dialog.SetTimer(77, static_cast<unsigned>(options.quit_after));
    unsigned result = dialog.ShowModal(SW_SHOW);
    std::fprintf(stderr, "closed with %u\n", result);
    return 0;
}
