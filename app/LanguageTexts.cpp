#include "app/LanguageTexts.h"

#include "platform/UiLanguage.h"

namespace Tessera {

int ProgramLanguageSource::LanguageId() const { return GetCurrentLanguageId(); }

}
