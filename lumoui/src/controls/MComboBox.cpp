#include <lumoui/ControlFactory.h>
#include <lumoui/MComboBox.h>
#include <lumoui/Manager.h>
#include <lumoui/PaintManager.h>
#include <lumoui/Window.h>

#include <algorithm>


namespace LumoUI {

namespace {

constexpr int kTextPadding = 10;
constexpr int kSwatchSize = 16;
constexpr int kArrowWidth = 24;
// A press that lands on the box while its open list is being closed by that
// very press must not open the list again.
constexpr uint32_t kReopenGuardMs = 200;
constexpr int kDropCorner = 8;

void DrawItem(MGraphics& g, CRect rc, ComboItem const& item, MFont const& font, ARGB color, bool swatch, bool centered)
{
    CRect text = rc;
    text.left += kTextPadding;
    if (swatch && item.color) {
        int const top = rc.top + (rc.Height() - kSwatchSize) / 2;
        CRect box(text.left, top, text.left + kSwatchSize, top + kSwatchSize);
        g.FillRoundRect(box, 2, 2, item.color);
        g.DrawRoundRect(box, 2, 2, 0x60FFFFFF);
        text.left = box.right + 8;
    } else if (!item.icon_image.IsNull()) {
        int const ih = std::min(item.icon_image.Height(), rc.Height());
        int const iw = std::min(item.icon_image.Width(), ih);
        int const top = rc.top + (rc.Height() - ih) / 2;
        g.DrawImage(item.icon_image, CRect(text.left, top, text.left + iw, top + ih), CRect(0, 0, iw, ih));
        text.left += iw + 6;
    }
    g.DrawText(item.text, text, font, color, (centered ? DT_CENTER : DT_LEFT) | DT_VCENTER | DT_END_ELLIPSIS);
}

// One row of the drop-down list.
class ComboRow : public MControlFont {
public:
    ComboRow(int index, ComboItem item, bool current, bool swatch, bool centered)
        : m_index(index), m_item(std::move(item)), m_current(current), m_swatch(swatch), m_centered(centered)
    {
    }

    int OnControlMouseMove(unsigned, CPoint pt) override
    {
        bool const inside = m_rect.PtInRect(pt);
        if (inside != m_hover) {
            m_hover = inside;
            SetCursorEx(inside ? L"hand" : L"arrow");
            UpdateControl(1, 0);
        }
        return inside ? 1 : 0;
    }

    int OnControlLButtonDown(unsigned, CPoint pt) override
    {
        m_down = m_rect.PtInRect(pt);
        return m_down ? 1 : 0;
    }

    int OnControlLButtonUp(unsigned, CPoint pt) override
    {
        bool const click = m_down && m_rect.PtInRect(pt);
        m_down = false;
        if (click)
            SendMessageW(NOTIFY_CLICK, static_cast<WPARAM>(m_index), 0);
        return click ? 1 : 0;
    }

    void DrawControl(MGraphics& g, CRect) override
    {
        if (m_current)
            g.FillRect(m_rect, (Manager::GetSelectColor() & 0x00FFFFFF) | 0xA0000000);
        else if (m_hover)
            g.FillRect(m_rect, 0x30FFFFFF);
        DrawItem(g, m_rect, m_item, GetFont(), m_text_color, m_swatch, m_centered);
    }

private:
    int m_index;
    ComboItem m_item;
    bool m_current;
    bool m_swatch;
    bool m_centered;
    bool m_hover { false };
    bool m_down { false };
};

}

// ---- list ----

CComboBoxList::CComboBoxList(int visible)
    : MPanel(visible, 1)
{
}

wchar_t const* CComboBoxList::GetClassNameW() { return L"CComboBoxList"; }

void CComboBoxList::SetItems(std::vector<ComboItem> const& items, int current, bool colorSwatches, bool centered)
{
    m_rows = static_cast<int>(items.size());
    bool const scrolls = m_rows > CComboBoxWnd::kMaxVisibleRows;
    int const right = m_rect.right - (scrolls ? m_scroll_thickness + 1 : 0);
    for (int i = 0; i < m_rows; ++i) {
        auto row = std::make_unique<ComboRow>(i, items[i], i == current, colorSwatches, centered);
        row->SetControlID(kFirstRowId + static_cast<unsigned>(i));
        int const top = m_rect.top + i * kRowHeight;
        row->SetControlRect(CRect(m_rect.left, top, right, top + kRowHeight));
        MControl* added = AddChildControl(std::move(row));
        added->SetParent(this);
        added->SetManager(m_manager);
    }
    UpdateScrollBars();
    if (scrolls && current > 0)
        ScrollToY(std::min(current, m_rows - CComboBoxWnd::kMaxVisibleRows) * kRowHeight);
}

// ---- drop-down window ----

CComboBoxWnd::CComboBoxWnd(MComboBox* combo)
    : m_combo(combo)
{
}

CComboBoxWnd::~CComboBoxWnd() = default;

int CComboBoxWnd::HeightForItems(int count)
{
    return CComboBoxList::kRowHeight * std::clamp(count, 0, kMaxVisibleRows);
}

HWND CComboBoxWnd::Open()
{
    PaintManager* manager = m_combo->GetManager();
    if (!manager || !manager->GetOwner() || m_combo->GetCount() == 0)
        return nullptr;
    CRect const box = m_combo->GetRect();
    CPoint origin(box.left, box.bottom);
    manager->GetOwner()->ClientToScreen(origin);
    CRect const rc(origin, CSize(box.Width(), HeightForItems(m_combo->GetCount())));
    CString const back = m_combo->GetBackImage().empty() ? CString(L"bk_combo_drop.png") : m_combo->GetBackImage();
    if (LoadBKImage(back))
        SetBackMode(BACK_MODE_FRAME, kDropCorner);
    SetScrollResID(m_combo->m_scroll_v, m_combo->m_scroll_h);
    return CreatePopup(manager->GetPaintWnd(), rc, L"ComboBox Window");
}

void CComboBoxWnd::InitUI(CRect client)
{
    m_list = static_cast<CComboBoxList*>(CreateControl(L"CComboBoxList", 1000, client, L"", 1, 1));
    if (!m_list)
        return;
    m_list->SetFont(L"", m_combo->GetFontWidth(), m_combo->GetFontStyle());
    m_list->SetTextColor(m_combo->GetTextColor());
    m_list->SetItems(m_combo->GetItems(), m_combo->GetCurSel(), m_combo->m_color_swatches, m_combo->m_centered != 0);
}

LRESULT CComboBoxWnd::OnMessage(unsigned, unsigned code, WPARAM wParam, LPARAM)
{
    if (code != NOTIFY_CLICK)
        return 0;
    ClosePopup();
    m_combo->OnMessage(m_combo->GetControlID(), NOTIFY_CLICK, wParam, kPickedFromList);
    return 1;
}

// ---- combo box ----

MComboBox::MComboBox(int visible, int enabled)
    : MControlFont(visible, enabled)
{
}

MComboBox::~MComboBox() = default;

int MComboBox::AddItem(wchar_t const* text, long data, wchar_t const* icon, ARGB color)
{
    return InsertItem(-1, text, data, icon, color);
}

int MComboBox::InsertItem(int index, wchar_t const* text, long data, wchar_t const* icon, ARGB color)
{
    ComboItem item;
    item.text = text ? text : L"";
    item.data = data;
    item.icon = icon ? icon : L"";
    item.color = color;
    if (!item.icon.empty() && m_manager)
        if (ImgResInfo* info = m_manager->AddImgResInfo(item.icon.c_str(), 1))
            item.icon_image = info->image;
    if (index < 0 || index > GetCount())
        index = GetCount();
    m_items.insert(m_items.begin() + index, std::move(item));
    if (m_cur >= index)
        ++m_cur;
    UpdateControl(1, 0);
    return index;
}

void MComboBox::DelAllItems()
{
    ShowDropDown(false);
    m_items.clear();
    m_cur = -1;
    UpdateControl(1, 0);
}

int MComboBox::DeleteItem(int index)
{
    if (index < 0 || index >= GetCount())
        return -1;
    ShowDropDown(false);
    m_items.erase(m_items.begin() + index);
    if (m_cur == index)
        m_cur = -1;
    else if (m_cur > index)
        --m_cur;
    UpdateControl(1, 0);
    return GetCount();
}

int MComboBox::SetCurSel(int index)
{
    if (index < -1 || index >= GetCount())
        return m_cur;
    if (index != m_cur) {
        m_cur = index;
        UpdateControl(1, 0);
    }
    return m_cur;
}

long MComboBox::GetCurData() const
{
    return m_cur >= 0 ? m_items[m_cur].data : 0;
}

int MComboBox::FindData(long data) const
{
    for (int i = 0; i < GetCount(); ++i)
        if (m_items[i].data == data)
            return i;
    return -1;
}

int MComboBox::SelectData(long data)
{
    int const index = FindData(data);
    if (index >= 0)
        SetCurSel(index);
    return index;
}

int MComboBox::SetItemData(int index, long data)
{
    if (index < 0 || index >= GetCount())
        return -1;
    m_items[index].data = data;
    return index;
}

long MComboBox::GetItemData(int index) const
{
    if (index < 0 || index >= GetCount())
        return 0;
    return m_items[index].data;
}

int MComboBox::SetItemText(int index, CString const& text)
{
    if (index < 0 || index >= GetCount())
        return -1;
    m_items[index].text = text;
    if (index == m_cur)
        UpdateControl(1, 0);
    return index;
}

CString MComboBox::GetItemText(int index) const
{
    if (index < 0 || index >= GetCount())
        return {};
    return m_items[index].text;
}

int MComboBox::SetBackImage(wchar_t const* file)
{
    if (!file || !m_manager || !m_manager->AddImgResInfo(file, 1))
        return 0;
    m_back_image = file;
    return 1;
}

void MComboBox::SetScrollResID(unsigned vertical, unsigned horizontal)
{
    m_scroll_v = vertical;
    m_scroll_h = horizontal;
}

void MComboBox::SetShowModeMID(int on)
{
    m_centered = on;
    UpdateControl(1, 0);
}

CComboBoxWnd* MComboBox::GetDropDown() const
{
    return m_drop && m_drop->IsOpen() ? m_drop.get() : nullptr;
}

bool MComboBox::IsDropped() const { return GetDropDown() != nullptr; }

void MComboBox::ShowDropDown(bool show)
{
    if (!show) {
        if (m_drop && m_drop->IsOpen()) {
            m_drop->DestroyWindow();
            m_drop->ForgetDeactivation();
        }
        return;
    }
    if (IsDropped())
        return;
    // A closed drop-down is deleted only here (or with the box), never from
    // inside its own message handling.
    m_drop = std::make_unique<CComboBoxWnd>(this);
    if (!m_drop->Open())
        m_drop.reset();
    UpdateControl(1, 0);
}

void MComboBox::Picked(int index)
{
    if (index < 0 || index >= GetCount())
        return;
    SetCurSel(index);
    SendMessageW(NOTIFY_CLICK, static_cast<WPARAM>(index), 0);
}

LRESULT MComboBox::OnMessage(unsigned id, unsigned code, WPARAM wParam, LPARAM lParam)
{
    if (code == NOTIFY_CLICK && lParam == CComboBoxWnd::kPickedFromList) {
        Picked(static_cast<int>(wParam));
        UpdateControl(1, 0);
        return 1;
    }
    return MControlFont::OnMessage(id, code, wParam, lParam);
}

int MComboBox::OnControlMouseMove(unsigned, CPoint pt)
{
    bool const inside = IsEnabled() && m_rect.PtInRect(pt);
    if (inside != m_hover) {
        m_hover = inside;
        SetCursorEx(inside ? L"hand" : L"arrow");
        UpdateControl(1, 0);
    }
    return inside ? 1 : 0;
}

int MComboBox::OnControlLButtonDown(unsigned, CPoint pt)
{
    if (!IsEnabled() || !m_rect.PtInRect(pt))
        return 0;
    m_down = true;
    // A press on the box while its list is open closes the list; when the
    // press itself took the activation from the list, the list is already
    // closing. Either way the release must not open it again.
    m_swallow_release = IsDropped() || (m_drop && m_drop->ClosedByDeactivationWithin(kReopenGuardMs));
    ShowDropDown(false);
    return 1;
}

int MComboBox::OnControlLButtonUp(unsigned, CPoint pt)
{
    if (!m_down)
        return 0;
    m_down = false;
    // The list opens on the release, once the press cycle of this window is
    // over: opening it moves the activation to the list.
    if (IsEnabled() && m_rect.PtInRect(pt) && !m_swallow_release)
        ShowDropDown(true);
    m_swallow_release = false;
    return 1;
}

int MComboBox::OnControlKeyDown(unsigned vk, unsigned repeat, unsigned modifiers)
{
    if (!m_focused || !IsEnabled() || (vk != VK_UP && vk != VK_DOWN))
        return MControlFont::OnControlKeyDown(vk, repeat, modifiers);
    int const next = vk == VK_UP ? m_cur - 1 : m_cur + 1;
    if (next >= 0 && next < GetCount())
        Picked(next);
    return 1;
}

void MComboBox::SetControlEnabled(int enabled)
{
    MControlFont::SetControlEnabled(enabled);
    if (!enabled)
        ShowDropDown(false);
}

void MComboBox::SetControlVisible(int visible)
{
    MControlFont::SetControlVisible(visible);
    if (!visible)
        ShowDropDown(false);
}

void MComboBox::DrawControl(MGraphics& g, CRect)
{
    int const state = !IsEnabled() ? 3 : IsDropped() ? 2 : m_hover ? 1 : 0;
    if (!m_image.IsNull()) {
        g.DrawImageFrame(m_image, m_rect, GetFrameRect(state), std::min(m_frame_height / 2, m_rect.Height() / 2));
    } else {
        g.FillRoundRect(m_rect, 4, 4, state == 1 ? 0xFF222C3E : 0xFF1A2233);
        g.DrawRoundRect(m_rect, 4, 4, state == 2 ? Manager::GetSelectColor() : 0xFF3A4A66);
        int const cx = m_rect.right - kArrowWidth / 2;
        int const cy = (m_rect.top + m_rect.bottom) / 2;
        CPoint const arrow[3] = { { cx - 5, cy - 2 }, { cx + 5, cy - 2 }, { cx, cy + 3 } };
        g.FillPolygon(arrow, 3, IsEnabled() ? 0xFFC8C8C8 : 0xFF606060);
    }
    if (m_cur < 0)
        return;
    CRect text = m_rect;
    text.right -= kArrowWidth;
    g.Save();
    g.ClipRect(text);
    DrawItem(g, text, m_items[m_cur], GetFont(), IsEnabled() ? m_text_color : 0xFF808080, m_color_swatches, m_centered != 0);
    g.Restore();
}

CColorCombo::CColorCombo(int visible, int enabled)
    : MComboBox(visible, enabled)
{
    m_color_swatches = true;
}

LUMOUI_REGISTER_CONTROL(MComboBox, L"MComboBox", FactoryBoth,
    [](ControlArgs const& a) { return std::make_unique<MComboBox>(a.visible, a.enabled); });
LUMOUI_REGISTER_CONTROL(CComboBoxList, L"CComboBoxList", FactoryDialog,
    [](ControlArgs const& a) { return std::make_unique<CComboBoxList>(a.visible); });

}
