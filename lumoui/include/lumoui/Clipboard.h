#pragma once

#include <lumoui/Export.h>
#include <lumoui/Types.h>

namespace LumoUI {

// The desktop clipboard as plain text. With the desktop window system the
// system clipboard is used; with the in-memory window system (tests) a
// process-local text stands in for it. Window thread only.
class LUMOUI_API MClipboard {
public:
    MClipboard() = delete;
    // False when the clipboard could not be written.
    static bool SetText(CString const& text);
    // Empty when the clipboard holds no text.
    static CString GetText();
};

}
