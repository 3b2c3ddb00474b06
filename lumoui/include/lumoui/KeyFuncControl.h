#pragma once

#include <lumoui/Export.h>
#include <lumoui/Graphics.h>
#include <lumoui/Image.h>
#include <lumoui/Panel.h>
#include <lumoui/Types.h>

#include <memory>
#include <mutex>
#include <vector>

namespace LumoUI {

// One tile of the key-function panel.
struct KeyFuncItem {
    CString text; // caption, or the tooltip of an icon tile
    int data { 0 }; // HID keyboard usage, or media function code 232-249
    int value2 { 0 };
    int value3 { 0 };
    MImage icon; // null for a text tile
    CRect rect; // relative to the panel's top-left corner (unscrolled)
};

// "KeyFuncControl": an on-screen keyboard of 122 tiles (18 media icons and a
// full-size 104-key layout) from which the user picks the function to give
// a key. A left release on the panel reports NOTIFY_LBUTTONDOWN (1) with
// wParam = index of the tile under the mouse, or -1 for none. The wheel is
// swallowed (the panel does not move). Tiles are drawn from the strip image
// set with SetImage: frame 0 normal, 1 hovered, 2 checked or clicked.
//
// Threads: window thread; the tile list has its own lock because painting
// may interleave with repaints requested by the animation timer.
class LUMOUI_API KeyFuncControl : public MPanel {
public:
    explicit KeyFuncControl(int visible = 1);
    ~KeyFuncControl() override;

    // Clears the panel and creates the 122 tiles.
    void InitItemInfo();
    void ClearItems();
    // The first tile with this data gets `text` (icon tiles show it as tooltip).
    void SetItemDesc(int data, CString const& text);
    // The tile whose data and two further values all match becomes the
    // checked tile; data 0 (or no match) checks none. Resets the clicked tile.
    void SetItemCheckByItemData(int data, int value2, int value3);
    // The clicked tile's data, further values and text; false (nothing
    // written) when no tile has been clicked. `first` is not written.
    bool GetCurItemData(int& first, int& data, int& value2, int& value3, CString& text);

    int GetItemCount();
    // A copy of a tile; an empty tile with data 0 outside the list.
    KeyFuncItem GetItem(int index);
    int GetHoverIndex() const { return m_hover; }
    int GetClickedIndex() const { return m_clicked; }
    int GetCheckedIndex() const { return m_checked; }

    // ---- MControl ----
    void DrawControl(MGraphics& g, CRect clip) override;
    int OnControlMouseMove(unsigned flags, CPoint pt) override;
    int OnControlLButtonDown(unsigned flags, CPoint pt) override;
    int OnControlLButtonUp(unsigned flags, CPoint pt) override;
    int OnControlScroll(int notches, unsigned direction, CPoint pt) override;

private:
    int HitTest(CPoint pt);
    CRect TileScreenRect(KeyFuncItem const& item) const;
    void UpdateHover(CPoint pt);
    void PaintTiles(MGraphics& g);
    void PaintTile(MGraphics& g, KeyFuncItem const& item, int frame);
    MFont TileFont(CString const& text, int tileWidth) const;

    mutable std::mutex m_lock; // the tiles
    std::vector<KeyFuncItem> m_items;
    int m_hover { -1 };
    int m_clicked { -1 };
    int m_checked { -1 };
};

}
