#include <lumoui/WindowSystem.h>

// Every test runs on the in-memory backend, also on machines with a display.
static bool const s_headless = (LumoUI::UseHeadlessBackend(), true);
