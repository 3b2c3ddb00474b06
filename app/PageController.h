#pragma once

#include "app/NotificationTable.h"
#include "config/KeyboardModel.h"

#include <lumoui/Dialog.h>
#include <lumoui/MPicture.h>
#include <lumoui/Panel.h>

#include <vector>

namespace Tessera {

// One page of the main window's tab layout: a container that the tab bar
// shows and hides, with the page's title. The main window owns one
// controller per page and hands each the page's share of the window's work:
// building its controls, placing them for a client size, reloading its texts
// and its rows of the notification table. Window thread only.
class PageController {
public:
    PageController(unsigned containerId, int titleText);
    virtual ~PageController() = default;
    PageController(PageController const&) = delete;
    PageController& operator=(PageController const&) = delete;

    // Creates the container inside the tab layout, then the page's controls.
    void Build(LumoUI::MPanel& layout);
    // Places the container on `area` (window coordinates) and lays the page out.
    void Place(LumoUI::CRect area);
    // Sets every text of the page again in the current language.
    virtual void ReloadTexts();
    virtual void AddNotifications(NotificationTable&) { }
    // Fills the page again from the database (after a profile switch or the
    // keyboard's reset).
    virtual void ReloadFromStore() { }

    // The model's keyboard picture, for pages that show one (page flag of
    // the model load); `rect` is in window coordinates.
    virtual void ClearKeyboardPicture();
    virtual void SetKeyboardPicture(LumoUI::CRect rect, std::wstring const& image);
    virtual void AddKeyItem(KeyItem const& item) { m_keys.push_back(item); }
    std::vector<KeyItem> const& KeyItems() const { return m_keys; }

    LumoUI::MPanel* Container() const { return m_container; }
    unsigned ContainerId() const { return m_containerId; }
    int TitleText() const { return m_titleText; }

protected:
    // The page's own controls, created in the container.
    virtual void BuildContent(LumoUI::MPanel&) { }
    // The page's own placement inside `area`, below its title.
    virtual void LayoutContent(LumoUI::CRect) { }

    LumoUI::MPanel* m_container { nullptr };
    LumoUI::MControlFont* m_title { nullptr };
    LumoUI::MPicture* m_picture { nullptr };
    LumoUI::CRect m_pictureRect;

private:
    unsigned m_containerId;
    int m_titleText;
    std::vector<KeyItem> m_keys;
};

}
