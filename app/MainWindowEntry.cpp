#include "app/MainWindowEntry.h"

#include "app/KeyboardDlg.h"
#include "app/LanguageTexts.h"
#include "app/QuitSignals.h"
#include "device/HidDeviceManager.h"
#include "platform/Clipboard.h"
#include "platform/SettingsStore.h"
#include "platform/ShellOpen.h"
#include "platform/TrayIcon.h"
#include "store/DeviceDatabase.h"

#include <lumoui/Manager.h>

#include <lumoui/WindowSystem.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace Tessera {

namespace {

// The toolkit falls back to its in-memory windows when no display can be
// opened; the program then could not be seen, so it says so and ends,
// unless that backend was asked for.
bool DisplayMissing()
{
    char const* backend = std::getenv("LUMOUI_BACKEND");
    bool asked = backend && std::string(backend) == "headless";
    return LumoUI::IsHeadlessBackend() && !asked;
}

}

int RunMainWindow(StartupResult& startup)
{
    if (DisplayMissing()) {
        std::fprintf(stderr, "tessera: no display to open the window on (DISPLAY is not set or cannot be opened)\n");
        return 1;
    }
    // The window system has set up its signal handling by now; ours replaces it.
    QuitSignals signals;
    signals.Install();
    LumoUI::Manager::SetAppDirectory(startup.appFolder);
    LumoUI::Manager::SetLanguage(startup.languageId);
    ProgramLanguageSource language(startup.appFolder);
    SetLanguageSource(&language);

    auto shell = CreateShellOpen();
    auto clipboard = CreateClipboard();
    auto pasteKeys = CreatePasteKeys();
    MainWindowServices services { .appFolder = startup.appFolder,
        .dataFolder = startup.dataFolder,
        .settings = ProcessSettingsStore(),
        .hid = GetHidDeviceManager(),
        .database = GetDeviceDatabase(),
        .clock = SystemDeviceClock(),
        .instance = startup.instance.get(),
        .tray = CreateStatusNotifierTray(),
        .makeMonitor = [] { return CreateDeviceMonitor(); },
        .shell = shell.get(),
        .clipboard = clipboard.get(),
        .pasteKeys = pasteKeys.get(),
        .exitProcess = {},
        .modalRunner = {},
        .startWorker = true };
    auto window = std::make_unique<KeyboardDlg>(std::move(services));
    if (!window->CreateMainWindow()) {
        std::fprintf(stderr, "tessera: the main window cannot be opened (is a display available?)\n");
        return 1;
    }
    signals.SetWindow(window->GetSafeHwnd());
    window->ShowModal(LumoUI::SW_SHOW);
    window.reset();
    SetLanguageSource(nullptr);
    return 1;
}

}
