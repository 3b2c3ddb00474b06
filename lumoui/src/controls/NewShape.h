#pragma once

#include <lumoui/Graphics.h>

namespace LumoUI {

// Drawn text leaves the painter's pen where the text ended; an ellipse or
// arc drawn next would be joined to that point by a stray line. Filling an
// empty rectangle starts a fresh shape without drawing anything.
inline void NewShape(MGraphics& g)
{
    g.Clear(CRect(), 0);
}

}
