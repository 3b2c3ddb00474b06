#pragma once

#include "app/PageController.h"

#include <lumoui/BatteryCtrl.h>
#include <lumoui/CDeviceCtrl.h>
#include <lumoui/Dialog.h>
#include <lumoui/MPicture.h>
#include <lumoui/MTabCtrl.h>

#include <memory>
#include <string>
#include <vector>

namespace Tessera {

// The frame of the main window: background, caption with logo, product
// caption and status title, the window buttons, battery, connection icon
// and device label, the tab bar over the page layout, the device selector
// and the version and copyright captions. It owns the page controllers and
// keeps the texts it shows by number, so a language change sets them again
// without rebuilding anything. Window thread only.
class MainFrame {
public:
    // The product caption of the caption band.
    static constexpr wchar_t kProductCaption[] = L"Norvik NK740 Vor Udav三模RGB版";

    explicit MainFrame(LumoUI::MDialog& dialog);

    // Builds the frame, then the pages in tab order.
    void Build(LumoUI::CRect client);
    // Places every control for the client size.
    void Layout(LumoUI::CRect client);
    void ReloadTexts(int exitMode);

    // --- device state
    void SetStatusTitle(int textId);
    void ShowConnected(int labelTextId, std::string const& keyboardPicture, int selectTab);
    void ShowHidden(bool hideKeyboardArea);
    void SetConnectionIcon(std::string const& image);
    void SetBattery(int level, int charging);
    void AddDevice(std::wstring const& name, int deviceType);
    void ResetDeviceSelector();
    void SetDeviceSelectorState(int deviceType, int state);
    // Shows the tab items of the pages the model has (page flags of the
    // model load); settings are always there.
    void ApplyPageFlags(int pageFlags);
    void SetTabVisible(int item, bool visible);

    // --- captions from the description file
    void SetVersion(std::wstring const& version);
    void SetCopyright(std::wstring const& copyright);
    // The close button's tooltip follows "exit_mode": 172 for 2, else 171.
    void SetCloseTooltip(int exitMode);

    // --- pages
    void SelectTab(int index);
    int SelectedTab() const;
    PageController* PageForPicture(int pictureFlag);
    std::vector<std::unique_ptr<PageController>>& Pages() { return m_pages; }
    // The title of the selected page: none for tab 0, else the item's text.
    int PageTitleText() const;

    LumoUI::MTabCtrl* TabControl() const { return m_tabs; }
    LumoUI::CDeviceCtrl* DeviceSelector() const { return m_devices; }
    LumoUI::BatteryCtrl* Battery() const { return m_battery; }

private:
    LumoUI::MControl* Create(wchar_t const* cls, unsigned id, LumoUI::CRect rc, wchar_t const* title = L"", bool area = false);
    LumoUI::MControlFont* Caption(unsigned id, std::wstring const& text, int size, LumoUI::ARGB color, bool bold = false);
    LumoUI::MControlFont* ImageButton(unsigned id, wchar_t const* image);
    void SetText(unsigned id, std::wstring const& text);
    void SetFrameVisible(bool visible);
    void BuildPages();

    LumoUI::MDialog& m_dialog;
    LumoUI::MTabCtrl* m_tabs { nullptr };
    LumoUI::MPanel* m_layout { nullptr };
    LumoUI::CDeviceCtrl* m_devices { nullptr };
    LumoUI::BatteryCtrl* m_battery { nullptr };
    LumoUI::MPicture* m_connectionIcon { nullptr };
    LumoUI::MPicture* m_devicePicture { nullptr };
    std::vector<std::unique_ptr<PageController>> m_pages;
    int m_statusText { 0 };
    int m_labelText { 0 };
};

}
