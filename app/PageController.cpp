#include "app/PageController.h"

#include "app/LanguageTexts.h"
#include "app/MainWindowIds.h"

#include <lumoui/MText.h>

namespace Tessera {

using namespace LumoUI;

namespace {

// Above the keyboard pictures, which the layout files place from y 150.
constexpr int kTitleHeight = 20;
constexpr ARGB kTitleColor = 0xFF8FA3B8;

}

PageController::PageController(unsigned containerId, int titleText)
    : m_containerId(containerId)
    , m_titleText(titleText)
{
}

void PageController::Build(MPanel& layout)
{
    m_container = dynamic_cast<MPanel*>(layout.CreateControl(L"MTabLayout", m_containerId, layout.GetRect(), L"", 0, 1));
    if (!m_container)
        return;
    // A page takes no clicks of its own, so its empty parts drag the window.
    m_container->SetRresponse(0);
    if (m_titleText > 0) {
        std::wstring text = DialogText(m_titleText);
        m_title = dynamic_cast<MControlFont*>(m_container->CreateControl(L"MText", m_containerId + kIdPageTitleOffset, CRect(), text.c_str(), 1, 1));
        if (m_title) {
            m_title->SetFontWidth(14);
            m_title->SetFontStyle(FontStyleBold);
            m_title->SetTextColor(kTitleColor);
        }
    }
    BuildContent(*m_container);
}

void PageController::Place(CRect area)
{
    if (!m_container)
        return;
    m_container->SetControlRect(area);
    if (m_title)
        m_title->SetControlRect(CRect(area.left + 8, area.top, area.right - 8, area.top + kTitleHeight));
    if (m_picture && !m_pictureRect.IsRectEmpty())
        m_picture->SetControlRect(m_pictureRect);
    LayoutContent(CRect(area.left, area.top + kTitleHeight, area.right, area.bottom));
}

void PageController::ReloadTexts()
{
    if (m_title && m_titleText > 0)
        m_title->SetTitle(DialogText(m_titleText));
}

void PageController::ClearKeyboardPicture()
{
    m_keys.clear();
    if (m_picture)
        m_picture->SetVisible(0);
}

void PageController::SetKeyboardPicture(CRect rect, std::wstring const& image)
{
    if (!m_container)
        return;
    if (!m_picture) {
        m_picture = dynamic_cast<MPicture*>(m_container->CreateControl(L"MPicture", m_containerId + kIdPagePictureOffset, rect, L"", 1, 1));
        if (!m_picture)
            return;
        m_picture->SetRresponse(0);
    }
    m_pictureRect = rect;
    m_picture->SetControlRect(rect);
    m_picture->SetImage(image.c_str(), 1);
    m_picture->SetVisible(1);
}

}
