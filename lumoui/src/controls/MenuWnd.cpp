#include <lumoui/ControlFactory.h>
#include <lumoui/Manager.h>
#include <lumoui/MenuWnd.h>
#include <lumoui/Render.h>

#include <algorithm>


namespace LumoUI {

namespace {

constexpr int kIconGap = 6;
constexpr ARGB kSeparatorColor = 0x40FFFFFF;

}

// ---- item ----

MenuItem::MenuItem(CString const& title, int visible)
    : MButtonBase(title, visible, 1)
{
}

wchar_t const* MenuItem::GetClassNameW() { return L"MenuItem"; }

void MenuItem::SetIcon(MImage icon, int frames)
{
    m_icon = std::move(icon);
    m_icon_frames = frames > 0 ? frames : 1;
    StateChanged();
}

int MenuItem::GetIconWidth() const
{
    return m_icon.IsNull() ? 0 : m_icon.Width() / m_icon_frames;
}

int MenuItem::GetState() const
{
    int const state = MButtonBase::GetState();
    if (m_check && state == BUTTON_PRESSED)
        return BUTTON_CHECKED_PRESSED;
    if (m_check && state == BUTTON_HOVER)
        return BUTTON_CHECKED_HOVER;
    if (m_check && state == BUTTON_NORMAL)
        return BUTTON_CHECKED;
    return state;
}

void MenuItem::OnPressed()
{
    if (!m_separator)
        SendMessageW(NOTIFY_LBUTTONDOWN, static_cast<WPARAM>(m_check), 0);
}

void MenuItem::OnClicked()
{
    if (m_separator)
        return;
    if (m_checkable) {
        SetCheckValue(m_check ? 0 : 1);
        return;
    }
    SendMessageW(NOTIFY_CLICK, static_cast<WPARAM>(m_check), 0);
}

void MenuItem::DrawControl(MGraphics& g, CRect)
{
    if (m_separator) {
        g.FillRect(m_rect, kSeparatorColor);
        return;
    }
    int const state = GetState();
    bool const hot = state == BUTTON_HOVER || state == BUTTON_PRESSED || state == BUTTON_CHECKED_HOVER || state == BUTTON_CHECKED_PRESSED;
    if (hot)
        g.FillRoundRect(m_rect, 4, 4, m_select_color);
    CRect text = m_rect;
    text.left += m_text_margin;
    if (!m_icon.IsNull()) {
        int const iw = GetIconWidth();
        int const ih = m_icon.Height();
        int const frame = FrameForState(std::min<int>(state, BUTTON_DISABLED), m_icon_frames);
        int const top = m_rect.top + (m_rect.Height() - ih) / 2;
        g.DrawImage(m_icon, CRect(text.left, top, text.left + iw, top + ih), CRect(frame * iw, 0, (frame + 1) * iw, ih));
        text.left += iw + kIconGap;
    }
    if (m_checkable && m_check) {
        int const cx = m_rect.right - 16;
        int const cy = (m_rect.top + m_rect.bottom) / 2;
        g.DrawLine({ cx - 5, cy }, { cx - 1, cy + 4 }, 0xFFFFFFFF, 2.0f);
        g.DrawLine({ cx - 1, cy + 4 }, { cx + 6, cy - 4 }, 0xFFFFFFFF, 2.0f);
    }
    g.DrawText(m_title, text, GetFont(), IsEnabled() ? m_text_color : 0xFF808080, DT_LEFT | DT_VCENTER);
}

// ---- menu ----

MenuWnd::MenuWnd(MObject* parent)
    : m_parent_object(parent)
    , m_font_size(Manager::GetFontWidth())
{
}

MenuWnd::~MenuWnd() = default;

HWND MenuWnd::CreateMenuWindow(HWND owner, CPoint pt, unsigned msg, int width)
{
    m_owner = owner;
    m_msg = msg;
    m_width = width > 0 ? width : kDefaultWidth;
    m_origin = pt;
    CRect const rc(pt, CSize(m_width, kTopMargin + kBottomMargin));
    HWND hwnd = MDialog::Create(owner, L"Menu Window", WS_POPUP, WS_EX_TOOLWINDOW | WS_EX_TOPMOST, rc);
    if (!hwnd)
        return nullptr;
    EnableWndDrag(0);
    ShowWindow(SW_SHOW);
    return hwnd;
}

int MenuWnd::Create(HWND owner, CPoint pt, unsigned msg, CString const& bkImage, int param, int width, enumBackMode mode)
{
    if (!bkImage.empty())
        LoadBKImage(bkImage);
    SetBackMode(mode, param);
    return CreateMenuWindow(owner, pt, msg, width) ? 1 : 0;
}

int MenuWnd::Create(HWND owner, CPoint pt, unsigned msg, unsigned resId, int param, int width, enumBackMode mode)
{
    LoadBKImage(resId, L"PNG");
    SetBackMode(mode, param);
    return CreateMenuWindow(owner, pt, msg, width) ? 1 : 0;
}

int MenuWnd::Create(HWND owner, CPoint pt, unsigned msg)
{
    return CreateMenuWindow(owner, pt, msg, m_width) ? 1 : 0;
}

void MenuWnd::SetMenuFont(CString const& family, int size, int style)
{
    m_font_family = family;
    m_font_size = size;
    m_font_style = style;
}

MenuItem* MenuWnd::AddItem(CString const& text, unsigned id)
{
    if (!GetSafeHwnd())
        return nullptr;
    auto* item = dynamic_cast<MenuItem*>(CreateControl(L"MenuItem", id, CRect(), text.c_str(), 1, 1));
    if (!item)
        return nullptr;
    item->SetFont(m_font_family.c_str(), m_font_size, m_font_style);
    item->SetSelectColor(kSelectColor);
    item->SetTextMargin(kTextMargin);
    m_items.push_back(item);
    return item;
}

int MenuWnd::WidthNeeded(MenuItem& item) const
{
    int const icon = item.HasIcon() ? item.GetIconWidth() + kIconGap : 0;
    return icon + MGraphics::MeasureText(item.GetControlTitle(), MFont { L"", m_font_size, m_font_style }).cx + kTextMargin + 4;
}

int MenuWnd::AddMenu(CString const& text, unsigned id, CString const& icon, int checkable, int check)
{
    MenuItem* item = AddItem(text, id);
    if (!item)
        return -1;
    if (!icon.empty())
        if (ImgResInfo* info = m_paint_manager.AddImgResInfo(icon.c_str(), 4))
            item->SetIcon(info->image, info->frames);
    item->SetCheckable(checkable != 0);
    item->SetCheck(check);
    m_width = std::max(m_width, WidthNeeded(*item));
    Layout();
    return GetItemCount() - 1;
}

int MenuWnd::AddMenu(CString const& text, unsigned id, int iconResId, int checkable, int check)
{
    MenuItem* item = AddItem(text, id);
    if (!item)
        return -1;
    if (iconResId != -1) {
        MImage icon = MRender::LoadImageFromIDResource(static_cast<unsigned>(iconResId));
        if (!icon.IsNull())
            item->SetIcon(icon, 4);
    }
    item->SetCheckable(checkable != 0);
    item->SetCheck(check);
    m_width = std::max(m_width, WidthNeeded(*item));
    Layout();
    return GetItemCount() - 1;
}

int MenuWnd::AddSeparator(unsigned id, CString const&)
{
    MenuItem* item = AddItem(L"", id);
    if (!item)
        return -1;
    item->SetSeparator(true);
    item->SetEnabled(0);
    Layout();
    return GetItemCount() - 1;
}

MenuItem* MenuWnd::GetItem(unsigned id)
{
    for (MenuItem* item : m_items)
        if (item->GetControlID() == id)
            return item;
    return nullptr;
}

int MenuWnd::SetItemTitle(unsigned id, CString const& title)
{
    MenuItem* item = GetItem(id);
    if (!item)
        return 0;
    item->SetTitle(title);
    m_width = std::max(m_width, WidthNeeded(*item));
    Layout();
    return 1;
}

int MenuWnd::SetItemVisible(unsigned id, int visible)
{
    MenuItem* item = GetItem(id);
    if (!item)
        return 0;
    item->SetControlVisible(visible);
    Layout();
    return 1;
}

int MenuWnd::SetItemEnable(unsigned id, int enabled)
{
    MenuItem* item = GetItem(id);
    if (!item)
        return 0;
    item->SetEnabled(enabled);
    return 1;
}

int MenuWnd::SetItemCheck(unsigned id, int check)
{
    MenuItem* item = GetItem(id);
    if (!item)
        return 0;
    item->SetCheck(check);
    return 1;
}

void MenuWnd::Layout()
{
    int y = kTopMargin;
    for (MenuItem* item : m_items) {
        if (!item->IsVisible())
            continue;
        if (item->IsSeparator()) {
            item->SetControlRect(CRect(kTextMargin + 1, y + 1, m_width - 1, y + 2));
            y += kSeparatorHeight;
        } else {
            item->SetControlRect(CRect(2, y, m_width - 2, y + kItemHeight));
            y += kItemHeight;
        }
    }
    if (GetSafeHwnd())
        MoveWindow(m_origin.x, m_origin.y, m_width, y + kBottomMargin, true);
    m_paint_manager.Invalidate();
}

LRESULT MenuWnd::OnMessage(unsigned id, unsigned code, WPARAM wParam, LPARAM)
{
    MenuItem* item = GetItem(id);
    if (!item || m_closing)
        return 0;
    if (code == NOTIFY_LBUTTONDOWN && item->IsCheckable()) {
        // A checkable entry reports its state before the change and stays open.
        LumoUI::PostMessageW(m_owner, m_msg, wParam, static_cast<LPARAM>(id));
        return 1;
    }
    if (code == NOTIFY_CLICK) {
        LumoUI::PostMessageW(m_owner, m_msg, wParam, static_cast<LPARAM>(id));
        CloseWindow();
        return 1;
    }
    return 0;
}

int MenuWnd::OnNcActivate(int active)
{
    if (!active)
        CloseWindow();
    return MDialog::OnNcActivate(active);
}

int MenuWnd::OnKeyDown(WPARAM vk, LPARAM lParam)
{
    if (vk == VK_ESCAPE)
        CloseWindow();
    return MDialog::OnKeyDown(vk, lParam);
}

void MenuWnd::CloseWindow()
{
    if (m_closing || !GetSafeHwnd())
        return;
    m_closing = true;
    MWindow::PostMessageW(WM_CLOSE, 0, 0);
}

LUMOUI_REGISTER_CONTROL(MenuItem, L"MenuItem", FactoryBoth,
    [](ControlArgs const& a) { return std::make_unique<MenuItem>(a.title, a.visible); });

}
