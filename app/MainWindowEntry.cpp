#include "app/MainWindowEntry.h"

#include "platform/PathText.h"

#include <cstdio>

namespace Tessera {

// Until the main window is part of the program, the run shows what start-up
// found and ends.
int RunMainWindow(StartupResult& startup)
{
    auto text = [](std::wstring const& value) { return ToNativePath(value); };
    std::printf("Tessera start-up\n");
    std::printf("  device name:    %s\n", text(startup.deviceName).c_str());
    std::printf("  program folder: %s\n", text(startup.appFolder).c_str());
    std::printf("  data folder:    %s%s\n", text(startup.dataFolder).c_str(),
        startup.databaseFolderReady ? "" : " (could not be created)");
    std::printf("  language:       %d\n", startup.languageId);
    std::printf("  settings file:  %s\n", text(startup.settingsFile).c_str());
    std::printf("The main window is not part of this build yet.\n");
    return 0;
}

}
