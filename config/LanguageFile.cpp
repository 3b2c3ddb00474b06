#include "config/LanguageFile.h"

#include "config/LanguageIni.h"
#include "platform/base/PathText.h"

#include <sys/stat.h>

#include <atomic>
#include <fstream>
#include <map>
#include <mutex>
#include <sstream>

namespace Tessera {

namespace {

// Language files are a few tens of kilobytes; anything far larger is not one.
constexpr off_t kMaxLanguageFileBytes = 4 * 1024 * 1024;

struct CachedFile {
    timespec modified {};
    off_t size { -1 };
    LanguageIni ini;
};

std::mutex s_cacheLock;
std::map<std::string, CachedFile> s_cache;
std::atomic<LanguageSource const*> s_source { nullptr };

bool SameVersion(CachedFile const& cached, struct stat const& info)
{
    return cached.size == info.st_size && cached.modified.tv_sec == info.st_mtim.tv_sec
        && cached.modified.tv_nsec == info.st_mtim.tv_nsec;
}

// The parsed file at `path`, read again when its size or time changed;
// null when it cannot be read.
LanguageIni const* LoadCached(std::string const& path)
{
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > kMaxLanguageFileBytes) {
        s_cache.erase(path);
        return nullptr;
    }
    auto found = s_cache.find(path);
    if (found != s_cache.end() && SameVersion(found->second, info))
        return &found->second.ini;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return nullptr;
    std::ostringstream bytes;
    bytes << file.rdbuf();
    CachedFile& entry = s_cache[path];
    entry.modified = info.st_mtim;
    entry.size = info.st_size;
    entry.ini = LanguageIni::Parse(bytes.str());
    return &entry.ini;
}

}

std::wstring LanguageFilePath(std::wstring const& programFolder, int languageId)
{
    std::wstring folder = programFolder;
    if (!folder.empty() && folder.back() != L'/')
        folder += L'/';
    return folder + L"language/" + std::to_wstring(languageId) + L".lan";
}

std::wstring GetLangText(LanguageSource const& source, std::wstring_view section, int number)
{
    std::string path = ToNativePath(LanguageFilePath(source.ProgramFolder(), source.LanguageId()));
    std::lock_guard lock(s_cacheLock);
    LanguageIni const* ini = LoadCached(path);
    if (!ini)
        return {};
    std::wstring text = ini->Find(section, std::to_wstring(number)).value_or(std::wstring());
    if (text.size() > kMaxLanguageTextLength)
        text.resize(kMaxLanguageTextLength);
    return text;
}

void SetLanguageSource(LanguageSource const* source)
{
    s_source.store(source);
}

std::wstring GetLangText(std::wstring_view section, int number)
{
    LanguageSource const* source = s_source.load();
    return source ? GetLangText(*source, section, number) : std::wstring();
}

}
