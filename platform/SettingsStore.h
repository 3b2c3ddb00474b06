#pragma once

#include <memory>
#include <optional>
#include <string>

namespace Tessera {

// The per-user store of the program's few settings ("LCID", "exit_mode"):
// one store per device name, values are decimal text. The interface mirrors
// a registry key: it can be missing (and then created), unreadable, or open.
//
// Implementations: IniSettingsStore (a settings file), MemorySettingsStore
// (tests). Implementations are safe to call from any thread.
class SettingsStore {
public:
    enum class State { Open, Missing, Unreadable };

    virtual ~SettingsStore() = default;

    // Whether the store exists and can be read now.
    virtual State Probe() = 0;
    // Creates an empty store when it is missing; true when it exists afterwards.
    virtual bool Create() = 0;
    // A value of an open store; std::nullopt when absent or the store is not open.
    virtual std::optional<std::wstring> ReadValue(std::wstring const& name) = 0;
    // Stores a value in an existing store; false when the store does not
    // exist, cannot be written, or the name or value cannot be stored.
    virtual bool WriteValue(std::wstring const& name, std::wstring const& value) = 0;
};

// The settings operations of the program, with the fall-backs every caller
// relies on:
//  - GetLanguageId: the "LCID" value; 0 when it is missing or not a number;
//    a missing store is created (0 when that works, 2052 when it fails); an
//    unreadable store gives 2052.
//  - SetLanguageId: stores "LCID"; nothing happens when the store is not there.
//  - GetRegInt: a value as a number; a missing store is created; 0 when the
//    store was missing or unreadable or the value is absent or not a number.
//  - SetRegString: stores a text value; a missing store is not created.
int GetLanguageId(SettingsStore& store);
void SetLanguageId(SettingsStore& store, int languageId);
int GetRegInt(SettingsStore& store, std::wstring const& name);
void SetRegString(SettingsStore& store, std::wstring const& name, std::wstring const& value);

// The same operations on the process-wide store that start-up installs. Until
// one is installed they behave as on an unreadable store.
int GetLanguageId();
void SetLanguageId(int languageId);
int GetRegInt(std::wstring const& name);
void SetRegString(std::wstring const& name, std::wstring const& value);

// Installs the process-wide store. Called once by start-up before other
// threads exist; the store lives until the process ends.
void InstallSettingsStore(std::unique_ptr<SettingsStore> store);
SettingsStore& ProcessSettingsStore();

// Decimal value of a stored text as the settings read it: leading blanks and a
// sign allowed, reading stops at the first non-digit, no digits give 0,
// values beyond int are clamped.
int DecimalValue(std::wstring const& text);

}
