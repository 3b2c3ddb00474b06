#pragma once

#include <lumoui/Types.h>

#include <functional>
#include <vector>

namespace Tessera {

// The main window's control-notification table. A row covers one control id
// or a range of ids and names the notification code its handler runs for
// (or any code). A notification whose id has a row is handled (result 1),
// whether or not the code matched; an id without a row gives 0. Feature
// pages add their rows while the window is built. Window thread only.
class NotificationTable {
public:
    static constexpr unsigned kAnyCode = ~0u;
    using Handler = std::function<void(unsigned id, unsigned code, LumoUI::WPARAM wParam, LumoUI::LPARAM lParam)>;

    // Rows are looked up in the order they were added; the first row whose
    // range holds the id decides.
    void Add(unsigned firstId, unsigned lastId, unsigned code, Handler handler);
    void Add(unsigned id, unsigned code, Handler handler) { Add(id, id, code, std::move(handler)); }
    bool Handles(unsigned id) const;
    LumoUI::LRESULT Dispatch(unsigned id, unsigned code, LumoUI::WPARAM wParam, LumoUI::LPARAM lParam) const;

private:
    struct Row {
        unsigned firstId;
        unsigned lastId;
        unsigned code;
        Handler handler;
    };
    Row const* Find(unsigned id) const;

    std::vector<Row> m_rows;
};

}
