// Drawing of the keyboard picture in its five display modes.
#include <lumoui/KeyboardCtrl.h>

#include <lumoui/Graphics.h>
#include <lumoui/Messages.h>

#include "keyboard/FrameSelection.h"
#include "keyboard/KeyOutline.h"
#include "keyboard/LightFrames.h"

#include <algorithm>

namespace LumoUI {

namespace {
constexpr ARGB kTileFill = 0xFF007ACC;
constexpr ARGB kCaptionShadow = 0xFF505050;
constexpr ARGB kCaptionWhite = 0xFFFFFFFF;
constexpr ARGB kHighlight = 0xFF00FFFF;
constexpr ARGB kMarkFrame = 0xFFFF0000;
constexpr ARGB kGreyVeil = 0x99000000;
constexpr ARGB kSelectionPen = 0xFF4CFF29;
constexpr int kTileFontSize = 10;
constexpr int kIconCaptionGap = 20; // the icon's top lies this far above the key's bottom
}

void KeyboardCtrl::DrawControl(MGraphics& g, CRect)
{
    DrawCached(g, [this](MGraphics& face) { Paint(face); });
}

void KeyboardCtrl::Paint(MGraphics& g)
{
    g.SetAntialias(true);
    int const mode = m_mode;
    CPoint const origin = m_rect.TopLeft() + m_offset;
    if (mode == KBMODE_NONE) {
        PaintTiles(g, origin);
        return;
    }
    if (mode < KBMODE_CUSTOM || mode > KBMODE_MUSIC || m_picture.IsNull())
        return;
    // Without a size from the program the picture is shown at its own size.
    CSize size = m_picture_size.cx > 0 && m_picture_size.cy > 0 ? m_picture_size : m_picture.Size();
    size.cx = std::min(size.cx, m_picture.Width());
    size.cy = std::min(size.cy, m_picture.Height());
    g.DrawImage(m_picture, CRect(origin, size), CRect(0, 0, size.cx, size.cy));
    PaintOutlines(g, origin, mode);
    if (mode == KBMODE_USERLIGHT && m_selection->IsDragging()) {
        CRect const selection = m_selection->GetRectangle();
        if (!selection.IsRectEmpty())
            g.DrawDottedRect(selection, kSelectionPen, 2.0f);
    }
}

void KeyboardCtrl::PaintTiles(MGraphics& g, CPoint origin)
{
    MFont const font { L"", kTileFontSize, m_font_style };
    unsigned const centred = DT_CENTER | DT_VCENTER;
    std::lock_guard lock(m_lock);
    for (auto const& key : m_keys) {
        CRect rect = key->rect;
        rect.OffsetRect(origin.x, origin.y);
        CRect fill = rect;
        fill.DeflateRect(1, 1);
        g.FillRect(fill, kTileFill);
        bool const hasIcon = !key->icon.IsNull();
        if (!hasIcon) {
            CRect shadow = rect;
            shadow.OffsetRect(1, 1);
            g.DrawText(key->name, shadow, font, kCaptionShadow, centred);
            g.DrawText(key->name, rect, font, kCaptionWhite, centred);
            continue;
        }
        CSize const icon { key->icon_width, key->icon_height };
        if (key->name.empty()) {
            CPoint const at { rect.left + (rect.Width() - icon.cx) / 2, rect.top + (rect.Height() - icon.cy) / 2 };
            g.DrawImage(key->icon, CRect(at, icon));
            continue;
        }
        CRect caption = rect;
        caption.bottom -= kIconCaptionGap;
        g.DrawText(key->name, caption, font, kCaptionWhite, centred);
        CPoint const at { rect.left + (rect.Width() - icon.cx) / 2, rect.bottom - kIconCaptionGap };
        g.DrawImage(key->icon, CRect(at, icon));
    }
}

void KeyboardCtrl::PaintOutlines(MGraphics& g, CPoint origin, int mode)
{
    int const hover = m_hover;
    int const selected = m_selected;
    std::lock_guard lock(m_lock);
    for (auto const& key : m_keys) {
        CRect rect = key->rect;
        rect.OffsetRect(origin.x, origin.y);
        switch (mode) {
        case KBMODE_CUSTOM:
            if (key->grey != 0)
                FillKeyShape(g, rect, kGreyVeil);
            if (key->check != 0 || key->index == hover || key->index == selected)
                DrawKeyOutline(g, rect, kHighlight);
            if (key->mark != 0)
                g.DrawRect(rect, kMarkFrame, 2.0f);
            break;
        case KBMODE_LIGHT:
            DrawKeyOutline(g, rect, MakeARGB(m_frames->GetBrightness(key->index), 0, 255, 255));
            break;
        default: // per-key and music colours
            DrawKeyOutline(g, rect, ColorRefToARGB(key->color));
            break;
        }
    }
}

}
