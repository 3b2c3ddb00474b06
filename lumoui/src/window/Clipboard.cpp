#include <lumoui/Clipboard.h>

#include "window/WindowSystemImpl.h"

namespace LumoUI {

// The backend owns the clipboard: the desktop's through SDL, or the
// in-memory backend's own text in tests.
bool MClipboard::SetText(CString const& text) { return WindowSystem::Get().GetBackend().SetClipboardText(text); }

CString MClipboard::GetText() { return WindowSystem::Get().GetBackend().ClipboardText(); }

}
