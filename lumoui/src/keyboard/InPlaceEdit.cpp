#include "keyboard/InPlaceEdit.h"

#include <lumoui/MEdit.h>
#include <lumoui/Messages.h>
#include <lumoui/PaintManager.h>
#include <lumoui/Panel.h>

namespace LumoUI {

namespace {
constexpr unsigned kEndCheckTimer = 1;
constexpr unsigned kEndCheckDelayMs = 1;
}

InPlaceEdit::InPlaceEdit(MPanel& list, unsigned editId)
    : m_list(list)
    , m_edit_id(editId)
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
    m_end_pending = false;
    if (PaintManager* manager = m_list.GetManager())
        manager->SetFocusControl(m_edit);
    m_active = true;
}

CString InPlaceEdit::Finish()
{
    if (m_edit == nullptr)
        return {};
    m_active = false;
    m_end_pending = false;
    CString const text = m_edit->GetEditText();
    m_edit->SetVisible(0);
    // An empty rectangle keeps the hidden edit out of the list's content size.
    m_edit->SetControlRect(CRect());
    PaintManager* manager = m_list.GetManager();
    if (manager != nullptr) {
        manager->KillTimer(&m_list, kEndCheckTimer);
        if (manager->GetFocusControl() == m_edit)
            manager->SetFocusControl(nullptr);
    }
    return text;
}

bool InPlaceEdit::OnChildMessage(unsigned id, unsigned code)
{
    if (m_edit == nullptr || id != m_edit->GetControlID())
        return false;
    if (!m_active)
        return true;
    if (code == NOTIFY_EDITEND)
        ScheduleEndCheck();
    else if (code == NOTIFY_EDITSHOW)
        m_end_pending = false; // the press was inside the edit: it has the focus again
    return true;
}

void InPlaceEdit::ScheduleEndCheck()
{
    if (!m_active)
        return;
    m_end_pending = true;
    if (PaintManager* manager = m_list.GetManager())
        manager->SetTimer(&m_list, kEndCheckTimer, kEndCheckDelayMs);
}

bool InPlaceEdit::OnTimer()
{
    if (PaintManager* manager = m_list.GetManager())
        manager->KillTimer(&m_list, kEndCheckTimer);
    bool const end = m_active && m_end_pending && !m_edit->IsFocused();
    m_end_pending = false;
    return end;
}

}
