#pragma once

#include "platform/SingleInstance.h"

#include <functional>
#include <memory>
#include <string>

namespace Tessera {

// The services start-up takes from the system; tests replace them.
struct StartupServices {
    std::wstring appFolder; // the program folder, without a trailing '/'
    std::function<std::unique_ptr<SingleInstance>(std::wstring const& deviceName)> makeInstance;
    std::function<int()> systemLanguage;
};

// The services of this Linux system.
StartupServices SystemStartupServices();

// What start-up found. With `anotherInstance` set the program ends with 0:
// the running instance was asked to raise its window.
struct StartupResult {
    bool anotherInstance { false };
    std::wstring deviceName;
    std::wstring appFolder;     // with a trailing '/'
    std::wstring dataFolder;    // with a trailing '/'
    std::wstring settingsFile;
    int languageId { 0 };
    bool databaseFolderReady { false };
    // Guards the device name for the life of the process and receives the
    // messages of later starts; the main window installs its handler.
    std::unique_ptr<SingleInstance> instance;
};

// The device name from config.xml in the program folder, handed to the
// toolkit; the toolkit's default stays when the file has none.
std::wstring SettleDeviceName(std::wstring const& appFolder);

// Start-up before the main window, in this order: device name from config.xml,
// single instance, language (first run stores 2052 or 1033), the module
// handle to the toolkit, the data folder with its "db" folder. Installs the
// process-wide settings store. Runs on the main thread before other threads.
StartupResult RunStartup(StartupServices const& services);

}
