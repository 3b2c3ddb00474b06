#pragma once

#include <string>

namespace Tessera {

class SettingsStore;

// The user-interface language as a Windows language identifier (LCID), the
// numbers the language files and the settings store use (2052 Chinese
// (Simplified), 1033 English (United States), 1031 German, ...).

// The identifier of a POSIX locale name such as "zh_CN.UTF-8" or "de_AT":
// language and territory when the pair is known, else the language's main
// identifier; "C", "POSIX", empty and unknown languages give 1033.
int LanguageIdFromLocale(std::string const& locale);

// The user's language from LC_ALL, LC_MESSAGES and LANG (the first that is
// set and not empty), like the desktop's own message catalogues choose it.
int GetUserDefaultUILanguage();

// The current language identifier of this run (initially 2052). Set once by
// start-up and by the settings page; read from any thread.
int GetCurrentLanguageId();
void SetCurrentLanguageId(int languageId);

// Settles the language at start-up: a stored "LCID" becomes the current
// language; with none stored (first run, or a value that is not a number)
// `systemLanguage` is used for this run and 2052 is stored when it is 2052,
// 1033 otherwise. Returns the current language identifier, which is also
// set as the current one.
int SettleLanguage(SettingsStore& store, int systemLanguage);

}
