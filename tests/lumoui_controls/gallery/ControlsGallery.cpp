// Every control of the LumoUI controls module in its states, for people to
// try and for screenshots:
//
//   lumoui-controls-gallery [--program-folder DIR] [--open combo|menu]
//                           [--screenshot FILE.png] [--quit-after MS]
//
// The program folder holds skins/theme1/ (default: ../dist beside the
// gallery's bin folder). --open opens the combo box's drop-down or a pop-up
// menu once the window is up; --screenshot saves the whole X screen (or,
// without a display, the dialog) after --quit-after milliseconds and quits.

#include "ScreenGrab.h"

#include <lumoui/BatteryCtrl.h>
#include <lumoui/CDeviceCtrl.h>
#include <lumoui/CKeyboardTips.h>
#include <lumoui/CheckButtons.h>
#include <lumoui/CirclePalette.h>
#include <lumoui/GroupButtons.h>
#include <lumoui/LumoUI.h>
#include <lumoui/MButton.h>
#include <lumoui/MComboBox.h>
#include <lumoui/MEdit.h>
#include <lumoui/MPicture.h>
#include <lumoui/MSlider.h>
#include <lumoui/MTabCtrl.h>
#include <lumoui/MText.h>
#include <lumoui/MenuWnd.h>
#include <lumoui/StatusButtons.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

using namespace LumoUI;

namespace {

struct Options {
    std::wstring folder;
    std::string open;
    std::wstring screenshot;
    int quit_after { 0 };
};

constexpr unsigned kQuitTimer = 77;
constexpr unsigned kOpenTimer = 78;
constexpr unsigned kMenuMessage = 0x0721;

// A control shown in a fixed hover or pressed state, so that one picture
// holds every state.
template<typename T>
class Shown : public T {
public:
    template<typename... Args>
    Shown(bool hover, bool down, Args&&... args)
        : T(std::forward<Args>(args)...)
    {
        this->m_hover = hover;
        this->m_down = down;
    }
    int OnControlMouseMove(unsigned, CPoint) override { return 0; }
};

class GalleryDialog : public MDialog {
public:
    explicit GalleryDialog(Options options) : m_options(std::move(options)) { }

    void InitUI(CRect client) override
    {
        m_paint_manager.SetBackColor(RGB(9, 13, 19), RGB(16, 168, 253));
        Title(CRect(24, 12, 900, 44), L"LumoUI controls · 控件演示", 20, 0xFFFFFFFF);
        Buttons();
        Tabs();
        Combos();
        SlidersAndEdits();
        Devices();
        Pictures(client);
    }

    LRESULT OnMessage(unsigned id, unsigned code, WPARAM wParam, LPARAM lParam) override
    {
        std::fprintf(stderr, "notification id %u code %u wParam %lu lParam %ld\n", id, code, static_cast<unsigned long>(wParam), static_cast<long>(lParam));
        if (id == 300 && code == NOTIFY_CLICK)
            OpenMenu();
        return 1;
    }

    LRESULT OnWindowMessage(unsigned msg, WPARAM wParam, LPARAM lParam) override
    {
        if (msg == kMenuMessage)
            std::fprintf(stderr, "menu message check %lu id %ld\n", static_cast<unsigned long>(wParam), static_cast<long>(lParam));
        return MDialog::OnWindowMessage(msg, wParam, lParam);
    }

    void OnTimer(unsigned id) override
    {
        if (id == kOpenTimer) {
            KillTimer(kOpenTimer);
            if (m_options.open == "combo")
                m_combo->ShowDropDown(true);
            else if (m_options.open == "menu")
                OpenMenu();
            return;
        }
        if (id != kQuitTimer)
            return;
        KillTimer(kQuitTimer);
        if (!m_options.screenshot.empty()) {
            MImage shot = IsHeadlessBackend() ? m_paint_manager.PaintToImage() : GrabScreen();
            if (shot.IsNull() || !shot.SavePng(m_options.screenshot))
                std::fprintf(stderr, "screenshot could not be saved\n");
        }
        PostQuitMessage(0);
    }

    int OnInitDialog() override
    {
        MDialog::OnInitDialog();
        SetMTimer(10);
        // The tip stands next to the colour wheel, as over a hovered key.
        m_tip = std::make_unique<CKeyboardTips>();
        if (m_tip->CreateTip(GetSafeHwnd())) {
            CPoint anchor(1180, 556);
            ClientToScreen(anchor);
            m_tip->SetAirBladderMsg(L"Esc", L"Keyboard", L"Esc · 退出", anchor);
            m_tip->ShowWindow(SW_SHOW);
        }
        if (!m_options.open.empty())
            SetTimer(kOpenTimer, 600);
        if (m_options.quit_after > 0)
            SetTimer(kQuitTimer, static_cast<unsigned>(m_options.quit_after));
        return 1;
    }

private:
    template<typename T>
    T* Add(std::unique_ptr<T> control, unsigned id, CRect rc)
    {
        control->SetControlID(id);
        control->SetControlRect(rc);
        return static_cast<T*>(m_paint_manager.AddControl(1, this, std::move(control)));
    }

    MText* Title(CRect rc, wchar_t const* text, int size = 13, ARGB color = 0xFF8A96AA)
    {
        auto* title = Add(std::make_unique<MText>(text), 0, rc);
        title->SetFont(L"", size);
        title->SetTextColor(color);
        return title;
    }

    template<typename T>
    T* Button(std::unique_ptr<T> button, unsigned id, CRect rc, wchar_t const* image, int frames)
    {
        T* added = Add(std::move(button), id, rc);
        if (image)
            added->SetImage(image, frames);
        return added;
    }

    void Buttons()
    {
        Title(CRect(24, 50, 700, 70), L"Push buttons: normal · hover · pressed · disabled; image, text and help buttons");
        Button(std::make_unique<MButton>(L"Apply"), 10, CRect(24, 74, 144, 110), L"btn_apply.png", 4);
        Button(std::make_unique<Shown<MButton>>(true, false, L"Apply"), 11, CRect(156, 74, 276, 110), L"btn_apply.png", 4);
        Button(std::make_unique<Shown<MButton>>(true, true, L"应用"), 12, CRect(288, 74, 408, 110), L"btn_apply.png", 4);
        Button(std::make_unique<MButton>(L"Apply"), 13, CRect(420, 74, 540, 110), L"btn_apply.png", 4)->SetEnabled(0);
        Button(std::make_unique<CImageButton>(), 14, CRect(560, 76, 592, 108), L"imgbtn_add.png", 4);
        Button(std::make_unique<Shown<CImageButton>>(true, false), 15, CRect(600, 76, 632, 108), L"imgbtn_edit.png", 4);
        Button(std::make_unique<CImageButton>(), 16, CRect(640, 76, 672, 108), L"btn_record_del.png", 4);
        Add(std::make_unique<CTextButton>(L"Text button"), 17, CRect(690, 76, 800, 108));
        Add(std::make_unique<Shown<CTextButton>>(true, false, L"Text button"), 18, CRect(810, 76, 920, 108));
        Add(std::make_unique<CHelpButton>(L"Help"), 19, CRect(940, 82, 960, 102));
        Add(std::make_unique<Shown<CHelpButton>>(true, false, L"Help"), 20, CRect(970, 82, 990, 102));
        auto* menu_button = Button(std::make_unique<MButton>(L"Menu…"), 300, CRect(1010, 74, 1130, 110), L"btn_secondary.png", 4);
        menu_button->SetTooltip(L"Opens a pop-up menu");

        Title(CRect(24, 118, 900, 138), L"Check boxes · radio buttons · switches · layer, direction, colour and icon buttons");
        auto check = [this](unsigned id, int x, wchar_t const* text, bool hover, int checked, bool enabled) {
            auto* box = Button(std::make_unique<Shown<CCheckButton>>(hover, false, text), id, CRect(x, 142, x + 140, 166), L"btn_checkbox.png", 6);
            box->SetCheck(checked);
            box->SetEnabled(enabled ? 1 : 0);
        };
        check(30, 24, L"Unchecked", false, 0, true);
        check(31, 164, L"Checked", false, 1, true);
        check(32, 304, L"Checked, hover", true, 1, true);
        check(33, 444, L"Disabled", false, 1, false);
        auto* r1 = Button(std::make_unique<CRadioButton>(L"Hide to tray"), 34, CRect(600, 142, 740, 166), L"btn_radiobox.png", 6);
        auto* r2 = Button(std::make_unique<CRadioButton>(L"退出程序"), 35, CRect(740, 142, 880, 166), L"btn_radiobox.png", 6);
        r1->SetGroupName(L"exit_mode");
        r2->SetGroupName(L"exit_mode");
        r2->SetCheck(1);
        Add(std::make_unique<CSwitchButton>(), 36, CRect(900, 142, 944, 166));
        Add(std::make_unique<CSwitchButton>(), 37, CRect(956, 142, 1000, 166))->SetCheck(1);
        Add(std::make_unique<CCheckButton>(L"Plain box"), 38, CRect(1020, 142, 1130, 166))->SetCheck(1);

        auto* fn_off = Button(std::make_unique<KeyLayerButton>(L"Fn off"), 40, CRect(24, 176, 114, 208), L"btn_switch.png", 6);
        Button(std::make_unique<KeyLayerButton>(L"Fn on"), 41, CRect(120, 176, 210, 208), L"btn_switch.png", 6);
        fn_off->SetCheck(1);
        Button(std::make_unique<MButton>(L"Base layer"), 42, CRect(226, 174, 346, 210), L"img_btn_layer_p.png", 4);
        Button(std::make_unique<MButton>(L"Fn layer"), 43, CRect(352, 174, 472, 210), L"img_btn_layer_n.png", 4);
        wchar_t const* directions[] = { L"btn_direction_left.png", L"btn_direction_right.png", L"btn_direction_top.png", L"btn_direction_bottom.png" };
        for (int i = 0; i < 4; ++i) {
            auto* radio = Button(std::make_unique<CRadioButton>(), 44 + i, CRect(490 + i * 46, 176, 530 + i * 46, 208), directions[i], 6);
            radio->SetGroupName(i < 2 ? L"IDC_LIGHT_STC_DIRECTION1" : L"IDC_LIGHT_STC_DIRECTION2");
            if (i == 0 || i == 3)
                radio->SetCheck(1);
        }
        COLORREF const colours[] = { 0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF, 0xFFFF00, 0xFFFFFF };
        for (int i = 0; i < 7; ++i) {
            auto* swatch = Add(std::make_unique<Shown<CColorButton>>(i == 4, false), 88 + i, CRect(690 + i * 34, 178, 718 + i * 34, 206));
            swatch->SetGroupName(L"IDC_LIGHT_STC_COLORS");
            swatch->SetColor(colours[i]);
            if (i == 1)
                swatch->SetCheck(1);
        }
        auto* colorful = Button(std::make_unique<CColorButton>(), 95, CRect(928, 178, 956, 206), L"btn_colorful.png", 6);
        colorful->SetGroupName(L"IDC_LIGHT_STC_COLORS");
        auto* icon1 = Add(std::make_unique<CIconButton>(), 50, CRect(980, 174, 1016, 210));
        icon1->SetIconImage(L"icon\\icon_macro.png", 4);
        icon1->SetTips(L"Macros");
        icon1->SetTips(true);
        auto* icon2 = Add(std::make_unique<CIconButton>(), 51, CRect(1024, 174, 1060, 210));
        icon2->SetIconImage(L"icon\\icon_lightmode.png", 4);
        icon2->SetCheck(1);

        Title(CRect(24, 218, 900, 238), L"Update mark · download progress · timer button (runs 10 s)");
        Button(std::make_unique<UpgradeButton>(L"Software"), 60, CRect(24, 242, 144, 278), L"btn_secondary.png", 4);
        Button(std::make_unique<UpgradeButton>(L"Firmware"), 61, CRect(156, 242, 276, 278), L"btn_secondary.png", 4)->SetUpgradeStatus(1);
        Button(std::make_unique<DownloadButton>(L"Download"), 62, CRect(288, 242, 408, 278), L"btn_secondary.png", 4)->SetDownloadProcess(45);
        Button(std::make_unique<CTimerButton>(L"Record"), 63, CRect(420, 242, 540, 278), L"btn_secondary.png", 4)->SetRun(1);
    }

    void Tabs()
    {
        Title(CRect(24, 288, 600, 308), L"Tab bar and pages (MTabCtrl, MTabLayout)");
        auto* tabs = Add(std::make_unique<MTabCtrl>(), 49, CRect(24, 312, 624, 368));
        tabs->SetImage(L"img_tab_item.png", 4);
        tabs->SetBarImage(L"img_tab_bar.png");
        tabs->SetLeftRightPading(4, 2);
        tabs->SetTopBottomPading(0, 0);
        tabs->SetChangeAnimation(1);
        wchar_t const* names[] = { L"Keys", L"宏", L"Lighting", L"Settings" };
        wchar_t const* icons[] = { L"icon\\icon_keyboard.png", L"icon\\icon_macro.png", L"icon\\icon_lightmode.png", L"icon\\icon_config.png" };
        for (int i = 0; i < 4; ++i) {
            auto* page = Add(std::make_unique<MTabLayout>(), 400 + i, CRect(24, 372, 624, 440));
            page->SetBackColor(0xFF141C26);
            auto* text = static_cast<MText*>(page->CreateControl(L"MText", 420 + i, CRect(40, 380, 600, 430), (std::wstring(L"Page ") + names[i] + L": its controls live in this panel").c_str(), 1, 0));
            text->SetTextColor(0xFFC8C8C8);
            tabs->InsertItem(51 + i, names[i], icons[i], page, 146, 56);
        }
        tabs->SetSelectItem(1);
    }

    void Combos()
    {
        Title(CRect(660, 288, 1100, 308), L"Combo boxes: list, colours, disabled");
        m_combo = Add(std::make_unique<MComboBox>(), 201, CRect(660, 312, 860, 350));
        m_combo->SetImage(L"img_combobox.png", 4);
        wchar_t const* sleep[] = { L"1 minute", L"5 minutes", L"10 minutes", L"30 minutes", L"Never", L"简体中文", L"English", L"Deutsch" };
        for (int i = 0; i < 8; ++i)
            m_combo->AddItem(sleep[i], i + 1);
        m_combo->SetCurSel(2);
        auto* colours = Add(std::make_unique<CColorCombo>(), 105, CRect(870, 312, 1070, 350));
        colours->SetImage(L"img_combobox.png", 4);
        colours->AddItem(L"Custom 1", 1, nullptr, 0xFFFF3030);
        colours->AddItem(L"Custom 2", 2, nullptr, 0xFF30FF60);
        colours->AddItem(L"Custom 3", 3, nullptr, 0xFF3080FF);
        colours->SetCurSel(0);
        auto* disabled = Add(std::make_unique<MComboBox>(), 203, CRect(660, 360, 860, 398));
        disabled->SetImage(L"img_combobox.png", 4);
        disabled->AddItem(L"Disabled", 1);
        disabled->SetCurSel(0);
        disabled->SetEnabled(0);

        auto* palette = Add(std::make_unique<CirclePalette>(), 111, CRect(1110, 300, 1250, 440));
        palette->SetImage(L"img_circlepalette.png", 1);
        palette->SetThumbPoint(CPoint(1200, 350));
    }

    void SlidersAndEdits()
    {
        Title(CRect(24, 450, 900, 470), L"Sliders: skinned, disabled, plain · progress · level");
        auto* slider = Add(std::make_unique<MSlider>(), 79, CRect(24, 474, 264, 494));
        slider->SetImage(L"img_slider_back.png", 2);
        slider->SetThumbImage(L"img_thumb.png");
        slider->SetProgress(60);
        auto* off = Add(std::make_unique<MSlider>(), 81, CRect(284, 474, 524, 494));
        off->SetImage(L"img_slider_back.png", 2);
        off->SetThumbImage(L"img_thumb.png");
        off->SetProgress(30);
        off->SetEnabled(0);
        auto* plain = Add(std::make_unique<MSlider>(), 115, CRect(544, 474, 784, 494));
        plain->SetRange(0, 255);
        plain->SetProgress(200);
        auto* progress = Add(std::make_unique<MProgress>(), 70, CRect(804, 478, 964, 490));
        progress->SetPos(70);
        auto* level = Add(std::make_unique<MLevelCtrl>(), 71, CRect(980, 472, 1060, 496));
        level->SetLevel(3);

        Title(CRect(24, 506, 760, 526), L"Edits: plain · focused with a selection · number · disabled");
        Add(std::make_unique<MEdit>(L"Tessera"), 170, CRect(24, 530, 204, 562));
        auto* focused = Add(std::make_unique<MEdit>(L"宏一号 Macro"), 171, CRect(214, 530, 394, 562));
        auto* number = Add(std::make_unique<MEdit>(L"255"), 118, CRect(404, 530, 484, 562));
        number->SetNumberOnly(true);
        number->SetLimitText(3);
        number->SetAlignment(DT_CENTER);
        Add(std::make_unique<MEdit>(L"10"), 175, CRect(494, 530, 574, 562))->SetEnabled(0);
        m_paint_manager.SetFocusControl(focused);
        focused->SetSel(0, 3);
    }

    void Devices()
    {
        Title(CRect(660, 506, 1100, 526), L"Devices (connected · present · absent) and battery");
        auto* devices = Add(std::make_unique<CDeviceCtrl>(), 56, CRect(660, 530, 1100, 574));
        devices->AddDevice(L"NK740 Vor", 0, 0, 301, false);
        devices->AddDevice(L"NK210", 0, 0, 205, false);
        devices->AddDevice(L"NK100", 0, 0, 120, false);
        devices->SetDeviceState(205, 2);
        devices->SetDeviceState(301, 1);
        Add(std::make_unique<BatteryCtrl>(), 46, CRect(660, 584, 700, 608))->SetBatteryInfo(75, 1);
        Add(std::make_unique<BatteryCtrl>(), 47, CRect(710, 584, 750, 608))->SetBatteryInfo(15, 0);
    }

    void Pictures(CRect client)
    {
        Title(CRect(24, 574, 600, 594), L"Pictures: still, animated (loading.gif), area");
        auto* logo = Add(std::make_unique<MPicture>(), 37, CRect(24, 600, 84, 660));
        logo->SetImage(L"logo/logo.png", 1);
        auto* gif = Add(std::make_unique<CGifPicture>(), 80, CRect(100, 598, 200, 698));
        gif->SetImage(L"loading.gif", 60);
        gif->SetRunState(1, 30);
        auto* area = static_cast<CArea*>(CreateArea(L"CArea", 31, CRect(220, 600, 400, 660)));
        if (area) {
            area->SetColor(0x78500C);
            area->SetFrame(1, RGB(16, 168, 253));
        }
        Title(CRect(230, 610, 390, 650), L"CArea fill", 13, 0xFFFFFFFF);
        Title(CRect(24, client.bottom - 26, 1200, client.bottom - 6), L"Click \"Menu…\" for a pop-up menu, the first combo box for its drop-down; notifications go to stderr.", 12);
    }

    void OpenMenu()
    {
        m_menu = std::make_unique<MenuWnd>(this);
        CPoint pt(1010, 112);
        ClientToScreen(pt);
        if (!m_menu->Create(GetSafeHwnd(), pt, kMenuMessage, L"bk_menu.png", 30, 200, BACK_MODE_FRAME))
            return;
        m_menu->AddMenu(L"Restore default", 606);
        m_menu->AddMenu(L"Macro", 608);
        m_menu->AddMenu(L"Shortcut · 快捷方式", 609);
        m_menu->AddSeparator(700);
        m_menu->AddMenu(L"Disable", 607);
        m_menu->AddMenu(L"Show key tips", 610, L"", 1, 1);
        m_menu->AddMenu(L"Assign a multimedia function to this key", 611);
    }

    Options m_options;
    MComboBox* m_combo { nullptr };
    std::unique_ptr<CKeyboardTips> m_tip;
    std::unique_ptr<MenuWnd> m_menu;
};

Options ParseOptions(int argc, char** argv)
{
    Options options;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe");
    options.folder = (exe.parent_path().parent_path() / "dist").wstring();
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string const name = argv[i];
        std::string const value = argv[i + 1];
        if (name == "--program-folder")
            options.folder = FromUtf8(value);
        else if (name == "--open")
            options.open = value;
        else if (name == "--screenshot")
            options.screenshot = FromUtf8(value);
        else if (name == "--quit-after")
            options.quit_after = std::atoi(value.c_str());
    }
    return options;
}

}

int main(int argc, char** argv)
{
    Options options = ParseOptions(argc, argv);
    Manager::SetAppDirectory(options.folder);
    GalleryDialog dialog(options);
    if (!dialog.Create(nullptr, L"LumoUI controls gallery", WS_POPUP, 0, CRect(40, 40, 1320, 760))) {
        std::fprintf(stderr, "no window could be created\n");
        return 1;
    }
    dialog.ShowWindow(SW_SHOW);
    MSG msg;
    while (GetMessageW(msg)) {
        if (!dialog.PreTranslateMessage(&msg)) {
            TranslateMessage(msg);
            DispatchMessageW(msg);
        }
    }
    return 0;
}
