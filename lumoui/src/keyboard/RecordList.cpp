// CRecordList rows; input, delay editing and drawing are in RecordListView.cpp.
#include <lumoui/RecordList.h>

#include <lumoui/ControlFactory.h>
#include <lumoui/Manager.h>

#include "keyboard/InPlaceEdit.h"
#include "keyboard/ListRows.h"

#include <algorithm>

namespace LumoUI {

LUMOUI_REGISTER_CONTROL(CRecordList, L"CRecordList", FactoryPanel,
    [](ControlArgs const& args) { return std::make_unique<CRecordList>(args.visible); });

namespace {

void ContentChanged(CRecordList& list, ListScroll scroll)
{
    SetListContent(list, list.GetItemHeight(), list.GetItemCount(), scroll);
    list.SetUpdate(0, 0);
    list.UpdateControl(1, 0);
}

}

CRecordList::CRecordList(int visible)
    : MPanel(visible, 1)
    , m_hover_color(Manager::GetSelectColor())
    , m_select_color(Manager::GetSelectColor())
{
}

CRecordList::~CRecordList() = default;

int CRecordList::AddString(CString const& text, int action, int keyCode, int delay)
{
    int index = 0;
    {
        std::lock_guard lock(m_lock);
        auto item = std::make_unique<RecordItem>();
        item->text = text;
        item->action = action;
        item->key_code = keyCode;
        item->delay = delay;
        m_items.push_back(std::move(item));
        index = static_cast<int>(m_items.size()) - 1;
    }
    ContentChanged(*this, ListScroll::ToEnd);
    return index;
}

bool CRecordList::UpdateDelayTime(int delay)
{
    {
        std::lock_guard lock(m_lock);
        if (m_items.empty())
            return false;
        m_items.back()->delay = delay;
    }
    UpdateControl(1, 0);
    return true;
}

std::vector<RecordItem*> CRecordList::GetRecordItems()
{
    std::lock_guard lock(m_lock);
    std::vector<RecordItem*> items;
    items.reserve(m_items.size());
    for (auto const& item : m_items)
        items.push_back(item.get());
    return items;
}

int CRecordList::DeleteItem(int index)
{
    HideEdit();
    {
        std::lock_guard lock(m_lock);
        if (index < 0 || index >= static_cast<int>(m_items.size()))
            return 0;
        m_items.erase(m_items.begin() + index);
    }
    m_hover = -1;
    m_selected = -1;
    ContentChanged(*this, ListScroll::Keep);
    return 1;
}

int CRecordList::DeleteAllItems()
{
    HideEdit();
    {
        std::lock_guard lock(m_lock);
        m_items.clear();
    }
    m_hover = -1;
    m_selected = -1;
    ContentChanged(*this, ListScroll::ToTop);
    return 1;
}

int CRecordList::GetItemCount()
{
    std::lock_guard lock(m_lock);
    return static_cast<int>(m_items.size());
}

int CRecordList::SetCurSel(int index)
{
    if (index < -1 || index >= GetItemCount())
        return 0;
    if (index != m_selected) {
        if (m_edit_index >= 0 && index != m_edit_index)
            HideEdit();
        m_selected = index;
        UpdateControl(1, 0);
    }
    return 1;
}

void CRecordList::SetItemHeight(int height)
{
    if (height <= 0)
        return;
    m_row_height = height;
    ContentChanged(*this, ListScroll::Keep);
}

int CRecordList::SwapItem(int a, int b)
{
    HideEdit();
    std::lock_guard lock(m_lock);
    int const size = static_cast<int>(m_items.size());
    if (a < 0 || b < 0 || a >= size || b >= size || a == b)
        return 0;
    std::swap(m_items[static_cast<size_t>(a)], m_items[static_cast<size_t>(b)]);
    return 1;
}

void CRecordList::SetControlRect(CRect rc)
{
    MPanel::SetControlRect(rc);
    SetListContent(*this, m_row_height, GetItemCount(), ListScroll::Keep);
}

}
