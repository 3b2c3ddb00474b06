#include "platform/IniSettingsStore.h"

#include "platform/base/AtomicFile.h"
#include "platform/base/PathText.h"
#include "platform/Paths.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace Tessera {

namespace {

enum class ReadResult { Ok, Missing, Unreadable, TooLarge };

ReadResult ReadFile(std::string const& path, std::string& bytes)
{
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? ReadResult::Missing : ReadResult::Unreadable;
    ReadResult result = ReadResult::Ok;
    char buffer[4096];
    for (;;) {
        ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            result = ReadResult::Unreadable;
            break;
        }
        if (got == 0)
            break;
        bytes.append(buffer, static_cast<size_t>(got));
        if (bytes.size() > IniSettingsStore::kMaxFileBytes) {
            result = ReadResult::TooLarge;
            break;
        }
    }
    ::close(fd);
    return result;
}

std::wstring Trim(std::wstring const& text)
{
    auto first = text.find_first_not_of(L" \t\r");
    if (first == std::wstring::npos)
        return {};
    auto last = text.find_last_not_of(L" \t\r");
    return text.substr(first, last - first + 1);
}

bool HasEscapedBytes(std::wstring const& text)
{
    return std::any_of(text.begin(), text.end(), [](wchar_t c) { return c >= 0xDC80 && c <= 0xDCFF; });
}

// A name or value that would break the line structure cannot be stored.
bool IsStorable(std::wstring const& text, bool isName)
{
    if (isName && (Trim(text) != text || text.empty() || text.find(L'=') != std::wstring::npos
            || text.front() == L'[' || text.front() == L';' || text.front() == L'#'))
        return false;
    return std::none_of(text.begin(), text.end(), [](wchar_t c) { return c < 0x20 || (c >= 0xD800 && c <= 0xDFFF); });
}

void ReportToStandardError(std::wstring const& message)
{
    std::fprintf(stderr, "tessera: %s\n", ToNativePath(message).c_str());
}

}

IniSettingsStore::IniSettingsStore(std::wstring path, Reporter report)
    : m_path(std::move(path))
    , m_report(report ? std::move(report) : Reporter(ReportToStandardError))
{
}

std::unique_ptr<IniSettingsStore> IniSettingsStore::ForDevice(std::wstring const& deviceName)
{
    return std::make_unique<IniSettingsStore>(GetConfigFolder(deviceName) + L"settings.ini");
}

std::string IniSettingsStore::Format(Values const& values)
{
    std::string text = "[Settings]\n";
    for (auto const& [name, value] : values)
        text += ToNativePath(name) + "=" + ToNativePath(value) + "\n";
    return text;
}

std::optional<IniSettingsStore::Values> IniSettingsStore::Parse(std::string const& bytes)
{
    if (bytes.find('\0') != std::string::npos)
        return std::nullopt;
    std::wstring text = FromNativePath(bytes);
    if (HasEscapedBytes(text))
        return std::nullopt;
    Values values;
    size_t start = 0;
    while (start < text.size()) {
        auto end = text.find(L'\n', start);
        std::wstring line = text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
        start = end == std::wstring::npos ? text.size() : end + 1;
        if (!line.empty() && line.back() == L'\r')
            line.pop_back();
        line = Trim(line);
        if (line.empty() || line.front() == L';' || line.front() == L'#')
            continue;
        if (line.front() == L'[') {
            if (line.back() != L']')
                return std::nullopt;
            continue;
        }
        auto equals = line.find(L'=');
        if (equals == std::wstring::npos || Trim(line.substr(0, equals)).empty())
            return std::nullopt;
        std::wstring name = Trim(line.substr(0, equals));
        std::wstring value = Trim(line.substr(equals + 1));
        auto same = std::find_if(values.begin(), values.end(), [&](auto const& pair) { return pair.first == name; });
        if (same != values.end())
            same->second = value; // the last one wins, as in every INI reader
        else
            values.emplace_back(name, value);
    }
    return values;
}

SettingsStore::State IniSettingsStore::Load(Values& values)
{
    std::string native = ToNativePath(m_path);
    std::string bytes;
    switch (ReadFile(native, bytes)) {
    case ReadResult::Missing:
        return State::Missing;
    case ReadResult::Unreadable:
        return State::Unreadable;
    case ReadResult::TooLarge:
        break;
    case ReadResult::Ok:
        if (auto parsed = Parse(bytes)) {
            values = std::move(*parsed);
            return State::Open;
        }
        break;
    }
    // Damaged: keep it for the user to inspect and start again empty.
    std::string kept = native + ".damaged";
    if (::rename(native.c_str(), kept.c_str()) != 0) {
        m_report(L"the settings file " + m_path + L" is damaged and cannot be replaced");
        return State::Unreadable;
    }
    m_report(L"the settings file " + m_path + L" was damaged; it was kept as " + FromNativePath(kept)
        + L" and the settings start again from their defaults");
    return State::Missing;
}

SettingsStore::State IniSettingsStore::Probe()
{
    std::lock_guard lock(m_mutex);
    Values values;
    return Load(values);
}

bool IniSettingsStore::Create()
{
    std::lock_guard lock(m_mutex);
    Values values;
    switch (Load(values)) {
    case State::Open:
        return true;
    case State::Unreadable:
        return false;
    case State::Missing:
        break;
    }
    auto cut = m_path.rfind(L'/');
    if (cut != std::wstring::npos && cut > 0 && !CreateDirectoryPath(m_path.substr(0, cut)))
        return false;
    return WriteFileAtomically(ToNativePath(m_path), Format({}));
}

std::optional<std::wstring> IniSettingsStore::ReadValue(std::wstring const& name)
{
    std::lock_guard lock(m_mutex);
    Values values;
    if (Load(values) != State::Open)
        return std::nullopt;
    for (auto const& [key, value] : values) {
        if (key == name)
            return value;
    }
    return std::nullopt;
}

bool IniSettingsStore::WriteValue(std::wstring const& name, std::wstring const& value)
{
    if (!IsStorable(name, true) || !IsStorable(value, false) || Trim(value) != value)
        return false;
    std::lock_guard lock(m_mutex);
    Values values;
    if (Load(values) != State::Open)
        return false;
    auto same = std::find_if(values.begin(), values.end(), [&](auto const& pair) { return pair.first == name; });
    if (same != values.end())
        same->second = value;
    else
        values.emplace_back(name, value);
    return WriteFileAtomically(ToNativePath(m_path), Format(values));
}

}
