#pragma once

#include <lumoui/Control.h>

namespace LumoUI {

// Hover over a control made of items (tabs, device tiles): the pointer is
// now over item `index` (-1 = none). Shows the hand over an item and
// repaints when the hovered item changed; returns 1 over an item.
inline int TrackItemHover(MControl& control, int& hover, int index)
{
    if (index != hover) {
        hover = index;
        control.SetCursorEx(index >= 0 ? L"hand" : L"arrow");
        control.UpdateControl(1, 0);
    }
    return index >= 0 ? 1 : 0;
}

}
