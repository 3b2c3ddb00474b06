#include "app/SettingsPage.h"

#include "app/MainWindowIds.h"

namespace Tessera {

SettingsPage::SettingsPage()
    : PageController(kIdPageSettings, kTextTabSettings)
{
}

}
