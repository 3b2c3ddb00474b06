#pragma once

#include <string>

namespace Tessera {

// What discovery changes on the screen. The main window implements it; the
// calls come from the worker thread, so an implementation hands them to its
// window thread or makes them safe to call from there.
class DeviceScreen {
public:
    virtual ~DeviceScreen() = default;

    // Closes the program's own pop-up windows, so no dialog stays open over a
    // changed device.
    virtual void ClosePopups() = 0;
    // The device selector: every model back to "not connected", then the
    // found ones to state 1.
    virtual void ResetDeviceSelector() = 0;
    virtual void SetDeviceSelectorState(int deviceType, int state) = 0;
    // Status title: text 60 (connected) or 61 (no keyboard) of "KB.DIALOG".
    virtual void SetStatusTitle(int textId) = 0;
    // Shows the pages that the model's device type has.
    virtual void ApplyPageVisibility(int deviceType) = 0;
    // Tab bar, battery, connection icon and device-name label shown; label
    // text, keyboard picture and the tab to select (-1: keep the tab).
    virtual void ShowConnected(int labelTextId, std::string const& keyboardPicture, int selectTab) = 0;
    // First tab selected; tab bar, battery, icon and label hidden (and the
    // keyboard area when asked); label and keyboard picture cleared.
    virtual void ShowHidden(bool hideKeyboardArea) = 0;
    virtual void SetConnectionIcon(std::string const& image) = 0;
    virtual void Redraw() = 0;
};

// Texts and images that discovery puts on the screen.
inline constexpr int kTextDeviceName = 51;
inline constexpr int kTextConnected = 60;
inline constexpr int kTextNoKeyboard = 61;
inline constexpr char kIconCable[] = "icon\\mode_usb.png";
inline constexpr char kIconReceiver[] = "icon\\mode_24g.png";
inline constexpr char kKeyboardPicture[] = "icon\\icon_keyboard.png";

}
