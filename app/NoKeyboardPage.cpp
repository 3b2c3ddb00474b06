#include "app/NoKeyboardPage.h"

#include "app/LanguageTexts.h"
#include "app/MainWindowIds.h"

#include <lumoui/MText.h>

namespace Tessera {

using namespace LumoUI;

NoKeyboardPage::NoKeyboardPage()
    : PageController(kIdPageNoKeyboard, 0)
{
}

void NoKeyboardPage::BuildContent(MPanel& container)
{
    std::wstring text = DialogText(kTextStatusNoKeyboard);
    auto* message = dynamic_cast<MText*>(container.CreateControl(L"MText", kIdMessage, CRect(), text.c_str(), 1, 1));
    if (!message)
        return;
    message->SetFontWidth(18);
    message->SetTextColor(0xFFC8D2DE);
    message->SetAlignment(DT_CENTER, DT_VCENTER);
    message->SetWordBreak(true);
    m_message = message;
}

void NoKeyboardPage::LayoutContent(CRect area)
{
    if (!m_message)
        return;
    int const width = std::min(area.Width() - 80, 760);
    int const left = area.left + (area.Width() - width) / 2;
    int const top = area.top + area.Height() / 2 - 90;
    m_message->SetControlRect(CRect(left, top, left + width, top + 120));
}

void NoKeyboardPage::ReloadTexts()
{
    PageController::ReloadTexts();
    if (m_message)
        m_message->SetTitle(DialogText(kTextStatusNoKeyboard));
}

}
