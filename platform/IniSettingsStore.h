#pragma once

#include "platform/SettingsStore.h"

#include <functional>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace Tessera {

// The settings store as an INI file, by default
// "$XDG_CONFIG_HOME/<device name>/settings.ini":
//
//     [Settings]
//     LCID=2052
//     exit_mode=1
//
// Every read goes to the file and every write replaces it atomically. A file
// that is not a valid settings file (not UTF-8, a line that is neither a
// section, a comment nor name=value, or larger than kMaxFileBytes) is
// reported, kept beside it as "settings.ini.damaged" and then treated as
// missing, so start-up creates a fresh one. Safe to call from any thread.
class IniSettingsStore final : public SettingsStore {
public:
    static constexpr size_t kMaxFileBytes = 64 * 1024;
    using Reporter = std::function<void(std::wstring const& message)>;

    // `path` is the settings file; `report` receives the damaged-file notice
    // (default: standard error).
    explicit IniSettingsStore(std::wstring path, Reporter report = {});

    // The store of a device name at its default place.
    static std::unique_ptr<IniSettingsStore> ForDevice(std::wstring const& deviceName);

    std::wstring const& Path() const { return m_path; }

    State Probe() override;
    bool Create() override;
    std::optional<std::wstring> ReadValue(std::wstring const& name) override;
    bool WriteValue(std::wstring const& name, std::wstring const& value) override;

    using Values = std::vector<std::pair<std::wstring, std::wstring>>;
    // The text of a settings file holding `values`, and its parser
    // (std::nullopt for damaged text).
    static std::string Format(Values const& values);
    static std::optional<Values> Parse(std::string const& bytes);

private:
    State Load(Values& values);

    std::mutex m_mutex;
    std::wstring m_path;
    Reporter m_report;
};

}
