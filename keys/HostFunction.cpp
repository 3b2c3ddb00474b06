#include "keys/HostFunction.h"

#include "keys/KeyFunction.h"
#include "platform/Clipboard.h"
#include "platform/ShellOpen.h"
#include "store/DeviceDatabase.h"
#include "platform/base/PathText.h"
#include "platform/base/Utf8.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cwctype>

namespace Tessera {

namespace {

constexpr auto kPasteFetchTimeout = std::chrono::milliseconds(1000);

// "scheme:" as in RFC 3986: a letter, then letters, digits, "+", "-", ".".
bool HasScheme(std::wstring const& address)
{
    size_t colon = address.find(L':');
    if (colon == std::wstring::npos || colon == 0 || !std::iswalpha(static_cast<wint_t>(address[0])))
        return false;
    for (size_t i = 1; i < colon; ++i) {
        wchar_t c = address[i];
        if (!std::iswalnum(static_cast<wint_t>(c)) && c != L'+' && c != L'-' && c != L'.')
            return false;
    }
    // "localhost:8080" is a host with a port, not a scheme.
    return address.compare(colon, 3, L"://") == 0 || address.compare(0, colon, L"mailto") == 0;
}

bool IsExecutableFile(std::string const& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

void LaunchProgram(std::wstring const& path, ShellOpen& shell)
{
    std::string target = ToNativePath(path);
    if (IsExecutableFile(target))
        shell.RunProgram(target, {});
    else
        shell.OpenWithDesktop(target);
}

}

std::string WebAddressToOpen(std::wstring const& address)
{
    if (address.empty() || HasScheme(address))
        return WideToUtf8(address);
    std::wstring host = address.find(L"www.") != std::wstring::npos ? address : L"www." + address;
    return "http://" + WideToUtf8(host);
}

void PasteText(std::wstring const& text, Clipboard* clipboard, PasteKeys* keys)
{
    bool offered = clipboard && clipboard->SetText(text);
    if (keys)
        keys->PressCtrlV();
    if (clipboard) {
        if (offered && keys)
            clipboard->WaitUntilFetched(kPasteFetchTimeout);
        clipboard->Clear();
    }
}

int ExecuteHostFunction(int keyOtherDataId, HostServices const& services)
{
    std::wstring desc, param;
    int type = 0;
    services.database.GetKeyOtherData(keyOtherDataId, desc, param, type);
    switch (type) {
    case FuncLaunchProgram:
        LaunchProgram(param, services.shell);
        break;
    case FuncOpenWebsite:
        if (!desc.empty())
            services.shell.OpenWithDesktop(WebAddressToOpen(desc));
        break;
    case FuncTypeText:
        if (!desc.empty())
            PasteText(desc, services.clipboard, services.keys);
        break;
    case FuncSwitchProfile:
        services.profiles.SwitchToProfile(static_cast<int>(std::wcstol(param.c_str(), nullptr, 10)));
        break;
    default:
        break;
    }
    return 1;
}

}
