#pragma once

#include "config/LanguageFile.h"

#include <string>

namespace Tessera {

// Text `number` of section "KB.DIALOG" in the current language.
inline std::wstring DialogText(int number) { return GetLangText(kDialogSection, number); }

// The program's language source: the program folder and the language of
// this run (GetCurrentLanguageId, which the settings page changes).
class ProgramLanguageSource final : public LanguageSource {
public:
    explicit ProgramLanguageSource(std::wstring programFolder) : m_programFolder(std::move(programFolder)) { }
    std::wstring ProgramFolder() const override { return m_programFolder; }
    int LanguageId() const override;

private:
    std::wstring m_programFolder;
};

}
