#include "app/MainFrame.h"

#include "app/KeysPage.h"
#include "app/LanguageTexts.h"
#include "app/LightPage.h"
#include "app/MacroPage.h"
#include "app/MainWindowIds.h"
#include "app/NoKeyboardPage.h"
#include "app/SettingsPage.h"
#include "config/DescriptionFile.h"
#include "config/LayoutFile.h"
#include "device/DeviceScreen.h"

#include <lumoui/Area.h>
#include <lumoui/MText.h>

#include <algorithm>

namespace Tessera {

using namespace LumoUI;

namespace {

// The frame's geometry for the 1280 × 720 window; bk_main.png has its
// caption band at y 0-60.
constexpr int kCaptionHeight = 60;
constexpr int kTabTop = 68;
constexpr int kTabHeight = 56;
constexpr int kTabItemWidth = 150;
constexpr int kFooterHeight = 64;
constexpr int kMargin = 20;
constexpr int kSysButton = 30;

constexpr ARGB kTextColor = 0xFFFFFFFF;
constexpr ARGB kDimTextColor = 0xFF8FA3B8;

struct TabRow {
    unsigned id;
    int text;
    wchar_t const* icon;
};

// Tab items in order: the page without keyboard (not in the bar), then the
// four pages.
constexpr TabRow kTabRows[] = {
    { 0, 0, L"" },
    { 1, kTextTabKeys, L"icon\\icon_keyboard.png" },
    { 2, kTextTabMacros, L"icon\\icon_macro.png" },
    { 3, kTextTabLighting, L"icon\\icon_lightmode.png" },
    { 5, kTextTabSettings, L"icon\\icon_config.png" },
};

// Skin names of the program use either separator ("icon\\mode_usb.png");
// the skin folder is a file-system path.
std::wstring SkinFile(std::wstring name)
{
    std::replace(name.begin(), name.end(), L'\\', L'/');
    return name;
}

std::wstring SkinFile(std::string const& name) { return SkinFile(std::wstring(name.begin(), name.end())); }

}

MainFrame::MainFrame(MDialog& dialog)
    : m_dialog(dialog)
{
}

MControl* MainFrame::Create(wchar_t const* cls, unsigned id, CRect rc, wchar_t const* title, bool area)
{
    return area ? m_dialog.CreateArea(cls, id, rc, title) : m_dialog.CreateControl(cls, id, rc, title);
}

MControlFont* MainFrame::Caption(unsigned id, std::wstring const& text, int size, ARGB color, bool bold)
{
    auto* caption = dynamic_cast<MControlFont*>(Create(L"MText", id, CRect(), text.c_str()));
    if (!caption)
        return nullptr;
    caption->SetFontWidth(size);
    caption->SetTextColor(color);
    if (bold)
        caption->SetFontStyle(FontStyleBold);
    return caption;
}

MControlFont* MainFrame::ImageButton(unsigned id, wchar_t const* image)
{
    auto* button = dynamic_cast<MControlFont*>(Create(L"MButton", id, CRect()));
    if (button)
        button->SetImage(image, 4);
    return button;
}

void MainFrame::Build(CRect client)
{
    if (auto* background = dynamic_cast<MControlFont*>(Create(L"MPicture", kIdBackground, client, L"", true)))
        background->SetImage(L"bk_main.png", 1);
    // Regions of the frame; transparent, they only name the parts.
    for (unsigned id : { kIdCaptionArea, kIdTabRowArea, kIdContentArea, kIdFooterArea })
        Create(L"CArea", id, CRect(), L"", true);
    Create(L"MPicture", kIdCaptionPicture, CRect(), L"", true);
    if (auto* logo = dynamic_cast<MPicture*>(Create(L"MPicture", kIdLogo, CRect(), L"", true)))
        logo->SetImage(SkinFile(L"logo\\logo.png").c_str(), 1);

    Caption(kIdProductCaption, kProductCaption, 17, kTextColor, true);
    Caption(kIdStatusTitle, L"", 12, kDimTextColor);
    m_devicePicture = dynamic_cast<MPicture*>(Create(L"MPicture", kIdDevicePicture, CRect()));
    if (m_devicePicture)
        m_devicePicture->SetRresponse(0);
    Caption(kIdDeviceLabel, L"", 14, kTextColor);
    ImageButton(kIdCloseButton, L"main_sysbtn_close.png");
    ImageButton(kIdMinimizeButton, L"main_sysbtn_min.png");
    ImageButton(kIdWebsiteButton, L"main_sysbtn_web.png");

    m_battery = dynamic_cast<BatteryCtrl*>(Create(L"BatteryCtrl", kIdBattery, CRect()));
    if (m_battery)
        m_battery->SetBatteryIcon(L"img_battery.png", L"img_battery_charging.png");
    m_connectionIcon = dynamic_cast<MPicture*>(Create(L"MPicture", kIdConnectionIcon, CRect()));
    if (m_connectionIcon) {
        m_connectionIcon->SetImage(SkinFile(std::string(kIconCable)).c_str(), 1);
        m_connectionIcon->SetRresponse(0);
    }

    Create(L"CArea", kIdPageArea, CRect(), L"", true);
    m_layout = dynamic_cast<MPanel*>(Create(L"MTabLayout", kIdTabLayout, CRect()));
    if (m_layout)
        m_layout->SetRresponse(0);
    m_tabs = dynamic_cast<MTabCtrl*>(Create(L"MTabCtrl", kIdTabControl, CRect(kMargin, kTabTop, kMargin + 4 * kTabItemWidth, kTabTop + kTabHeight)));
    if (m_tabs) {
        m_tabs->SetBarImage(L"img_tab_bar.png");
        m_tabs->SetImage(L"img_tab_item.png", 4);
        m_tabs->SetLeftRightPading(0, 0);
        m_tabs->SetFontWidth(15);
    }
    m_devices = dynamic_cast<CDeviceCtrl*>(Create(L"CDeviceCtrl", kIdDeviceSelector, CRect()));
    Caption(kIdVersionCaption, L"", 12, kDimTextColor);
    Caption(kIdCopyrightCaption, L"", 12, kDimTextColor);

    BuildPages();
    Layout(client);
    ReloadTexts(0);
    // Until discovery has found a keyboard the frame shows none.
    SetFrameVisible(false);
}

void MainFrame::BuildPages()
{
    m_pages.push_back(std::make_unique<NoKeyboardPage>());
    m_pages.push_back(std::make_unique<KeysPage>());
    m_pages.push_back(std::make_unique<MacroPage>());
    m_pages.push_back(std::make_unique<LightPage>());
    m_pages.push_back(std::make_unique<SettingsPage>());
    for (size_t i = 0; i < m_pages.size(); ++i) {
        if (m_layout)
            m_pages[i]->Build(*m_layout);
        if (!m_tabs)
            continue;
        TabRow const& row = kTabRows[i];
        m_tabs->InsertItem(row.id, L"", row.icon, m_pages[i]->Container(), kTabItemWidth, 0);
    }
    if (m_tabs) {
        // Item 0 is the page without keyboard; the bar never shows it.
        m_tabs->SetItemVisible(kTabNoKeyboard, 0);
        m_tabs->SetSelectItem(kTabNoKeyboard);
    }
}

void MainFrame::Layout(CRect client)
{
    auto place = [this](unsigned id, CRect rc) {
        if (MControl* control = m_dialog.GetControl(id))
            control->SetControlRect(rc);
    };
    int const right = client.right;
    int const footerTop = client.bottom - kFooterHeight;
    place(kIdBackground, client);
    place(kIdCaptionArea, CRect(0, 0, right, kCaptionHeight));
    place(kIdTabRowArea, CRect(0, kCaptionHeight, right, kTabTop + kTabHeight + 6));
    place(kIdContentArea, CRect(0, kTabTop + kTabHeight + 6, right, footerTop));
    place(kIdFooterArea, CRect(0, footerTop, right, client.bottom));
    place(kIdCaptionPicture, CRect(0, 0, right, kCaptionHeight));
    place(kIdLogo, CRect(kMargin, 10, kMargin + 40, 50));
    place(kIdProductCaption, CRect(kMargin + 52, 8, right / 2, 34));
    place(kIdStatusTitle, CRect(kMargin + 52, 34, right - 4 * (kSysButton + 8), 56));

    int x = right - kMargin - kSysButton;
    for (unsigned id : { kIdCloseButton, kIdMinimizeButton, kIdWebsiteButton }) {
        place(id, CRect(x, 15, x + kSysButton, 15 + kSysButton));
        x -= kSysButton + 8;
    }

    // The tab row: tabs on the left, the linked keyboard on the right:
    // its picture and name, the connection icon and the battery.
    int const rowMiddle = kTabTop + kTabHeight / 2;
    int const batteryLeft = right - kMargin - 40;
    int const iconLeft = batteryLeft - 36;
    int const labelLeft = iconLeft - 176;
    place(kIdBattery, CRect(batteryLeft, rowMiddle - 10, batteryLeft + 40, rowMiddle + 10));
    place(kIdConnectionIcon, CRect(iconLeft, rowMiddle - 12, iconLeft + 24, rowMiddle + 12));
    place(kIdDeviceLabel, CRect(labelLeft, rowMiddle - 12, iconLeft - 12, rowMiddle + 12));
    place(kIdDevicePicture, CRect(labelLeft - 32, rowMiddle - 12, labelLeft - 8, rowMiddle + 12));

    CRect const pages(kMargin, kTabTop + kTabHeight + 4, right - kMargin, footerTop - 6);
    place(kIdPageArea, pages);
    place(kIdTabLayout, pages);
    for (auto& page : m_pages)
        page->Place(pages);

    place(kIdDeviceSelector, CRect(kMargin, footerTop + 10, kMargin + 3 * (CDeviceCtrl::kTileWidth + CDeviceCtrl::kTileGap), client.bottom - 10));
    place(kIdCopyrightCaption, CRect(right / 2 - 120, footerTop + 10, right - 200, client.bottom - 10));
    place(kIdVersionCaption, CRect(right - 190, footerTop + 10, right - kMargin, client.bottom - 10));
    if (auto* version = dynamic_cast<MControlFont*>(m_dialog.GetControl(kIdVersionCaption)))
        version->SetAlignment(DT_RIGHT, DT_VCENTER);
}

void MainFrame::ReloadTexts(int exitMode)
{
    if (m_tabs) {
        for (size_t i = 1; i < std::size(kTabRows) && static_cast<int>(i) < m_tabs->GetItemCount(); ++i)
            m_tabs->SetItemText(static_cast<int>(i), DialogText(kTabRows[i].text));
    }
    if (m_statusText)
        SetText(kIdStatusTitle, DialogText(m_statusText));
    if (m_labelText)
        SetText(kIdDeviceLabel, DialogText(m_labelText));
    SetCloseTooltip(exitMode);
    for (auto& page : m_pages)
        page->ReloadTexts();
}

void MainFrame::SetText(unsigned id, std::wstring const& text)
{
    if (auto* control = dynamic_cast<MControlFont*>(m_dialog.GetControl(id)))
        control->SetTitle(text);
}

void MainFrame::SetStatusTitle(int textId)
{
    m_statusText = textId;
    SetText(kIdStatusTitle, DialogText(textId));
}

void MainFrame::SetFrameVisible(bool visible)
{
    for (unsigned id : { kIdTabControl, kIdBattery, kIdConnectionIcon, kIdDeviceLabel }) {
        if (MControl* control = m_dialog.GetControl(id))
            control->SetVisible(visible ? 1 : 0);
    }
}

void MainFrame::ShowConnected(int labelTextId, std::string const& keyboardPicture, int selectTab)
{
    SetFrameVisible(true);
    m_labelText = labelTextId;
    SetText(kIdDeviceLabel, DialogText(labelTextId));
    if (m_devicePicture) {
        // The tab bar caches the same file as a one-frame image; the picture
        // shows frame 0 of the four.
        if (m_devicePicture->SetImage(SkinFile(keyboardPicture).c_str(), 4))
            m_devicePicture->SetImageData(m_devicePicture->GetImage(), 4);
        m_devicePicture->SetVisible(1);
    }
    if (selectTab >= 0)
        SelectTab(selectTab);
}

void MainFrame::ShowHidden(bool hideKeyboardArea)
{
    SelectTab(kTabNoKeyboard);
    SetFrameVisible(false);
    m_labelText = 0;
    SetText(kIdDeviceLabel, L"");
    // The keyboard picture is cleared either way; the flag also hides its place.
    if (m_devicePicture)
        m_devicePicture->SetVisible(0);
    (void)hideKeyboardArea;
}

void MainFrame::SetConnectionIcon(std::string const& image)
{
    if (m_connectionIcon)
        m_connectionIcon->SetImage(SkinFile(image).c_str(), 1);
}

void MainFrame::SetBattery(int level, int charging)
{
    if (m_battery)
        m_battery->SetBatteryInfo(level, charging);
}

void MainFrame::AddDevice(std::wstring const& name, int deviceType)
{
    if (m_devices)
        m_devices->AddDevice(name, 0, 0, deviceType, false);
}

void MainFrame::ResetDeviceSelector()
{
    if (m_devices)
        m_devices->ResetAllState();
}

void MainFrame::SetDeviceSelectorState(int deviceType, int state)
{
    if (m_devices)
        m_devices->SetDeviceState(deviceType, state);
}

void MainFrame::ApplyPageFlags(int pageFlags)
{
    SetTabVisible(kTabKeys, pageFlags & kPageKeys);
    SetTabVisible(kTabMacros, pageFlags & kPageMacros);
    SetTabVisible(kTabLighting, pageFlags & kPageLighting);
}

void MainFrame::SetTabVisible(int item, bool visible)
{
    if (m_tabs && item > kTabNoKeyboard)
        m_tabs->SetItemVisible(item, visible ? 1 : 0);
}

void MainFrame::SetVersion(std::wstring const& version) { SetText(kIdVersionCaption, VersionCaption(version)); }

void MainFrame::SetCopyright(std::wstring const& copyright) { SetText(kIdCopyrightCaption, copyright); }

void MainFrame::SetCloseTooltip(int exitMode)
{
    if (MControl* close = m_dialog.GetControl(kIdCloseButton))
        close->SetTooltip(DialogText(exitMode == 2 ? kTextCloseExits : kTextCloseToTray).c_str());
}

void MainFrame::SelectTab(int index)
{
    if (m_tabs)
        m_tabs->SetSelectItem(index);
}

int MainFrame::SelectedTab() const { return m_tabs ? m_tabs->GetSelectItem() : kTabNoKeyboard; }

int MainFrame::PageTitleText() const
{
    int tab = SelectedTab();
    if (tab <= kTabNoKeyboard || tab >= static_cast<int>(std::size(kTabRows)))
        return 0;
    return kTabRows[tab].text;
}

PageController* MainFrame::PageForPicture(int pictureFlag)
{
    switch (pictureFlag) {
    case kPageKeys:
        return m_pages.size() > kTabKeys ? m_pages[kTabKeys].get() : nullptr;
    case kPageLighting:
        return m_pages.size() > kTabLighting ? m_pages[kTabLighting].get() : nullptr;
    case kPageSettingsPicture:
        return m_pages.size() > kTabSettings ? m_pages[kTabSettings].get() : nullptr;
    default:
        return nullptr;
    }
}

}
