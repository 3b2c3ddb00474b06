#include "app/MacroPage.h"

#include "app/MainWindowIds.h"

namespace Tessera {

MacroPage::MacroPage()
    : PageController(kIdPageMacros, kTextTabMacros)
{
}

}
