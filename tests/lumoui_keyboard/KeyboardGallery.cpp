// lumoui-keyboard-gallery: a window with the keyboard picture, the lists, the
// record list and the key-function panel, for people to try and for
// screenshots.
//
//   lumoui-keyboard-gallery [--program-dir DIR] [--layout FILE]
//                           [--scene keyboard|lists] [--mode 100..104]
//                           [--tip] [--quit-after MS [--screenshot FILE.png]]
//
// The program folder holds skins/theme1/ (default: ../dist next to the
// executable); the layout file gives the keys (default: a generated layout).
#include "GalleryLayout.h"

#include <lumoui/CKeyboardTips.h>
#include <lumoui/DListBox.h>
#include <lumoui/KeyFuncControl.h>
#include <lumoui/KeyboardCtrl.h>
#include <lumoui/LumoUI.h>
#include <lumoui/RecordList.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

using namespace LumoUI;
using namespace KeyboardGallery;

namespace {

struct Options {
    std::string program_dir;
    std::string layout;
    std::string scene { "keyboard" };
    int mode { KBMODE_CUSTOM };
    bool tip { false };
    int quit_after { 0 };
    std::string screenshot;
};

wchar_t const* ModeName(int mode)
{
    switch (mode) {
    case KBMODE_NONE: return L"100  key tiles with captions and icons";
    case KBMODE_CUSTOM: return L"101  key selection: checked, hovered, selected, marked, dimmed keys";
    case KBMODE_LIGHT: return L"102  lighting preview (animated frames)";
    case KBMODE_USERLIGHT: return L"103  per-key colours (click or drag to paint)";
    case KBMODE_MUSIC: return L"104  music colours";
    default: return L"unknown mode";
    }
}

COLORREF Rainbow(double position)
{
    double const h = std::fmod(position, 1.0) * 6.0;
    double const x = 1.0 - std::fabs(std::fmod(h, 2.0) - 1.0);
    double r = 0, g = 0, b = 0;
    switch (static_cast<int>(h)) {
    case 0: r = 1; g = x; break;
    case 1: r = x; g = 1; break;
    case 2: g = 1; b = x; break;
    case 3: g = x; b = 1; break;
    case 4: r = x; b = 1; break;
    default: r = 1; b = x; break;
    }
    return RGB(static_cast<unsigned>(r * 255), static_cast<unsigned>(g * 255), static_cast<unsigned>(b * 255));
}

class GalleryDialog : public MDialog {
public:
    explicit GalleryDialog(Options options)
        : m_options(std::move(options))
    {
    }

    void InitUI(CRect client) override
    {
        auto panel = std::make_unique<MPanel>();
        panel->SetControlRect(client);
        m_host = static_cast<MPanel*>(m_paint_manager.AddControl(1, this, std::move(panel)));
        if (m_options.scene == "lists")
            BuildLists();
        else
            BuildKeyboard(client);
    }

    LRESULT OnMessage(unsigned id, unsigned code, WPARAM wParam, LPARAM lParam) override
    {
        std::printf("notification id %u code %u wParam %ld lParam %ld\n", id, code, static_cast<long>(wParam), static_cast<long>(lParam));
        std::fflush(stdout);
        if (id == kKeyFuncId && code == NOTIFY_LBUTTONDOWN && m_keyfunc != nullptr) {
            int first = 0, data = 0, value2 = 0, value3 = 0;
            CString text;
            if (m_keyfunc->GetCurItemData(first, data, value2, value3, text))
                m_keyfunc->SetItemCheckByItemData(data, value2, value3);
        }
        return 0;
    }

    void OnTimer(unsigned id) override
    {
        if (id != kQuitTimer)
            return;
        KillTimer(kQuitTimer);
        if (!m_options.screenshot.empty()) {
            CString const path = FromUtf8(m_options.screenshot);
            bool saved = SaveWindowPng(GetSafeHwnd(), path);
            CKeyboardTips* tip = m_keyboard != nullptr ? m_keyboard->GetTipWindow() : nullptr;
            if (saved && tip != nullptr && tip->IsWindowVisible())
                saved = SaveWithTip(path, *tip);
            std::fprintf(stderr, "screenshot %s\n", saved ? "saved" : "FAILED");
        }
        DoClose();
    }

    static constexpr unsigned kQuitTimer = 7001;

private:
    static constexpr unsigned kKeyboardId = 67;
    static constexpr unsigned kKeyFuncId = 73;

    void Label(unsigned id, CRect rect, wchar_t const* text, int size = 16)
    {
        if (auto* label = static_cast<MControlFont*>(m_host->CreateControl(L"MText", id, rect, text, 1, 1)))
            label->SetFontWidth(size);
    }

    void BuildKeyboard(CRect client)
    {
        std::optional<GalleryLayout> read;
        if (!m_options.layout.empty())
            read = ReadGalleryLayout(m_options.layout);
        GalleryLayout const layout = read ? *read : GeneratedLayout();

        Label(1001, CRect(40, 16, client.right - 40, 48), L"KeyboardCtrl", 20);
        Label(1002, CRect(40, 48, client.right - 40, 76), ModeName(m_options.mode), 15);
        CRect const area { 0, 110, client.right, 110 + layout.height };
        auto* keyboard = static_cast<KeyboardCtrl*>(m_host->CreateControl(L"KeyboardCtrl", kKeyboardId, area, L"", 1, 1));
        m_keyboard = keyboard;
        keyboard->SetKeyboardImage(read ? L"keyboard\\" + layout.image : CString(L"keyboard/sample_keyboard.png"));
        keyboard->SetWidthAndHeight(layout.width, layout.height);
        for (GalleryKey const& key : layout.keys)
            keyboard->AddKeyItem(key.name.c_str(), key.desc.c_str(), key.code, key.rect, m_options.mode == KBMODE_NONE ? key.icon : CString());
        keyboard->SetKeyboardCtrlMode(m_options.mode);
        keyboard->EnableKBTips(true);
        keyboard->EnableFrameSelect(1);
        keyboard->SetCustomColor(RGB(255, 64, 160));

        std::vector<KEY_INFO*> keys = keyboard->GetKeyItems();
        int const count = static_cast<int>(keys.size());
        switch (m_options.mode) {
        case KBMODE_CUSTOM:
            for (uint32_t code : { 0x1Au, 0x04u, 0x16u, 0x07u }) // W A S D
                keyboard->SetKeyCheck(code, 1);
            for (KEY_INFO* key : keys) {
                if (key->key_value >= 0x3A && key->key_value <= 0x3C) // F1-F3 carry functions
                    key->mark = 1;
                if (key->key_value == 0xE3 || key->key_value == 0x65) // Win, App: locked on the Fn layer
                    key->grey = 1;
            }
            keyboard->SetTipKey(0x04, L"Macro", L"Copy line");
            keyboard->SetSelectItem(count > 40 ? 40 : 0);
            break;
        case KBMODE_LIGHT: {
            int const frames = 48;
            std::vector<uint8_t> data(static_cast<size_t>(count) * frames);
            for (int f = 0; f < frames; ++f)
                for (int k = 0; k < count; ++k) {
                    double const x = (keys[static_cast<size_t>(k)]->rect.left / static_cast<double>(layout.width)) - f / static_cast<double>(frames);
                    data[static_cast<size_t>(f) * count + k] = static_cast<uint8_t>(127.5 + 127.5 * std::cos(x * 2 * M_PI));
                }
            keyboard->SetLightModeData(data.data(), static_cast<int>(data.size()));
            keyboard->SetLightSpeed(2);
            keyboard->SetRunTimer(1);
            SetMTimer(10);
            break;
        }
        case KBMODE_USERLIGHT:
            for (KEY_INFO* key : keys)
                key->color = key->rect.top < layout.height / 3 ? 0 : Rainbow(key->rect.left / static_cast<double>(layout.width));
            break;
        case KBMODE_MUSIC:
            for (KEY_INFO* key : keys) {
                double const level = 1.0 - key->rect.top / static_cast<double>(layout.height);
                key->color = Rainbow(0.55 + 0.35 * level);
            }
            break;
        default:
            break;
        }
        if (m_options.tip && count > 0) {
            KEY_INFO* key = keys[static_cast<size_t>(count > 60 ? 60 : 0)];
            for (KEY_INFO* k : keys)
                if (k->key_value == 0x04)
                    key = k;
            CRect rect = keyboard->GetRealRect(key->rect);
            rect.OffsetRect(area.left, area.top);
            keyboard->SetTips(key, rect, true);
        }
        Label(1003, CRect(40, area.bottom + 24, client.right - 40, area.bottom + 52),
            L"Click a key (code 2), right-click (code 5); in mode 103 click toggles and dragging paints.", 14);
    }

    void BuildLists()
    {
        Label(1001, CRect(20, 12, 923, 40), L"KeyFuncControl (122 tiles; A is checked, media tiles have tooltips)", 16);
        m_keyfunc = static_cast<KeyFuncControl*>(m_host->CreateControl(L"KeyFuncControl", kKeyFuncId, CRect(20, 48, 923, 284), L"", 1, 1));
        m_keyfunc->SetImage(L"img_customkey.png", 4);
        m_keyfunc->SetFontWidth(12);
        m_keyfunc->InitItemInfo();
        m_keyfunc->SetItemDesc(238, L"Play / Pause");
        m_keyfunc->SetItemDesc(234, L"Volume up");
        m_keyfunc->SetItemCheckByItemData(4, 0, 0);

        Label(1002, CRect(20, 310, 330, 338), L"DListBox (renaming row 3)", 16);
        auto* list = static_cast<DListBox*>(m_host->CreateControl(L"DListBox", 66, CRect(20, 344, 330, 600), L"", 1, 1));
        list->SetImage(L"icon//icon_circle.png", 2);
        list->SetEditImage(L"img_edit.png", 1);
        list->EnableEdit(1);
        wchar_t const* names[] = { L"Default", L"Gaming", L"Office", L"Photo editing", L"配置文件 5", L"Coding", L"Streaming", L"Travel", L"Night", L"Spare" };
        for (int i = 0; i < 10; ++i)
            list->AddString(names[i], static_cast<long>(i + 1), 0);
        list->SetCurSel(2);
        list->ShowEdit();

        Label(1003, CRect(370, 310, 800, 338), L"CRecordList (row 2 selected)", 16);
        auto* records = static_cast<CRecordList*>(m_host->CreateControl(L"CRecordList", 189, CRect(370, 344, 800, 600), L"", 1, 1));
        wchar_t const* keys[] = { L"Left Ctrl", L"C", L"C", L"Left Ctrl", L"Left Alt", L"Tab", L"Tab", L"Left Alt", L"H", L"H", L"I", L"I" };
        for (int i = 0; i < 12; ++i)
            records->AddString(keys[i], i % 2 == 0 ? RECORD_ACTION_KEYDOWN : RECORD_ACTION_KEYUP, 4 + i, 10 + i * 15);
        records->UpdateDelayTime(500);
        records->GetScrollVertical()->SetPos(0, false);
        records->SetCurSel(2);
    }

    // The tip is a window of its own: put its pixels over the window's, where
    // it shows on the screen, so that its anchor can be judged.
    bool SaveWithTip(CString const& path, CKeyboardTips& tip)
    {
        CString const tipPath = path + L".tip.png";
        if (!SaveWindowPng(tip.GetSafeHwnd(), tipPath))
            return false;
        MImage window = MImage::LoadFromFile(path);
        MImage const tipImage = MImage::LoadFromFile(tipPath);
        CRect windowRect, tipRect;
        GetWindowRect(windowRect);
        tip.GetWindowRect(tipRect);
        MGraphics g(window);
        g.DrawImage(tipImage, CPoint(tipRect.left - windowRect.left, tipRect.top - windowRect.top));
        return window.SavePng(path);
    }

    Options m_options;
    MPanel* m_host { nullptr };
    KeyFuncControl* m_keyfunc { nullptr };
    KeyboardCtrl* m_keyboard { nullptr };
};

Options ParseOptions(int argc, char** argv)
{
    Options options;
    std::filesystem::path const exe = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    options.program_dir = (exe / ".." / "dist").lexically_normal().string();
    for (int i = 1; i < argc; ++i) {
        std::string const arg = argv[i];
        auto next = [&]() { return i + 1 < argc ? std::string(argv[++i]) : std::string(); };
        if (arg == "--program-dir")
            options.program_dir = next();
        else if (arg == "--layout")
            options.layout = next();
        else if (arg == "--scene")
            options.scene = next();
        else if (arg == "--mode")
            options.mode = std::atoi(next().c_str());
        else if (arg == "--tip")
            options.tip = true;
        else if (arg == "--screenshot")
            options.screenshot = next();
        else if (arg == "--quit-after")
            options.quit_after = std::atoi(next().c_str());
    }
    return options;
}

}

int main(int argc, char** argv)
{
    Options const options = ParseOptions(argc, argv);
    Manager::SetAppDirectory(FromUtf8(options.program_dir));
    GalleryDialog dialog(options);
    if (!dialog.Create(nullptr, L"LumoUI keyboard gallery", WS_POPUP | WS_VISIBLE, 0, CRect(40, 40, 1320, 760)))
        return 1;
    dialog.GetPaintManager().SetBackColor(RGB(9, 13, 19), RGB(16, 168, 253));
    if (options.quit_after > 0)
        dialog.SetTimer(GalleryDialog::kQuitTimer, static_cast<unsigned>(options.quit_after));
    return static_cast<int>(dialog.ShowModal());
}
