#include <lumoui/KeyFuncControl.h>

#include <lumoui/ControlFactory.h>
#include <lumoui/Graphics.h>
#include <lumoui/Manager.h>
#include <lumoui/Messages.h>
#include <lumoui/PaintManager.h>

#include "keyboard/KeyFuncTable.h"

#include <algorithm>

namespace LumoUI {

LUMOUI_REGISTER_CONTROL(KeyFuncControl, L"KeyFuncControl", FactoryPanel,
    [](ControlArgs const& args) { return std::make_unique<KeyFuncControl>(args.visible); });

namespace {
constexpr int kFirstMediaCode = 232; // tiles from here on are media functions with a tooltip
constexpr int kScaledTileMaxWidth = 60; // wider tiles use the frame as a nine-grid
constexpr int kTileCorner = 8;
constexpr int kIconSize = 20;
constexpr int kTextMargin = 2;
constexpr int kMinimumFontSize = 8;
constexpr int kFrameNormal = 0;
constexpr int kFrameHover = 1;
constexpr int kFrameChecked = 2;
// Tile faces when no strip image was given.
constexpr ARGB kFallbackFaces[] = { 0xFF1B2433, 0xFF2C3A52, 0 };
}

KeyFuncControl::KeyFuncControl(int visible)
    : MPanel(visible, 1)
{
}

KeyFuncControl::~KeyFuncControl() = default;

void KeyFuncControl::InitItemInfo()
{
    std::vector<KeyFuncItem> items;
    int contentHeight = 0;
    for (KeyFuncTileSpec const& spec : KeyFuncTiles()) {
        KeyFuncItem item;
        item.text = spec.text;
        item.data = spec.data;
        item.rect = { spec.left, spec.top, spec.right, spec.bottom };
        if (spec.icon != nullptr)
            item.icon = MImage::LoadFromFile(PaintManager::GetSkinFile(spec.icon));
        contentHeight = std::max(contentHeight, spec.bottom);
        items.push_back(std::move(item));
    }
    {
        std::lock_guard lock(m_lock);
        m_items = std::move(items);
        m_hover = m_clicked = m_checked = -1;
    }
    SetVirtualHeight(contentHeight);
    UpdateControl(1, 0);
}

void KeyFuncControl::ClearItems()
{
    {
        std::lock_guard lock(m_lock);
        m_items.clear();
        m_hover = m_clicked = m_checked = -1;
    }
    UpdateControl(1, 0);
}

void KeyFuncControl::SetItemDesc(int data, CString const& text)
{
    std::lock_guard lock(m_lock);
    auto it = std::find_if(m_items.begin(), m_items.end(), [data](KeyFuncItem const& item) { return item.data == data; });
    if (it != m_items.end())
        it->text = text;
}

void KeyFuncControl::SetItemCheckByItemData(int data, int value2, int value3)
{
    {
        std::lock_guard lock(m_lock);
        m_checked = -1;
        if (data != 0) {
            for (size_t i = 0; i < m_items.size(); ++i) {
                KeyFuncItem const& item = m_items[i];
                if (item.data == data && item.value2 == value2 && item.value3 == value3) {
                    m_checked = static_cast<int>(i);
                    break;
                }
            }
        }
        m_clicked = -1;
    }
    UpdateControl(1, 0);
}

bool KeyFuncControl::GetCurItemData(int&, int& data, int& value2, int& value3, CString& text)
{
    std::lock_guard lock(m_lock);
    if (m_clicked < 0 || m_clicked >= static_cast<int>(m_items.size()))
        return false;
    KeyFuncItem const& item = m_items[static_cast<size_t>(m_clicked)];
    data = item.data;
    value2 = item.value2;
    value3 = item.value3;
    text = item.text;
    return true;
}

int KeyFuncControl::GetItemCount()
{
    std::lock_guard lock(m_lock);
    return static_cast<int>(m_items.size());
}

KeyFuncItem KeyFuncControl::GetItem(int index)
{
    std::lock_guard lock(m_lock);
    if (index < 0 || index >= static_cast<int>(m_items.size()))
        return {};
    return m_items[static_cast<size_t>(index)];
}

// ---- geometry and input ----

CRect KeyFuncControl::TileScreenRect(KeyFuncItem const& item) const
{
    CRect rect = item.rect;
    rect.OffsetRect(m_rect.left, m_rect.top - GetScrollOffset().y);
    return rect;
}

int KeyFuncControl::HitTest(CPoint pt)
{
    if (!m_rect.PtInRect(pt))
        return -1;
    std::lock_guard lock(m_lock);
    for (size_t i = 0; i < m_items.size(); ++i)
        if (TileScreenRect(m_items[i]).PtInRect(pt))
            return static_cast<int>(i);
    return -1;
}

void KeyFuncControl::UpdateHover(CPoint pt)
{
    int const before = m_hover;
    m_hover = HitTest(pt);
    SetCursorEx(m_hover >= 0 ? L"hand" : L"arrow");
    if (m_hover == before)
        return;
    KeyFuncItem const item = GetItem(m_hover);
    if (m_hover >= 0 && item.data >= kFirstMediaCode && !item.text.empty()) {
        SetTooltip(item.text.c_str());
        if (m_manager != nullptr) {
            m_manager->SetTooltip(item.text.c_str(), TileScreenRect(item));
            m_manager->SetTooltipCtrlID(static_cast<int>(m_id));
        }
    } else if (!m_tooltip.empty()) {
        ClearTooltip();
        if (m_manager != nullptr)
            m_manager->ClearTooltip();
    }
    UpdateControl(1, 0);
}

int KeyFuncControl::OnControlMouseMove(unsigned, CPoint pt)
{
    UpdateHover(pt);
    return m_rect.PtInRect(pt) ? 1 : 0;
}

int KeyFuncControl::OnControlLButtonDown(unsigned, CPoint pt)
{
    if (!m_rect.PtInRect(pt))
        return 0;
    UpdateHover(pt);
    m_clicked = m_hover;
    UpdateControl(1, 0);
    return 1;
}

int KeyFuncControl::OnControlLButtonUp(unsigned, CPoint pt)
{
    if (!m_rect.PtInRect(pt))
        return 0;
    UpdateHover(pt);
    m_clicked = m_hover;
    UpdateControl(1, 0);
    SendMessageW(NOTIFY_LBUTTONDOWN, static_cast<WPARAM>(m_clicked), 0);
    return 1;
}

int KeyFuncControl::OnControlScroll(int, unsigned, CPoint)
{
    // The panel shows the whole keyboard; a wheel over it must not scroll
    // the page behind it either.
    return 1;
}

// ---- drawing ----

void KeyFuncControl::DrawControl(MGraphics& g, CRect)
{
    DrawCached(g, [this](MGraphics& face) { PaintTiles(face); });
}

void KeyFuncControl::PaintTiles(MGraphics& g)
{
    g.SetAntialias(true);
    g.Save();
    g.ClipRect(m_rect);
    std::lock_guard lock(m_lock);
    for (size_t i = 0; i < m_items.size(); ++i) {
        int const index = static_cast<int>(i);
        int frame = kFrameNormal;
        if (index == m_checked || index == m_clicked)
            frame = kFrameChecked;
        else if (index == m_hover)
            frame = kFrameHover;
        PaintTile(g, m_items[i], frame);
    }
    g.Restore();
}

void KeyFuncControl::PaintTile(MGraphics& g, KeyFuncItem const& item, int frame)
{
    CRect const rect = TileScreenRect(item);
    if (!m_image.IsNull()) {
        CRect const source = GetFrameRect(frame);
        if (rect.Width() <= kScaledTileMaxWidth)
            g.DrawImage(m_image, rect, source);
        else
            g.DrawImageFrame(m_image, rect, source, kTileCorner);
    } else {
        ARGB const face = frame == kFrameChecked ? Manager::GetSelectColor() : kFallbackFaces[frame];
        g.FillRoundRect(rect, 4.0f, 4.0f, face);
    }
    if (!item.icon.IsNull()) {
        CPoint const at { rect.left + (rect.Width() - kIconSize) / 2, rect.top + (rect.Height() - kIconSize) / 2 };
        g.DrawImage(item.icon, CRect(at, CSize(kIconSize, kIconSize)));
        return;
    }
    g.DrawText(item.text, rect, TileFont(item.text, rect.Width()), m_text_color, DT_CENTER | DT_VCENTER | DT_WORDBREAK);
}

MFont KeyFuncControl::TileFont(CString const& text, int tileWidth) const
{
    // Captions such as "NumLock" are wider than their 36-pixel tile at the
    // panel's font size: a single word is made smaller until it fits (texts
    // with a space wrap onto two lines instead).
    MFont font { L"", m_font_size, FontStyleRegular };
    if (text.find(L' ') != CString::npos)
        return font;
    int const room = tileWidth - 2 * kTextMargin;
    int const width = MGraphics::MeasureText(text, font).cx;
    if (width > room && width > 0)
        font.size = std::max(kMinimumFontSize, font.size * room / width);
    return font;
}

}
