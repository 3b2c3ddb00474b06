#pragma once

// Control ids, text numbers and window messages of the main window. The
// numbers are data: other processes send the messages, and the feature
// pages use the ids in their notification handlers.

namespace Tessera {

// Frame controls.
enum FrameControl : unsigned {
    kIdBackground = 30,
    kIdCaptionArea = 31,
    kIdTabRowArea = 32,
    kIdContentArea = 33,
    kIdFooterArea = 34,
    kIdCaptionPicture = 36,
    kIdLogo = 37,
    kIdProductCaption = 38,
    kIdStatusTitle = 39,
    kIdDevicePicture = 40,
    kIdCloseButton = 41,
    kIdMinimizeButton = 42,
    kIdDeviceLabel = 43,
    kIdWebsiteButton = 44,
    kIdStoreButton = 45,
    kIdBattery = 46,
    kIdConnectionIcon = 47,
    kIdPageArea = 48,
    kIdTabControl = 49,
    kIdTabLayout = 50,
    kIdDeviceSelector = 56,
    kIdVersionCaption = 57,
    kIdCopyrightCaption = 58,
};

// Page containers inside the tab layout and their title captions.
enum PageControl : unsigned {
    kIdPageNoKeyboard = 1000,
    kIdPageKeys = 1001,
    kIdPageMacros = 1002,
    kIdPageLighting = 1003,
    kIdPageSettings = 1005,
    kIdPageTitleOffset = 100,   // a page's title is its container id + 100
    kIdPagePictureOffset = 200, // its keyboard picture, + 200
};

// Tab items (index in the tab bar).
enum TabItem : int {
    kTabNoKeyboard = 0,
    kTabKeys = 1,
    kTabMacros = 2,
    kTabLighting = 3,
    kTabSettings = 4,
};

// Texts of section "KB.DIALOG".
enum FrameText : int {
    kTextTrayCloseBehaviour = 10,
    kTextTrayQuit = 11,
    kTextOk = 20,
    kTextConfirm = 22,
    kTextYes = 23,
    kTextNo = 25,
    kTextTabKeys = 51,
    kTextTabMacros = 52,
    kTextTabLighting = 53,
    kTextTabSettings = 55,
    kTextStatusConnected = 60,
    kTextStatusNoKeyboard = 61,
    kTextCloseQuestion = 170,
    kTextCloseToTray = 171,
    kTextCloseExits = 172,
};

// Window messages of the main window.
enum MainWindowMessage : unsigned {
    kMsgTrayCallback = 1690,       // tray icon events in lParam (mouse message numbers)
    kMsgQuit = 1691,               // with lParam kQuitRequest
    kMsgRunKeyFunction = 1092,     // lParam = t_key_otherdata row
    kMsgRecordKey = 1654,          // key of the keyboard grab while recording
    kMsgKeyMenuCommand = 1825,
    kMsgProfileMenuCommand = 1826,
    kMsgMacroRename = 1827,
    kMsgReloadTexts = 2022,
    kMsgRunWindowCalls = 2101,     // work handed over from other threads is waiting
    kMsgRaiseWindow = 2102,        // a second start asked for the window
};

constexpr long kQuitRequest = 610;

// WM_COMMAND ids of the tray menu.
enum TrayCommand : unsigned {
    kCommandQuit = 100,
    kCommandCloseBehaviour = 200,
};

}
