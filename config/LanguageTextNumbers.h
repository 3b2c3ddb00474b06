#pragma once

#include <vector>

namespace Tessera {

// Every number of section "KB.DIALOG" that the program's own code shows
// (captions, tooltips, list entries, messages). Light-mode names are not
// listed: the layout files name them. Both shipped language files must hold
// a text for each; a test checks it.
std::vector<int> const& ProgramTextNumbers();

}
