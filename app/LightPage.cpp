#include "app/LightPage.h"

#include "app/MainWindowIds.h"

namespace Tessera {

LightPage::LightPage()
    : PageController(kIdPageLighting, kTextTabLighting)
{
}

}
