#pragma once

#include <lumoui/Image.h>
#include <lumoui/Types.h>

#include <vector>

namespace LumoUI {

class MWindow;

// Window-system record of one top-level window. Fields are touched on the
// window thread only, except the update region (WindowSystem's lock).
struct NativeWindow {
    MWindow* object { nullptr };
    HWND owner { nullptr };
    CString title;
    unsigned style { 0 };
    unsigned ex_style { 0 };
    CRect rect; // screen coordinates; the client area is the whole window
    bool visible { false };
    bool alive { true };
    bool track_leave { false };
    CRect invalid; // guarded by WindowSystem's lock
    uint32_t last_paint { 0 };
    bool painted_once { false };
    MImage frame; // the pixels last presented
    CString composition; // an input method's uncommitted text
    int composition_cursor { 0 };
    CRect text_input_rect; // client coordinates, where the candidates go

    struct Timer {
        unsigned id;
        unsigned period;
        uint32_t due;
    };
    std::vector<Timer> timers;
};

}
