#pragma once

#include <string>
#include <string_view>
#include <sys/types.h>

namespace Tessera {

// Replaces the file at `path` (native bytes) with `bytes`: the data goes to a
// temporary file beside it, is flushed to disk and then renamed over the old
// file, so a crash leaves either the old or the new contents, never a mix.
// False, with the old file untouched, when any step fails.
bool WriteFileAtomically(std::string const& path, std::string_view bytes, mode_t mode = 0600);

}
