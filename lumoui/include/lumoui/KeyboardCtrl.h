#pragma once

#include <lumoui/Export.h>
#include <lumoui/Image.h>
#include <lumoui/Panel.h>
#include <lumoui/Types.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace LumoUI {

class CKeyboardTips;
class FrameSelection;
class KeyboardTipsHost;
class LightFrames;

// Display modes of the keyboard picture (SetKeyboardCtrlMode).
enum KeyboardCtrlMode : int {
    KBMODE_NONE = 100, // no picture; every key a filled tile with caption or icon
    KBMODE_CUSTOM = 101, // picture; outlines on checked, hovered, selected keys; red frame on marked keys
    KBMODE_LIGHT = 102, // picture; cyan outlines whose alpha follows the lighting frames
    KBMODE_USERLIGHT = 103, // picture; outlines in each key's colour; click and drag painting
    KBMODE_MUSIC = 104, // picture; outlines in each key's colour
};

// One physical key of the picture. The records are owned by the control;
// the program keeps the pointers GetKeyItems hands out and may read and
// write the fields directly on the window thread (ClearItem and the
// destructor free them).
struct KEY_INFO {
    int index { 0 }; // position in the key list when added
    uint32_t key_value { 0 }; // identifier every by-key operation looks up (first match wins)
    CString name; // caption drawn on the tile in mode 100
    CString text; // title of the key's tip
    CString tip_type; // first tip line
    CString tip_name; // second tip line
    CRect rect; // key rectangle in keyboard-picture coordinates
    int check { 0 }; // 1 = checked: highlighted in mode 101, set by drag painting in mode 103
    int mark { 0 }; // 1 = marked: red frame in mode 101 (set by the program only)
    COLORREF color { 0x00E1FF }; // the key's colour; 0 = unpainted in mode 103
    MImage icon; // icon from the skin folder, or null
    int icon_width { 0 };
    int icon_height { 0 };
    int grey { 0 }; // 1 = the key cannot be assigned on this layer: dimmed in mode 101
};

// "KeyboardCtrl": a picture of the keyboard on which the user points at keys.
// The program gives it a picture and one KEY_INFO per key and chooses a
// display mode. Left and right releases report NOTIFY_CLICK (2) and
// NOTIFY_RBUTTONUP (5) with wParam = index of the key pressed last and
// lParam = its key value, or wParam = -1 and lParam = 0 when the press hit
// no key or the release is outside the control.
//
// Threads: everything runs on the window thread, except that the by-key
// setters, the frame data and the animation tick may also be called from
// another thread: the key list and the frame data are guarded by one lock,
// held by every walk of the keys (drawing included). GetKeyItems hands out
// raw pointers: touch their fields on the window thread only.
class LUMOUI_API KeyboardCtrl : public MPanel {
public:
    explicit KeyboardCtrl(int visible = 1);
    ~KeyboardCtrl() override;

    // ---- keys ----
    // Appends a key (tip lines empty, check 0, mark 0, colour 0x00E1FF);
    // a non-empty iconFile is loaded from the skin folder (a failed load
    // leaves no icon). Returns the key's position.
    int AddKeyItem(wchar_t const* name, wchar_t const* text, uint32_t keyValue, CRect rect, CString const& iconFile = {});
    // Deletes every key; hover and selection become -1.
    void ClearItem();
    // A copy of the list of pointers; the records stay owned by the control.
    std::vector<KEY_INFO*> GetKeyItems();
    int GetKeyCount();

    // ---- picture and mode ----
    // Loads skin folder + file as the keyboard picture (a failed load leaves none).
    void SetKeyboardImage(CString const& file);
    // The picture as an image already in memory (generated layouts, tests).
    void SetKeyboardImage(MImage image);
    // Picture size; with a known control rectangle the picture is centred
    // horizontally and top-aligned.
    void SetWidthAndHeight(int width, int height);
    void SetKeyboardCtrlMode(int mode);
    int GetKeyboardCtrlMode() const { return m_mode.load(); }
    // Where the picture's top-left lies inside the control.
    CPoint GetPictureOffset() const;
    // A key rectangle moved by the picture offset (relative to the control).
    CRect GetRealRect(CRect rect) const;

    // ---- checks, selection, colours (by key value: first match, unknown values do nothing) ----
    void SetKeyCheck(uint32_t keyValue, int check);
    void ResetAllItemCheck();
    void ResetAllItemCheck(int check);
    int GetCheckItemCount();
    void SetSelectItem(int index);
    int GetSelectItem() const { return m_selected.load(); }
    int GetHoverItem() const { return m_hover.load(); }
    void SetKeyColor(uint32_t keyValue, COLORREF color);
    // 0 for an unknown key value.
    COLORREF GetKeyColor(uint32_t keyValue);
    // The selected key and every checked key get the colour.
    void SetAllSelectColor(COLORREF color);
    void ResetAllItemsColor(COLORREF color);
    // Every key white when allWhite is non-zero, else `color`.
    void SetLightModeColor(int allWhite, COLORREF color);
    // The colour that clicks and drag painting apply in mode 103.
    void SetCustomColor(COLORREF color);
    COLORREF GetCustomColor() const { return m_custom_color.load(); }
    // On a change every key becomes cyan (COLORREF 0xFFFF00).
    void SetMusicBrightness(int brightness);

    // ---- lighting preview (mode 102) ----
    // Copies `length` bytes as frames of one byte per key; fewer bytes than
    // keys, no keys or length <= 0 clear the frames.
    void SetLightModeData(uint8_t const* data, int length);
    // Speed 0..3 → 5..2 ticks of the animation timer per frame, else 1.
    void SetLightSpeed(int speed);
    int GetTicksPerFrame();
    int GetLightFrameCount();
    int GetLightFrameIndex();

    // ---- captions and tips ----
    // `desc` becomes both caption and tip title of the key.
    void SetKeyDesc(uint32_t keyValue, CString const& desc);
    void SetTipKey(uint32_t keyValue, CString const& type, CString const& name);
    void ResetTipKey();
    void EnableKBTips(bool enable);
    // Shows (or hides) the tip window of `key` anchored at the middle of
    // keyRect's top edge (keyRect in dialog client coordinates).
    void SetTips(KEY_INFO* key, CRect keyRect, bool show);
    // The tip window; null until the first tip was shown.
    CKeyboardTips* GetTipWindow() const;

    void EnableFrameSelect(int enable);
    // Key value of the last clicked key, 0 when the last click hit no key.
    int GetCurrentKeyValue() const { return m_current_key_value.load(); }

    // ---- MControl ----
    void InitControl(PaintManager* manager) override;
    void SetControlRect(CRect rc) override;
    // A hidden or disabled picture takes its tip away with it.
    void SetControlVisible(int visible) override;
    void SetControlEnabled(int enabled) override;
    void DrawControl(MGraphics& g, CRect clip) override;
    int OnControlTimer() override;
    int OnControlMouseMove(unsigned flags, CPoint pt) override;
    int OnControlLButtonDown(unsigned flags, CPoint pt) override;
    int OnControlLButtonUp(unsigned flags, CPoint pt) override;
    int OnControlRButtonDown(unsigned flags, CPoint pt) override;
    int OnControlRButtonUp(unsigned flags, CPoint pt) override;
    int OnCheckMouseResponse(unsigned flags, CPoint pt) override;

private:
    KEY_INFO* FindKey(uint32_t keyValue); // lock held
    int HitTest(CPoint pt); // takes the lock
    CRect KeyScreenRect(KEY_INFO const& key) const; // dialog client coordinates
    void Repaint();
    void RepaintUnlessAnimating();
    void OnPress(CPoint pt);
    void OnRelease(CPoint pt, unsigned code);
    void RunFrameSelection(CPoint pt);
    void HideTip();

    void Paint(MGraphics& g);
    void PaintTiles(MGraphics& g, CPoint origin);
    void PaintOutlines(MGraphics& g, CPoint origin, int mode);

    mutable std::mutex m_lock; // the key list and the frame data
    std::vector<std::unique_ptr<KEY_INFO>> m_keys;
    std::unique_ptr<LightFrames> m_frames;
    int m_added_count { 0 };

    std::atomic<int> m_hover { -1 };
    std::atomic<int> m_selected { -1 };
    std::atomic<int> m_mode { KBMODE_NONE };
    MImage m_picture;
    CPoint m_offset { 6, 6 };
    CSize m_picture_size;
    double m_scale { 1.0 };
    std::atomic<int> m_music_brightness { 255 };
    std::atomic<COLORREF> m_custom_color { 255 };
    std::atomic<int> m_current_key_value { 0 };
    std::atomic<bool> m_animating { false };
    bool m_in_animation_list { false };

    bool m_tips_enabled { false };
    std::unique_ptr<KeyboardTipsHost> m_tips;
    int m_frame_select { 0 };
    std::unique_ptr<FrameSelection> m_selection;
};

}
