#pragma once

#include <lumoui/ControlList.h>
#include <lumoui/Export.h>
#include <lumoui/Graphics.h>
#include <lumoui/Image.h>
#include <lumoui/Timer.h>
#include <lumoui/Types.h>
#include <lumoui/WindowSystem.h>

#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace LumoUI {

class MControl;
class MObject;
class MWindow;
class TooltipWindow;

// How a window's background image is drawn.
enum enumBackMode : int {
    BACK_MODE_NORMAL = 0, // natural size at the client origin
    BACK_MODE_FRAME = 1, // nine-grid over the client area, corners of `param` pixels
};

// Level of the message overlay.
enum MsgLevel : int { MSG_INFO = 0, MSG_WARNING = 1, MSG_ERROR = 2 };

// One cached skin image: frame width = width / frames of the first load.
struct ImgResInfo {
    MImage image;
    int frame_width { 0 };
    int frame_height { 0 };
    int frames { 1 };
    CString file;
};

// A font family known to the font registry (the name Pango draws with).
struct FontFamily {
    CString name;
};

// The runtime of one window: owns its top-level controls (areas and
// controls), paints them double-buffered into an off-screen ARGB buffer,
// routes mouse and keyboard input, keeps hover, focus, press and capture,
// runs control timers and the animation timer, caches skin images and font
// families, and shows a tooltip and a message overlay.
//
// Threads: the window thread for everything, except OnMTimer (the
// animation timer thread, which only posts a tick request to the window)
// and OnControlUpdate/InvalidateRect, which any thread may call.
class LUMOUI_API PaintManager : public RKTimer {
public:
    PaintManager();
    ~PaintManager() override;

    // Binds the window; nothing for a null or dead handle.
    void Init(HWND hwnd, MWindow* owner);
    bool IsInitialized() const { return m_initialized; }
    // Non-zero = handled.
    LRESULT OnWindowMessage(unsigned msg, WPARAM wParam, LPARAM lParam);
    // Tab / Shift+Tab focus moves; 1 = consumed.
    int PreTranslateMessage(MSG* msg);

    // ---- factory (kind 0 = area, 1 = control) ----
    MControl* CreateControl(int kind, MObject* parent, wchar_t const* cls, unsigned id, CRect rc, wchar_t const* title, int visible, int enabled);
    MControl* CreateControl(MObject* parent, wchar_t const* cls, unsigned id, CRect rc, wchar_t const* title, int visible, int enabled);
    MControl* CreateArea(MObject* parent, wchar_t const* cls, unsigned id, CRect rc, wchar_t const* title, int visible, int enabled);
    // Adds a control built by the caller (kind 0 area, 1 control) with
    // parent and manager set and InitControl called.
    MControl* AddControl(int kind, MObject* parent, std::unique_ptr<MControl> control);
    MControl* GetControl(unsigned id);
    ControlList& GetControls() { return m_controls; }
    ControlList& GetAreas() { return m_areas; }
    void RemoveControl(MControl* control);
    void ClearAreaControls();
    void ClearControls();
    void ClearAllControls();
    // Forgets hover, focus, active and timer references to a control that
    // is going away (called by every control's destructor).
    void ForgetControl(MControl* control);

    // ---- appearance ----
    void SetBackColor(COLORREF back, COLORREF frame);
    COLORREF GetBackColor() const { return m_back_color; }
    COLORREF GetFrameColor() const { return m_frame_color; }
    void SetBackMode(enumBackMode mode, int param);
    int LoadBKImage(CString const& file);
    int LoadBKImage(unsigned resId, CString const& resType);
    // The background as an image already in memory (tests, generated skins).
    void SetBKImage(MImage image);
    MImage const& GetBKImage() const { return m_back_image; }
    void SetLayeredWindow(int on) { m_layered = on; }
    int IsLayered() const { return m_layered; }
    void EnableWndDrag(int on) { m_drag_window = on; }
    int IsWndDragEnabled() const { return m_drag_window; }
    COLORREF GetDefaultEnabledColor() const { return m_disabled_color; }
    void SetDefaultEnabledColor(COLORREF color) { m_disabled_color = color; }
    void SetScrollResID(unsigned vertical, unsigned horizontal) { m_vscroll_res = vertical; m_hscroll_res = horizontal; }
    unsigned GetScrollResID(bool vertical) const { return vertical ? m_vscroll_res : m_hscroll_res; }

    // ---- painting ----
    void Invalidate();
    void InvalidateRect(CRect rc, int erase);
    // Any thread. Repaint request of a top-level control: its cache is
    // marked dirty (markDirty) and every later item overlapping rc too.
    LRESULT OnControlUpdate(CRect rc, int markDirty, MControl* ctrl);
    // Paints the update region now (WM_PAINT); 1 when painted.
    int OnPaint();
    // Paints the whole client area into a new image (tests, screenshots).
    MImage PaintToImage();
    // Number of paints so far (tests, benchmarks).
    uint64_t GetPaintCount() const { return m_paint_count; }
    // The area the last paint covered.
    CRect GetLastPaintRect() const { return m_last_paint_rect; }

    // ---- input state ----
    void SetFocusControl(MControl* control);
    MControl* GetFocusControl() const { return m_focus; }
    MControl* GetHoverControl() const { return m_hover; }
    MControl* GetNextFocusableControl();
    MControl* GetPrevFocusableControl();
    void SetCapture();
    void ReleaseCapture();
    bool IsCaptured() const { return m_captured; }
    bool IsPressed() const { return m_pressed; }
    // Modifier code of the current key state (16 Shift, 18 Alt, | 17 Ctrl).
    static unsigned GetModifierCode();

    // ---- control timers (window timers) ----
    int SetTimer(MControl* control, unsigned localId, unsigned elapseMs);
    int KillTimer(MControl* control, unsigned localId);
    void KillTimer(MControl* control);
    void ClearTimers();

    // ---- animation timer ----
    void SetMTimer(unsigned periodMs);
    void KillMTimer(unsigned id);
    void KillMTimer();
    unsigned GetMTimerID() const { return m_animation_timer; }
    int AddMTimer(MControl* control);
    int DeleteFSTimer(MControl* control);
    void OnMTimer(unsigned id) override;
    // Window thread: one animation tick to every listed control that runs
    // its timer and is visible with all its parents.
    void RunAnimationTick();

    // ---- images ----
    // Cached by file name; the frame count of the first load wins. Null when
    // the file cannot be loaded (nothing is cached).
    ImgResInfo* AddImgResInfo(wchar_t const* file, int frames);
    ImgResInfo* AddImgResInfo(unsigned resId, CString const& resType, int frames, int reserved = 0);
    void ClearImgResInfo();
    size_t GetImageCacheSize() const;
    // The skin folder with a trailing slash: <program folder>/skins/<theme>/.
    static CString GetSkinFolder();
    // A skin file's name as the skin folder spells it: the program and the
    // layout files name files with either separator ("icon\\icon_keyboard.png");
    // '\\' becomes '/'. Every skin file the toolkit loads goes through it.
    static CString NormalizeSkinName(CString name);
    // GetSkinFolder() + NormalizeSkinName(name).
    static CString GetSkinFile(CString const& name);

    // ---- fonts ----
    FontFamily* AddTempFont(wchar_t const* family, wchar_t const* file);
    FontFamily* AddTempFont(wchar_t const* family, unsigned resId);
    int AddGDITempFont(unsigned resId);
    // The process-wide family, whatever name is asked for.
    FontFamily* FindTempFont(wchar_t const* name);
    void ClearTempFont();

    // ---- tooltip and message overlay ----
    void SetTooltip(wchar_t const* text, CRect rc);
    void ClearTooltip();
    HWND GetToolTipWnd() const;
    CString GetTooltipText() const { return m_tooltip_text; }
    int GetTooltipCtrlID() const { return m_tooltip_ctrl; }
    void SetTooltipCtrlID(int id) { m_tooltip_ctrl = id; }
    void SetMessage(CString const& text, CRect rc, MsgLevel level);
    void SetProgress(int percent, CString const& text, CRect rc);
    int GetMessageAlpha() const { return m_msg_alpha; }
    int GetShownProgress() const { return m_msg_progress; }

    // ---- window ----
    void SetWindowMaxSize(int w, int h) { m_max_size = { w, h }; }
    void GetWindowManSize(int& w, int& h) const { w = m_max_size.cx; h = m_max_size.cy; }
    void SetWindowMixSize(int w, int h) { m_min_size = { w, h }; }
    void GetWindowMinSize(int& w, int& h) const { w = m_min_size.cx; h = m_min_size.cy; }
    HWND GetPaintWnd() const { return m_hwnd; }
    MWindow* GetOwner() const { return m_owner; }
    void GetClientRect(CRect& rc) const;
    void GetWindowRect(CRect& rc) const;
    void GetClientSize(int& w, int& h) const;
    void SetCaptionRect(CRect rc) { m_caption = rc; }
    CRect GetCaptionRect() const { return m_caption; }
    LRESULT SendMessageW(unsigned msg, WPARAM wParam, LPARAM lParam);
    bool PostMessageW(unsigned msg, WPARAM wParam, LPARAM lParam);

    // Releases everything bound to the window (timers, controls, caches).
    void DestroyData();

private:
    struct TimerRecord {
        MControl* control;
        unsigned local_id;
        unsigned window_id;
        bool killed;
    };

    void DrawBackground(MGraphics& g, CRect client);
    void SetUpdateAll();
    void DrawControls(MGraphics& g, CRect clip);
    void DrawMessageOverlay(MGraphics& g);
    LRESULT OnMouseMove(WPARAM flags, CPoint pt);
    LRESULT OnLButtonDown(WPARAM flags, CPoint pt);
    LRESULT OnLButtonUp(WPARAM flags, CPoint pt);
    LRESULT OnLButtonDblClk(WPARAM flags, CPoint pt);
    LRESULT OnRButtonDown(WPARAM flags, CPoint pt);
    LRESULT OnRButtonUp(WPARAM flags, CPoint pt);
    LRESULT OnRButtonDblClk(WPARAM flags, CPoint pt);
    LRESULT OnMouseWheel(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseLeave();
    LRESULT OnNcActivate(WPARAM active);
    LRESULT OnKeyDown(WPARAM vk);
    LRESULT OnChar(WPARAM ch);
    void OnComposition();
    LRESULT OnTimer(WPARAM id);
    void OnMessageTimer(unsigned id);
    bool HoverTakes(CPoint pt, unsigned flags) const;
    // True when `control` sits somewhere below `ancestor` in the control tree.
    static bool IsDescendant(MControl const* control, MControl const* ancestor);
    void LeaveHover(bool asButtonUp);
    void StartWindowDrag(CPoint pt);

    HWND m_hwnd { nullptr };
    MWindow* m_owner { nullptr };
    bool m_initialized { false };
    COLORREF m_back_color;
    COLORREF m_frame_color;
    COLORREF m_disabled_color { 0x808080 };
    MImage m_back_image;
    enumBackMode m_back_mode { BACK_MODE_NORMAL };
    int m_back_param { 4 };
    int m_layered { 0 };
    int m_drag_window { 1 };

    ControlList m_areas;
    ControlList m_controls;
    mutable std::mutex m_animation_mutex;
    std::vector<MControl*> m_animation;
    std::mutex m_timer_mutex;
    std::vector<TimerRecord> m_timers;
    unsigned m_timer_counter { 4096 };
    std::atomic<unsigned> m_animation_timer { 0 };
    std::atomic<bool> m_tick_pending { false };

    MControl* m_hover { nullptr };
    MControl* m_focus { nullptr };
    bool m_pressed { false };
    bool m_captured { false };
    bool m_dblclk { false };
    bool m_right_pressed { false };
    bool m_tracking { false };

    CSize m_max_size;
    CSize m_min_size;
    CRect m_caption;
    unsigned m_vscroll_res { 102 };
    unsigned m_hscroll_res { 101 };

    std::unique_ptr<TooltipWindow> m_tooltip;
    CString m_tooltip_text;
    int m_tooltip_ctrl { 0 };

    CString m_msg_text;
    MsgLevel m_msg_level { MSG_INFO };
    CRect m_msg_rect;
    int m_msg_alpha { 0 };
    int m_msg_progress { 0 };
    int m_msg_target { 0 };

    mutable std::mutex m_image_mutex;
    std::map<CString, std::unique_ptr<ImgResInfo>> m_images;
    std::mutex m_font_mutex;
    std::map<CString, std::unique_ptr<FontFamily>> m_fonts;

    MImage m_buffer;
    uint64_t m_paint_count { 0 };
    CRect m_last_paint_rect;
    uint32_t m_last_paint_tick { 0 };
};

}
