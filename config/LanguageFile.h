#pragma once

#include <string>
#include <string_view>

namespace Tessera {

// Language identifiers the program offers.
constexpr int kLanguageEnglish = 1033;
constexpr int kLanguageChineseSimplified = 2052;

// The section that holds every text of the program.
inline constexpr wchar_t kDialogSection[] = L"KB.DIALOG";

// The longest text a lookup returns; longer texts are cut.
constexpr size_t kMaxLanguageTextLength = 259;

// Where the texts come from: the program folder and the language currently
// chosen. The application implements it over its settings; it is asked at
// every lookup, so a change of language shows at once.
class LanguageSource {
public:
    virtual ~LanguageSource() = default;
    virtual std::wstring ProgramFolder() const = 0;
    virtual int LanguageId() const = 0;
};

// "<program folder>/language/<id>.lan".
std::wstring LanguageFilePath(std::wstring const& programFolder, int languageId);

// The text `number` of `section` in the current language file; empty when the
// file, the section or the key is missing. Files are cached and re-read when
// they change on disk. Thread: any.
std::wstring GetLangText(LanguageSource const& source, std::wstring_view section, int number);

// The process-wide source used by the short form; set once at start-up
// (null clears it). The object must outlive every lookup.
void SetLanguageSource(LanguageSource const* source);
std::wstring GetLangText(std::wstring_view section, int number);

}
