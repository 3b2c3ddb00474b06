#include "platform/SettingsStore.h"

#include <algorithm>
#include <climits>
#include <cwchar>

namespace Tessera {

namespace {

constexpr int kFallbackLanguage = 2052;

// Stands in until start-up installs the real store.
class AbsentStore final : public SettingsStore {
public:
    State Probe() override { return State::Unreadable; }
    bool Create() override { return false; }
    std::optional<std::wstring> ReadValue(std::wstring const&) override { return std::nullopt; }
    bool WriteValue(std::wstring const&, std::wstring const&) override { return false; }
};

std::unique_ptr<SettingsStore>& Installed()
{
    static std::unique_ptr<SettingsStore> s_store = std::make_unique<AbsentStore>();
    return s_store;
}

}

int DecimalValue(std::wstring const& text)
{
    long value = std::wcstol(text.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX));
}

int GetLanguageId(SettingsStore& store)
{
    switch (store.Probe()) {
    case SettingsStore::State::Open:
        return DecimalValue(store.ReadValue(L"LCID").value_or(L""));
    case SettingsStore::State::Missing:
        return store.Create() ? 0 : kFallbackLanguage;
    case SettingsStore::State::Unreadable:
        break;
    }
    return kFallbackLanguage;
}

void SetLanguageId(SettingsStore& store, int languageId)
{
    if (store.Probe() == SettingsStore::State::Open)
        store.WriteValue(L"LCID", std::to_wstring(languageId));
}

int GetRegInt(SettingsStore& store, std::wstring const& name)
{
    switch (store.Probe()) {
    case SettingsStore::State::Open:
        return DecimalValue(store.ReadValue(name).value_or(L""));
    case SettingsStore::State::Missing:
        store.Create();
        return 0;
    case SettingsStore::State::Unreadable:
        break;
    }
    return 0;
}

void SetRegString(SettingsStore& store, std::wstring const& name, std::wstring const& value)
{
    if (store.Probe() == SettingsStore::State::Open)
        store.WriteValue(name, value);
}

int GetLanguageId() { return GetLanguageId(ProcessSettingsStore()); }
void SetLanguageId(int languageId) { SetLanguageId(ProcessSettingsStore(), languageId); }
int GetRegInt(std::wstring const& name) { return GetRegInt(ProcessSettingsStore(), name); }
void SetRegString(std::wstring const& name, std::wstring const& value) { SetRegString(ProcessSettingsStore(), name, value); }

void InstallSettingsStore(std::unique_ptr<SettingsStore> store)
{
    if (store)
        Installed() = std::move(store);
}

SettingsStore& ProcessSettingsStore() { return *Installed(); }

}
