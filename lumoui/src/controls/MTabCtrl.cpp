#include <lumoui/ControlFactory.h>
#include <lumoui/MTabCtrl.h>
#include <lumoui/Manager.h>
#include <lumoui/PaintManager.h>

#include "controls/ItemHover.h"

#include <algorithm>


namespace LumoUI {

namespace {

constexpr int kIconGap = 6;
constexpr int kMarkerHeight = 3;
constexpr unsigned kAnimationMs = 30;
constexpr int kItemCorner = 8;

}

MTabCtrl::MTabCtrl(int visible, int enabled)
    : MControlFont(visible, enabled)
{
    m_halign = DT_CENTER;
}

MTabCtrl::~MTabCtrl() = default;

int MTabCtrl::InsertItem(unsigned id, wchar_t const* text, wchar_t const* image, MControl* page, int w, int h)
{
    auto item = std::make_unique<TabItemInfo>();
    item->id = id;
    item->text = text ? text : L"";
    item->image = image ? image : L"";
    item->page = page;
    item->width = w;
    item->height = h;
    if (!item->image.empty() && m_manager) {
        if (ImgResInfo* info = m_manager->AddImgResInfo(item->image.c_str(), 1)) {
            // Tab icons are strips of square frames (normal, hover, selected).
            item->icon = info->image;
            int const w = info->image.Width();
            int const h = info->image.Height();
            item->icon_frames = h > 0 && w % h == 0 ? w / h : 1;
        }
    }
    m_items.push_back(std::move(item));
    Layout();
    UpdateControl(1, 0);
    return static_cast<int>(m_items.size()) - 1;
}

unsigned MTabCtrl::GetItemID(int index) const
{
    if (index < 0 || index >= GetItemCount())
        return 0;
    return m_items[index]->id;
}

TabItemInfo* MTabCtrl::GetItemInfo(int index)
{
    if (index < 0 || index >= GetItemCount())
        return nullptr;
    return m_items[index].get();
}

int MTabCtrl::SetSelectItem(int index)
{
    if (index < 0 || index >= GetItemCount() || index == m_selected)
        return m_selected;
    m_previous = m_selected;
    m_selected = index;
    SendMessageW(NOTIFY_CLICK, static_cast<WPARAM>(index), 0);
    ShowPages();
    if (m_animate && m_previous >= 0 && m_manager) {
        m_anim_step = 0;
        m_manager->SetTimer(this, kAnimationTimer, kAnimationMs);
    }
    UpdateControl(1, 0);
    return m_previous;
}

void MTabCtrl::ShowPages()
{
    for (int i = 0; i < GetItemCount(); ++i) {
        MControl* page = m_items[i]->page;
        if (!page)
            continue;
        int const show = i == m_selected ? 1 : 0;
        page->SetControlVisible(show);
        page->UpdateControl(1, 1);
    }
}

int MTabCtrl::SetBarImage(wchar_t const* file)
{
    ImgResInfo* info = m_manager && file ? m_manager->AddImgResInfo(file, 1) : nullptr;
    if (!info)
        return 0;
    m_bar = info->image;
    UpdateControl(1, 0);
    return 1;
}

void MTabCtrl::SetItemVisible(int index, int visible)
{
    TabItemInfo* item = GetItemInfo(index);
    if (!item || item->visible == visible)
        return;
    item->visible = visible;
    if (m_hover == index)
        m_hover = -1;
    Layout();
    UpdateControl(1, 0);
}

void MTabCtrl::SetItemText(int index, CString const& text)
{
    if (TabItemInfo* item = GetItemInfo(index)) {
        item->text = text;
        Layout();
        UpdateControl(1, 0);
    }
}

void MTabCtrl::SetItemWidth(int index, int width, int repaint)
{
    if (TabItemInfo* item = GetItemInfo(index)) {
        item->width = width;
        Layout();
        if (repaint)
            UpdateControl(1, 0);
    }
}

void MTabCtrl::SetItemHeight(int index, int height, int repaint)
{
    if (TabItemInfo* item = GetItemInfo(index)) {
        item->height = height;
        Layout();
        if (repaint)
            UpdateControl(1, 0);
    }
}

void MTabCtrl::SetLeftRightPading(int left, int right)
{
    m_pad_left = left;
    m_pad_right = right;
    Layout();
    UpdateControl(1, 0);
}

void MTabCtrl::SetTopBottomPading(int top, int bottom)
{
    m_pad_top = top;
    m_pad_bottom = bottom;
    Layout();
    UpdateControl(1, 0);
}

void MTabCtrl::SetTabCtrlWidth(int width)
{
    m_bar_width = width;
    Layout();
    UpdateControl(1, 0);
}

void MTabCtrl::SetTabCtrlHeight(int height)
{
    m_bar_height = height;
    Layout();
    UpdateControl(1, 0);
}

void MTabCtrl::SetControlRect(CRect rc)
{
    MControlFont::SetControlRect(rc);
    Layout();
}

void MTabCtrl::Layout()
{
    int const bar_height = m_bar_height > 0 ? m_bar_height : m_rect.Height();
    int x = m_rect.left + m_pad_left;
    for (auto& item : m_items) {
        if (!item->visible) {
            item->rect = CRect();
            continue;
        }
        int width = item->width;
        if (width <= 0) {
            int const icon = item->icon.IsNull() ? 0 : item->icon.Width() / std::max(1, item->icon_frames) + kIconGap;
            width = icon + MGraphics::MeasureText(item->text, GetFont()).cx + 16;
        }
        int const height = item->height > 0 ? item->height : bar_height - m_pad_top - m_pad_bottom;
        item->rect = CRect(x, m_rect.top + m_pad_top, x + width, m_rect.top + m_pad_top + height);
        x += width + m_pad_right;
    }
}

int MTabCtrl::HitTest(CPoint pt) const
{
    for (int i = 0; i < GetItemCount(); ++i)
        if (m_items[i]->visible && m_items[i]->rect.PtInRect(pt))
            return i;
    return -1;
}

int MTabCtrl::OnControlMouseMove(unsigned, CPoint pt)
{
    return TrackItemHover(*this, m_hover, IsEnabled() ? HitTest(pt) : -1);
}

int MTabCtrl::OnControlLButtonDown(unsigned, CPoint pt)
{
    if (!IsEnabled())
        return 0;
    int const index = HitTest(pt);
    if (index < 0)
        return 0;
    SendMessageW(NOTIFY_TABPRESS, static_cast<WPARAM>(index), 0);
    SetSelectItem(index);
    return 1;
}

int MTabCtrl::OnControlTimer()
{
    if (m_anim_step >= kAnimationSteps)
        return 0;
    if (++m_anim_step >= kAnimationSteps && m_manager)
        m_manager->KillTimer(this, kAnimationTimer);
    UpdateControl(1, 0);
    return 1;
}

CRect MTabCtrl::MarkerRect() const
{
    if (m_selected < 0 || m_selected >= GetItemCount())
        return {};
    CRect to = m_items[m_selected]->rect;
    if (to.IsRectEmpty())
        return {};
    CRect marker(to.left, to.bottom - kMarkerHeight, to.right, to.bottom);
    if (m_anim_step < kAnimationSteps && m_previous >= 0 && m_previous < GetItemCount()) {
        CRect const from = m_items[m_previous]->rect;
        if (!from.IsRectEmpty()) {
            auto mix = [this](int a, int b) { return a + (b - a) * m_anim_step / kAnimationSteps; };
            marker.left = mix(from.left, to.left);
            marker.right = mix(from.right, to.right);
        }
    }
    return marker;
}

void MTabCtrl::DrawControl(MGraphics& g, CRect)
{
    ARGB const select = Manager::GetSelectColor();
    if (!m_bar.IsNull()) {
        CRect bar = m_rect;
        if (m_bar_width > 0)
            bar.right = bar.left + m_bar_width;
        if (m_bar_height > 0)
            bar.bottom = bar.top + m_bar_height;
        g.DrawImageFrame(m_bar, bar, CRect(CPoint(), m_bar.Size()), kItemCorner);
    }
    for (int i = 0; i < GetItemCount(); ++i) {
        TabItemInfo const& item = *m_items[i];
        if (!item.visible || item.rect.IsRectEmpty())
            continue;
        bool const selected = i == m_selected;
        if (!m_image.IsNull()) {
            int const frame = !IsEnabled() ? 3 : selected ? 2 : i == m_hover ? 1 : 0;
            g.DrawImageFrame(m_image, item.rect, GetFrameRect(frame), kItemCorner);
        } else if (i == m_hover && !selected) {
            g.FillRect(item.rect, 0x20FFFFFF);
        }
        CRect text = item.rect;
        if (!item.icon.IsNull()) {
            int const frames = std::max(1, item.icon_frames);
            int const iw = item.icon.Width() / frames;
            int const ih = item.icon.Height();
            int const frame = selected ? std::min(2, frames - 1) : i == m_hover ? std::min(1, frames - 1) : 0;
            int const tw = item.text.empty() ? 0 : MGraphics::MeasureText(item.text, GetFont()).cx + kIconGap;
            int const x = item.rect.left + (item.rect.Width() - iw - tw) / 2;
            int const y = item.rect.top + (item.rect.Height() - ih) / 2;
            g.DrawImage(item.icon, CRect(x, y, x + iw, y + ih), CRect(frame * iw, 0, (frame + 1) * iw, ih));
            text.left = x + iw + kIconGap;
            text.right = text.left + tw;
        }
        ARGB const color = !IsEnabled() ? 0xFF808080 : selected ? 0xFFFFFFFF : 0xFFA0A8B8;
        if (!item.text.empty())
            g.DrawText(item.text, text, GetFont(), color, (item.icon.IsNull() ? DT_CENTER : DT_LEFT) | DT_VCENTER);
    }
    CRect const marker = MarkerRect();
    if (!marker.IsRectEmpty() && (m_image.IsNull() || IsAnimating()))
        g.FillRect(marker, select);
}

MTabLayout::MTabLayout(int visible)
    : MPanel(visible, 1)
{
}

LUMOUI_REGISTER_CONTROL(MTabCtrl, L"MTabCtrl", FactoryBoth,
    [](ControlArgs const& a) { return std::make_unique<MTabCtrl>(a.visible, a.enabled); });
LUMOUI_REGISTER_CONTROL(MTabLayout, L"MTabLayout", FactoryBoth,
    [](ControlArgs const& a) { return std::make_unique<MTabLayout>(a.visible); });

}
