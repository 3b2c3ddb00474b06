// DListBox entries; input, renaming and drawing are in DListBoxView.cpp.
#include <lumoui/DListBox.h>

#include <lumoui/ControlFactory.h>
#include <lumoui/Manager.h>
#include <lumoui/PaintManager.h>

#include "keyboard/InPlaceEdit.h"
#include "keyboard/ListLogic.h"
#include "keyboard/ListRows.h"

#include <algorithm>

namespace LumoUI {

LUMOUI_REGISTER_CONTROL(DListBox, L"DListBox", FactoryPanel,
    [](ControlArgs const& args) { return std::make_unique<DListBox>(args.visible); });

DListBox::DListBox(int visible)
    : MPanel(visible, 1)
    , m_hover_color(Manager::GetSelectColor())
    , m_select_color(Manager::GetSelectColor())
{
}

DListBox::~DListBox() = default;


int DListBox::AddString(wchar_t const* text, long data, int image)
{
    HideEdit();
    int index = 0;
    {
        std::lock_guard lock(m_lock);
        m_items.push_back({ text ? text : L"", image, data });
        index = static_cast<int>(m_items.size()) - 1;
    }
    ListLogic<DListBox>::ContentChanged(*this, ListScroll::ToEnd);
    return index;
}

int DListBox::AddString(wchar_t const* text, int image)
{
    return AddString(text, 0L, image);
}

int DListBox::InsertString(int index, wchar_t const* text, int image, long data)
{
    HideEdit();
    int count = 0;
    {
        std::lock_guard lock(m_lock);
        int const size = static_cast<int>(m_items.size());
        if (index < -1 || index >= size)
            return -1;
        DListItem item { text ? text : L"", image, data };
        if (index == -1)
            m_items.push_back(std::move(item));
        else
            m_items.insert(m_items.begin() + index, std::move(item));
        count = static_cast<int>(m_items.size());
    }
    if (index >= 0 && m_selected >= index)
        ++m_selected;
    m_hover = -1;
    ListLogic<DListBox>::ContentChanged(*this, ListScroll::Keep);
    return count - 1;
}

int DListBox::AddItem(wchar_t const* text, long data)
{
    HideEdit();
    int index = 0;
    {
        std::lock_guard lock(m_lock);
        m_items.push_back({ text ? text : L"", -1, data });
        index = static_cast<int>(m_items.size()) - 1;
    }
    ListLogic<DListBox>::ContentChanged(*this, ListScroll::ToTop);
    return index;
}

int DListBox::DeleteItem(int index)
{
    return ListLogic<DListBox>::DeleteItem(*this, index);
}

int DListBox::DeleteAllItems()
{
    return ListLogic<DListBox>::DeleteAllItems(*this);
}

int DListBox::GetItemCount()
{
    return ListLogic<DListBox>::Count(*this);
}

int DListBox::SetCurSel(int index)
{
    return ListLogic<DListBox>::SetCurSel(*this, index);
}

long DListBox::GetItemData(int index)
{
    std::lock_guard lock(m_lock);
    if (index < 0 || index >= static_cast<int>(m_items.size()))
        return 0;
    return m_items[static_cast<size_t>(index)].data;
}

int DListBox::SetItemData(int index, long data)
{
    std::lock_guard lock(m_lock);
    if (index < 0 || index >= static_cast<int>(m_items.size()))
        return 0;
    m_items[static_cast<size_t>(index)].data = data;
    return 1;
}

int DListBox::FindItemData(long data)
{
    std::lock_guard lock(m_lock);
    auto it = std::find_if(m_items.begin(), m_items.end(), [data](DListItem const& item) { return item.data == data; });
    return it == m_items.end() ? -1 : static_cast<int>(it - m_items.begin());
}

int DListBox::FindString(wchar_t const* text)
{
    if (text == nullptr)
        return -1;
    std::lock_guard lock(m_lock);
    auto it = std::find_if(m_items.begin(), m_items.end(), [text](DListItem const& item) { return item.text == text; });
    return it == m_items.end() ? -1 : static_cast<int>(it - m_items.begin());
}

int DListBox::GetCurData()
{
    return m_selected >= 0 ? static_cast<int>(GetItemData(m_selected)) : 0;
}

int DListBox::SetCurData(long data)
{
    int const index = FindItemData(data);
    if (index >= 0)
        SetCurSel(index);
    return index;
}

CString DListBox::GetItemText(int index)
{
    std::lock_guard lock(m_lock);
    if (index < 0 || index >= static_cast<int>(m_items.size()))
        return {};
    return m_items[static_cast<size_t>(index)].text;
}

int DListBox::ModifyItemString(int index, wchar_t const* text)
{
    std::lock_guard lock(m_lock);
    if (index < 0 || index >= static_cast<int>(m_items.size()))
        return 0;
    m_items[static_cast<size_t>(index)].text = text ? text : L"";
    return 1;
}

CRect DListBox::GetItemRect(int index)
{
    int const count = GetItemCount();
    if (index < 0 || index >= count)
        return {};
    return ListRows::Of(*this, m_row_height, count).RowRect(index);
}

int DListBox::SwapItem(int a, int b)
{
    HideEdit();
    std::lock_guard lock(m_lock);
    int const size = static_cast<int>(m_items.size());
    if (a < 0 || b < 0 || a >= size || b >= size || a == b)
        return 0;
    std::swap(m_items[static_cast<size_t>(a)], m_items[static_cast<size_t>(b)]);
    return 1;
}

void DListBox::SetItemHeight(int height)
{
    if (height <= 0)
        return;
    m_row_height = height;
    SetListContent(*this, m_row_height, GetItemCount(), ListScroll::Keep);
    UpdateControl(1, 0);
}

void DListBox::SetEditImage(wchar_t const* file, int frames)
{
    if (file == nullptr || m_manager == nullptr)
        return;
    if (ImgResInfo* info = m_manager->AddImgResInfo(file, std::max(frames, 1))) {
        m_edit_image = info->image;
        m_edit_frame = { info->frame_width, info->frame_height };
    }
}

void DListBox::SetControlRect(CRect rc)
{
    MPanel::SetControlRect(rc);
    SetListContent(*this, m_row_height, GetItemCount(), ListScroll::Keep);
}

}
