#include <lumoui/ControlFactory.h>
#include <lumoui/MText.h>

namespace LumoUI {

MText::MText(CString const& title, int visible)
    : MControlFont(visible, 0)
{
    m_title = title;
}

void MText::SetControlEnabled(int)
{
    m_enabled = 0;
}

void MText::SetWordBreak(bool on)
{
    if (m_word_break == on)
        return;
    m_word_break = on;
    UpdateControl(1, 0);
}

void MText::DrawControl(MGraphics& g, CRect)
{
    if (m_title.empty())
        return;
    unsigned format = m_halign | m_valign;
    if (m_word_break || m_title.find(L'\n') != CString::npos)
        format |= DT_WORDBREAK;
    // Text is drawn straight into the window buffer: a cached face would
    // keep the pixels of whatever lay below when the background changes.
    g.DrawText(m_title, m_rect, GetFont(), m_text_color, format);
}

LUMOUI_REGISTER_CONTROL(MText, L"MText", FactoryBoth,
    [](ControlArgs const& a) { return std::make_unique<MText>(a.title, a.visible); });

}
