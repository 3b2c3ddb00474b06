#include "app/Startup.h"

#include "config/DescriptionFile.h"
#include "platform/IniSettingsStore.h"
#include "platform/Paths.h"
#include "platform/UiLanguage.h"
#include "platform/UnixSingleInstance.h"

#include <lumoui/Manager.h>

#include <dlfcn.h>

namespace Tessera {

StartupServices SystemStartupServices()
{
    StartupServices services;
    services.appFolder = GetAppFolder(false);
    services.makeInstance = [](std::wstring const& name) { return std::make_unique<UnixSingleInstance>(name); };
    services.systemLanguage = [] { return GetUserDefaultUILanguage(); };
    return services;
}

std::wstring SettleDeviceName(std::wstring const& appFolder)
{
    if (auto name = ReadSoftwareName(DescriptionFilePath(appFolder)))
        LumoUI::Manager::SetDeviceName(*name);
    return LumoUI::Manager::GetDeviceName();
}

StartupResult RunStartup(StartupServices const& services)
{
    StartupResult result;
    result.appFolder = services.appFolder;
    if (result.appFolder.empty() || result.appFolder.back() != L'/')
        result.appFolder += L'/';
    result.deviceName = SettleDeviceName(services.appFolder);

    result.instance = services.makeInstance(result.deviceName);
    if (result.instance->Claim() == SingleInstance::Role::Secondary) {
        result.anotherInstance = true;
        return result;
    }

    auto store = IniSettingsStore::ForDevice(result.deviceName);
    result.settingsFile = store->Path();
    result.languageId = SettleLanguage(*store, services.systemLanguage());
    InstallSettingsStore(std::move(store));

    // The program's own module, for callers that look symbols up in it.
    LumoUI::Manager::SetInstance(::dlopen(nullptr, RTLD_LAZY));

    result.dataFolder = GetDataFolder(result.deviceName);
    result.databaseFolderReady = CreateDirectoryPath(result.dataFolder + L"db");
    return result;
}

}
