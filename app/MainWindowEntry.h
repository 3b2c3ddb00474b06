#pragma once

#include "app/Startup.h"

namespace Tessera {

// Runs the program after start-up: creates the main window, installs its
// handler on `startup.instance->Inbox()` and runs it until the user quits.
// Returns the process exit code.
int RunMainWindow(StartupResult& startup);

}
