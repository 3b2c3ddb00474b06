#include "app/KeysPage.h"

#include "app/MainWindowIds.h"

namespace Tessera {

KeysPage::KeysPage()
    : PageController(kIdPageKeys, kTextTabKeys)
{
}

}
