// CRecordList input, in-place delay editing and drawing.
#include <lumoui/RecordList.h>

#include <lumoui/Graphics.h>
#include <lumoui/MEdit.h>
#include <lumoui/Messages.h>
#include <lumoui/PaintManager.h>

#include "keyboard/InPlaceEdit.h"
#include "keyboard/ListLogic.h"
#include "keyboard/ListRows.h"

#include <algorithm>
#include <optional>

namespace LumoUI {

namespace {
constexpr unsigned kEditId = 0x7FFF0D12; // the list's own edit child
constexpr int kDelayColumn = 2;
constexpr int kEditInsetY = 4;
constexpr int kMaxDelayDigits = 9; // keeps the value inside an int

struct Column {
    int x;
    int width;
};
constexpr Column kColumns[] = { { 0, 160 }, { 180, 100 }, { 300, 120 } };

CString ActionText(int action)
{
    switch (action) {
    case RECORD_ACTION_KEYDOWN: return L"Key Down";
    case RECORD_ACTION_KEYUP: return L"Key Up";
    default: return {};
    }
}

// The delay typed into the edit; nothing for an empty or too long entry.
std::optional<int> ParseDelay(CString const& text)
{
    if (text.empty() || text.size() > static_cast<size_t>(kMaxDelayDigits))
        return std::nullopt;
    int value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9')
            return std::nullopt;
        value = value * 10 + (c - L'0');
    }
    return value;
}

}

CRect CRecordList::ColumnRect(CRect row, int column)
{
    Column const& c = kColumns[std::clamp(column, 0, 2)];
    return { row.left + c.x, row.top, row.left + c.x + c.width, row.bottom };
}

int CRecordList::RowAt(CPoint pt)
{
    return ListLogic<CRecordList>::RowAt(*this, pt);
}

// ---- mouse ----

int CRecordList::OnControlMouseMove(unsigned, CPoint pt)
{
    return ListLogic<CRecordList>::MouseMove(*this, pt);
}

int CRecordList::OnControlLButtonDown(unsigned, CPoint pt)
{
    return ListLogic<CRecordList>::LButtonDown(*this, pt);
}

int CRecordList::OnControlRButtonUp(unsigned, CPoint pt)
{
    return ListLogic<CRecordList>::RButtonUp(*this, pt);
}

// ---- delay editing ----

MEdit* CRecordList::GetEditControl() const
{
    return m_in_place ? m_in_place->Edit() : nullptr;
}

void CRecordList::ShowEdit()
{
    int const count = GetItemCount();
    if (!IsEnabled() || m_selected < 0 || m_selected >= count || m_manager == nullptr)
        return;
    HideEdit();
    int const index = m_selected;
    if (!m_in_place)
        m_in_place = std::make_unique<InPlaceEdit>(*this, kEditId, [this] { HideEdit(); });

    ListRows const rows = ListRows::Of(*this, m_row_height, count);
    CRect const row = rows.RowRect(index);
    if (row.top < m_rect.top || row.bottom > m_rect.bottom)
        ScrollToY(index * m_row_height);
    CRect cell = ColumnRect(rows.ContentRowRect(index), kDelayColumn);
    cell.DeflateRect(0, kEditInsetY);
    int delay = 0;
    {
        std::lock_guard lock(m_lock);
        delay = m_items[static_cast<size_t>(index)]->delay;
    }
    m_in_place->Begin(cell, std::to_wstring(delay));
    MEdit* edit = m_in_place->Edit();
    edit->SetNumberOnly(true);
    edit->SetLimitText(kMaxDelayDigits);
    edit->SetTextColor(m_text_color);
    edit->SetFontWidth(m_font_size);
    m_edit_index = index;
    m_focused = 1;
    UpdateControl(1, 0);
}

void CRecordList::HideEdit()
{
    ListLogic<CRecordList>::EndEdit(*this, [](std::unique_ptr<RecordItem>& item, CString const& text) {
        std::optional<int> const delay = ParseDelay(text);
        if (!delay || item->delay == *delay)
            return false;
        item->delay = *delay;
        return true;
    });
}

LRESULT CRecordList::OnMessage(unsigned id, unsigned code, WPARAM wParam, LPARAM lParam)
{
    if (ListLogic<CRecordList>::SwallowEditMessage(*this, id, code))
        return 1;
    return MPanel::OnMessage(id, code, wParam, lParam);
}

void CRecordList::DrawControl(MGraphics& g, CRect)
{
    DrawCached(g, [this](MGraphics& face) { Paint(face); });
}

void CRecordList::Paint(MGraphics& g)
{
    g.SetAntialias(true);
    g.Save();
    g.ClipRect(m_rect);
    MFont const font = GetFont();
    unsigned const format = DT_CENTER | DT_VCENTER;
    std::lock_guard lock(m_lock);
    ListRows const rows = ListRows::Of(*this, m_row_height, static_cast<int>(m_items.size()));
    for (int i = rows.FirstVisible(); i <= rows.LastVisible(); ++i) {
        RecordItem& item = *m_items[static_cast<size_t>(i)];
        CRect const row = rows.RowRect(i);
        item.rect = row;
        if (i == m_selected)
            g.DrawRect(row, m_select_color, 1.0f);
        else if (i == m_hover)
            g.DrawRect(row, m_hover_color, 1.0f);
        g.DrawText(item.text, ColumnRect(row, 0), font, m_text_color, format);
        g.DrawText(ActionText(item.action), ColumnRect(row, 1), font, m_text_color, format);
        if (i != m_edit_index)
            g.DrawText(std::to_wstring(item.delay), ColumnRect(row, kDelayColumn), font, m_text_color, format);
    }
    g.Restore();
}

}
