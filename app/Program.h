#pragma once

namespace Tessera {

// The whole program behind main(): command line, start-up, main window.
int RunProgram(int argc, char const* const* argv);

}
