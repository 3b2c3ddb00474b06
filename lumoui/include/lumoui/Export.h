#pragma once

// Symbols of liblumoui that the program may use carry LUMOUI_API; everything
// else stays hidden inside the shared library.
#if defined(LUMOUI_BUILDING)
#    define LUMOUI_API __attribute__((visibility("default")))
#else
#    define LUMOUI_API
#endif
