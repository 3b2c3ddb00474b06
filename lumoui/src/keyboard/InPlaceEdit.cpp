#include "keyboard/InPlaceEdit.h"

#include <lumoui/MEdit.h>
#include <lumoui/Messages.h>
#include <lumoui/PaintManager.h>
#include <lumoui/Panel.h>

namespace LumoUI {

InPlaceEdit::InPlaceEdit(MPanel& list, unsigned editId, std::function<void()> onEnd)
    : m_list(list)
    , m_edit_id(editId)
    , m_on_end(std::move(onEnd))
{
}

void InPlaceEdit::Begin(CRect rect, CString const& text)
{
    if (m_edit == nullptr) {
        auto edit = std::make_unique<MEdit>(L"", 0, 1);
        edit->SetControlID(m_edit_id);
        m_edit = static_cast<MEdit*>(m_list.AddChildControl(std::move(edit)));
    }
    m_edit->SetControlRect(rect);
    m_edit->SetEditText(text);
    m_edit->SetVisible(1);
    if (PaintManager* manager = m_list.GetManager())
        manager->SetFocusControl(m_edit);
    m_active = true;
}

CString InPlaceEdit::Finish()
{
    if (m_edit == nullptr)
        return {};
    m_active = false;
    CString const text = m_edit->GetEditText();
    m_edit->SetVisible(0);
    // An empty rectangle keeps the hidden edit out of the list's content size.
    m_edit->SetControlRect(CRect());
    PaintManager* manager = m_list.GetManager();
    if (manager != nullptr && manager->GetFocusControl() == m_edit)
        manager->SetFocusControl(nullptr);
    return text;
}

bool InPlaceEdit::OnChildMessage(unsigned id, unsigned code)
{
    if (m_edit == nullptr || id != m_edit->GetControlID())
        return false;
    if (m_active && code == NOTIFY_EDITEND && m_on_end)
        m_on_end();
    return true;
}

}
