#pragma once

#include <lumoui/Types.h>

#include <functional>
#include <map>
#include <optional>

namespace Tessera {

// The main window's window-message table: one handler per message number.
// Feature pages add their rows while the window is built; the window looks
// messages up before the toolkit's default processing. Window thread only.
class WindowMessageTable {
public:
    using Handler = std::function<LumoUI::LRESULT(LumoUI::WPARAM, LumoUI::LPARAM)>;

    // Adds or replaces the row of `message`.
    void Add(unsigned message, Handler handler);
    bool Handles(unsigned message) const;
    // The handler's result, or std::nullopt when the table has no row for
    // the message (the caller then passes it on).
    std::optional<LumoUI::LRESULT> Dispatch(unsigned message, LumoUI::WPARAM wParam, LumoUI::LPARAM lParam) const;

private:
    std::map<unsigned, Handler> m_rows;
};

}
