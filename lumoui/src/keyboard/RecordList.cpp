// CRecordList rows; input, delay editing and drawing are in RecordListView.cpp.
#include <lumoui/RecordList.h>

#include <lumoui/ControlFactory.h>
#include <lumoui/Manager.h>

#include "keyboard/InPlaceEdit.h"
#include "keyboard/ListLogic.h"
#include "keyboard/ListRows.h"

#include <algorithm>

namespace LumoUI {

LUMOUI_REGISTER_CONTROL(CRecordList, L"CRecordList", FactoryPanel,
    [](ControlArgs const& args) { return std::make_unique<CRecordList>(args.visible); });


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
    ListLogic<CRecordList>::ContentChanged(*this, ListScroll::ToEnd);
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
    return ListLogic<CRecordList>::DeleteItem(*this, index);
}

int CRecordList::DeleteAllItems()
{
    return ListLogic<CRecordList>::DeleteAllItems(*this);
}

int CRecordList::GetItemCount()
{
    return ListLogic<CRecordList>::Count(*this);
}

int CRecordList::SetCurSel(int index)
{
    return ListLogic<CRecordList>::SetCurSel(*this, index);
}

void CRecordList::SetItemHeight(int height)
{
    if (height <= 0)
        return;
    m_row_height = height;
    ListLogic<CRecordList>::ContentChanged(*this, ListScroll::Keep);
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
