#include "platform/Paths.h"

#include "platform/base/PathText.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Tessera {

namespace {

bool IsDirectory(std::string const& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::wstring WithSeparator(std::wstring path)
{
    if (path.empty() || path.back() != L'/')
        path += L'/';
    return path;
}

// An XDG base folder: the variable when it holds an absolute path (relative
// ones are invalid and ignored), else the fallback under the home folder.
std::wstring XdgFolder(char const* variable, wchar_t const* fallback)
{
    char const* value = std::getenv(variable);
    if (value && value[0] == '/')
        return WithSeparator(FromNativePath(value));
    return WithSeparator(HomeFolder()) + fallback;
}

}

std::wstring HomeFolder()
{
    if (char const* home = std::getenv("HOME"); home && *home)
        return FromNativePath(home);
    if (passwd const* entry = ::getpwuid(::getuid()); entry && entry->pw_dir)
        return FromNativePath(entry->pw_dir);
    return L"/tmp";
}

std::wstring AppFolderFromExecutable(std::wstring const& executable, bool trailingSeparator)
{
    auto cut = executable.rfind(L'/');
    if (cut == std::wstring::npos)
        return trailingSeparator ? L"./" : L".";
    if (cut == 0)
        return L"/";
    std::wstring folder = executable.substr(0, cut);
    return trailingSeparator ? folder + L'/' : folder;
}

std::wstring GetAppFolder(bool trailingSeparator)
{
    std::string buffer(PATH_MAX, '\0');
    ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length <= 0 || static_cast<size_t>(length) >= buffer.size())
        return {};
    buffer.resize(static_cast<size_t>(length));
    return AppFolderFromExecutable(FromNativePath(buffer), trailingSeparator);
}

std::wstring GetDataFolder(std::wstring const& deviceName)
{
    return XdgFolder("XDG_DATA_HOME", L".local/share/") + deviceName + L" Files/";
}

std::wstring GetConfigFolder(std::wstring const& deviceName)
{
    return XdgFolder("XDG_CONFIG_HOME", L".config/") + deviceName + L"/";
}

bool CreateDirectoryPath(std::wstring const& path)
{
    std::string native = ToNativePath(path);
    if (native.empty())
        return false;
    if (IsDirectory(native))
        return true;
    // Every prefix ending before a '/' first; failures there show up in the
    // final check.
    for (size_t at = native.find('/', 1); at != std::string::npos; at = native.find('/', at + 1))
        ::mkdir(native.substr(0, at).c_str(), 0700);
    ::mkdir(native.c_str(), 0700);
    return IsDirectory(native);
}

}
