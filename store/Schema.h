#pragma once

#include <array>

namespace Tessera {

// The statements that give a new database file its nine tables and eight
// indexes, in the order they run. The texts are part of the file format:
// other programs compare sqlite_master against them.
extern std::array<char const*, 17> const kSchemaStatements;

}
