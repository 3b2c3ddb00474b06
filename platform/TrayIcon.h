#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace Tessera {

// The program's icon in the desktop's notification area (system tray).
//
// What it shows: the icon, a title and tooltip, and a menu of plain items.
// What it reports: activation (a click on the icon), a request for the
// context menu at a screen point (hosts that leave the menu to the program),
// and a chosen menu item. Reports arrive on a thread of the implementation;
// the receiver hands them to its own thread.
//
// Implementations: StatusNotifierTray (a StatusNotifierItem with a
// com.canonical.dbusmenu menu on the D-Bus session bus), FakeTrayIcon (tests).
class TrayIcon {
public:
    struct MenuItem {
        unsigned id { 0 };
        std::wstring label;
        bool operator==(MenuItem const&) const = default;
    };

    struct Appearance {
        std::string id;            // stable name of the item ("tessera")
        std::wstring title;        // the device name
        std::string iconName;      // icon of the theme folder below
        std::string iconThemePath; // folder holding hicolor/<n>x<n>/apps/<iconName>.png
        std::vector<MenuItem> menu;
    };

    struct Callbacks {
        std::function<void()> activate;
        std::function<void(int x, int y)> contextMenu;
        std::function<void(unsigned id)> menuItem;
    };

    virtual ~TrayIcon() = default;

    // Puts the icon on the desktop; false when the desktop's bus cannot be
    // reached. A true result does not mean that a tray shows it: see IsShown.
    virtual bool Add(Appearance const& appearance, Callbacks callbacks) = 0;
    // Takes the icon away; no callback runs after it returns. Idempotent.
    virtual void Remove() = 0;
    // True while a tray host shows the icon (a watcher accepted it). Any thread.
    virtual bool IsShown() const = 0;
    // New menu labels (after a language change). Any thread.
    virtual void SetMenu(std::vector<MenuItem> menu) = 0;
};

std::unique_ptr<TrayIcon> CreateStatusNotifierTray();

}
