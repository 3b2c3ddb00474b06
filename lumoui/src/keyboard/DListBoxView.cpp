// DListBox input, in-place renaming and drawing.
#include <lumoui/DListBox.h>

#include <lumoui/Graphics.h>
#include <lumoui/ImageList.h>
#include <lumoui/MEdit.h>
#include <lumoui/Messages.h>
#include <lumoui/PaintManager.h>

#include "keyboard/InPlaceEdit.h"
#include "keyboard/ListLogic.h"
#include "keyboard/ListRows.h"

namespace LumoUI {

namespace {
// Id of the list's own edit child; never reported to the dialog.
constexpr unsigned kEditId = 0x7FFF0D11;
constexpr int kTextInsetY = 4;
constexpr int kTextInsetRight = 8;
constexpr int kEditCorner = 6;
constexpr int kEditFrameMargin = 4; // the frame image shows around the edit
constexpr CSize kDefaultIconSize { 24, 24 };
}

int DListBox::RowAt(CPoint pt)
{
    return ListLogic<DListBox>::RowAt(*this, pt);
}

CRect DListBox::TextRect(CRect row) const
{
    return { row.left + m_icon_width, row.top + kTextInsetY, row.right - kTextInsetRight, row.bottom - kTextInsetY };
}

// ---- mouse ----

int DListBox::OnControlMouseMove(unsigned, CPoint pt)
{
    return ListLogic<DListBox>::MouseMove(*this, pt);
}

int DListBox::OnControlLButtonDown(unsigned, CPoint pt)
{
    return ListLogic<DListBox>::LButtonDown(*this, pt);
}

int DListBox::OnControlLButtonUp(unsigned, CPoint pt)
{
    int const index = RowAt(pt);
    if (index < 0)
        return 0;
    SendMessageW(NOTIFY_CLICK, static_cast<WPARAM>(index), 0);
    return 1;
}

int DListBox::OnControlRButtonUp(unsigned, CPoint pt)
{
    return ListLogic<DListBox>::RButtonUp(*this, pt);
}

// ---- renaming ----

MEdit* DListBox::GetEditControl() const
{
    return m_in_place ? m_in_place->Edit() : nullptr;
}

void DListBox::ShowEdit()
{
    int const count = GetItemCount();
    if (!m_edit_allowed || !IsEnabled() || m_selected < 0 || m_selected >= count || m_manager == nullptr)
        return;
    HideEdit();
    int const index = m_selected;
    if (!m_in_place)
        m_in_place = std::make_unique<InPlaceEdit>(*this, kEditId, [this] { HideEdit(); });

    ListRows const rows = ListRows::Of(*this, m_row_height, count);
    CRect const row = rows.RowRect(index);
    if (row.top < m_rect.top || row.bottom > m_rect.bottom)
        ScrollToY(index * m_row_height);
    // Children are laid out unscrolled; the panel moves them when drawing.
    m_in_place->Begin(TextRect(rows.ContentRowRect(index)), GetItemText(index));
    MEdit* edit = m_in_place->Edit();
    ARGB const back = ColorRefToARGB(m_edit_back);
    edit->SetBackColor(back, m_edit_image.IsNull() ? m_select_color : back);
    edit->SetTextColor(m_text_color);
    edit->SetFontWidth(m_font_size);
    // Marked only now: handing the focus to the edit may have taken it from
    // the list, which must not end the rename that is just starting.
    m_edit_index = index;
    m_focused = 1;
    UpdateControl(1, 0);
}

void DListBox::HideEdit()
{
    ListLogic<DListBox>::EndEdit(*this, [](DListItem& item, CString const& text) {
        if (item.text == text)
            return false;
        item.text = text;
        return true;
    });
}

LRESULT DListBox::OnMessage(unsigned id, unsigned code, WPARAM wParam, LPARAM lParam)
{
    if (ListLogic<DListBox>::SwallowEditMessage(*this, id, code))
        return 1;
    return MPanel::OnMessage(id, code, wParam, lParam);
}

void DListBox::DrawControl(MGraphics& g, CRect)
{
    DrawCached(g, [this](MGraphics& face) { Paint(face); });
}

void DListBox::Paint(MGraphics& g)
{
    g.SetAntialias(true);
    g.Save();
    g.ClipRect(m_rect);
    MFont const font = GetFont();
    std::lock_guard lock(m_lock);
    ListRows const rows = ListRows::Of(*this, m_row_height, static_cast<int>(m_items.size()));
    for (int i = rows.FirstVisible(); i <= rows.LastVisible(); ++i) {
        DListItem const& item = m_items[static_cast<size_t>(i)];
        CRect const row = rows.RowRect(i);
        if (i == m_selected)
            g.FillRect(row, m_select_color);
        else if (i == m_hover)
            g.FillRect(row, m_hover_color);

        CRect const iconArea { row.left, row.top, row.left + m_icon_width, row.bottom };
        if (m_image_list != nullptr && item.image >= 0) {
            CSize size = m_image_list->GetIconSize();
            if (size.cx <= 0 || size.cy <= 0)
                size = kDefaultIconSize;
            CPoint const at { iconArea.left + (iconArea.Width() - size.cx) / 2, iconArea.top + (iconArea.Height() - size.cy) / 2 };
            m_image_list->DrawItemIcon(g, CRect(at, size), item.image);
        } else if (!m_image.IsNull()) {
            CSize const size = GetImageSize();
            CPoint const at { iconArea.left + (iconArea.Width() - size.cx) / 2, iconArea.top + (iconArea.Height() - size.cy) / 2 };
            g.DrawImage(m_image, CRect(at, size), GetFrameRect(i == m_selected ? 1 : 0));
        }

        CRect const text = TextRect(row);
        if (i == m_edit_index) {
            if (!m_edit_image.IsNull()) {
                CRect frame = text;
                frame.InflateRect(kEditFrameMargin, kEditFrameMargin - 1);
                g.DrawImageFrame(m_edit_image, frame, CRect(CPoint(0, 0), m_edit_frame), kEditCorner);
            }
            continue; // the edit shows the text
        }
        g.DrawText(item.text, text, font, m_text_color, DT_LEFT | DT_VCENTER);
    }
    g.Restore();
}

}
