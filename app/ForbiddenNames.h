#pragma once

#include <string>
#include <vector>

namespace Tessera {

// Words that profile and macro names may not contain: 15 entries, six of
// lower-case Latin letters and nine of one or two Chinese characters.
// FillForbiddenNames sets the list up (main window start-up); the list
// is read-only afterwards.
void FillForbiddenNames();
std::vector<std::wstring> const& ForbiddenNames();
// True when the lower-cased name contains any entry.
bool ContainsForbiddenWord(std::wstring const& name);

}
