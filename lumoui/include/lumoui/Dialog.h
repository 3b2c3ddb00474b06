#pragma once

#include <lumoui/Export.h>
#include <lumoui/Object.h>
#include <lumoui/PaintManager.h>
#include <lumoui/Window.h>

#include <functional>

namespace LumoUI {

class MControl;
class MDialog;

enum AIRBLADDER_TYPE : int { AIRBLADDER_LEFT = 0, AIRBLADDER_CENTER = 1, AIRBLADDER_RIGHT = 2 };

// Size limits handed to OnGetMinMaxInfo.
struct MINMAXINFO {
    CPoint ptMaxSize;
    CPoint ptMaxPosition;
    CPoint ptMinTrackSize;
    CPoint ptMaxTrackSize;
};

// A caption-less top-level window with its paint manager and control tree.
// Derived dialogs create their controls in InitUI, re-lay them out in
// UISize and receive control notifications in OnMessage. End a modal
// dialog with DoOK/DoCancel/DoClose/DoYes/DoNo (safe from any thread).
class LUMOUI_API MDialog : public MWindow, public MObject {
public:
    MDialog();
    ~MDialog() override;

    // ---- MWindow ----
    LRESULT OnWindowMessage(unsigned msg, WPARAM wParam, LPARAM lParam) override;
    int PreTranslateMessage(MSG* msg) override;
    int OnInitDialog() override;
    void OnDestroyMessage(HWND hwnd) override;

    // ---- MObject part: parent of every top-level control ----
    wchar_t const* GetClassNameW() override;
    LRESULT OnBaseMessage(unsigned id, unsigned code, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnControlUpdate(CRect rc, int markDirty, MControl* ctrl) override;
    ControlList* GetChildControlList() override;

    // ---- dialog hooks ----
    // Screen point under ctrl's bottom edge: left (0), centre (1), right (2).
    virtual CPoint GetAirBladderPoint(MControl* ctrl, unsigned type);
    virtual void OnMinimize();
    virtual void OnMaximize();
    virtual void InitUI(CRect client);
    virtual void UISize(CRect client);
    virtual LRESULT OnMessage(unsigned id, unsigned code, WPARAM wParam, LPARAM lParam);
    // Posts WM_CLOSE with the same parameters; 1.
    virtual LRESULT OnUserCloseWindow(WPARAM wParam, LPARAM lParam);
    virtual int OnCreate();
    virtual int OnSize(unsigned type, int cx, int cy);
    virtual int OnMouseMove(WPARAM flags, CPoint pt);
    virtual int OnMouseLeave(WPARAM wParam, LPARAM lParam);
    virtual int OnMouseHover(WPARAM wParam, LPARAM lParam);
    virtual int OnMouseWheel(WPARAM wParam, LPARAM lParam);
    virtual int OnLButtonDown(WPARAM flags, CPoint pt);
    virtual int OnLButtonUp(WPARAM flags, CPoint pt);
    virtual int OnLButtonDblClk(WPARAM flags, CPoint pt);
    virtual int OnRButtonDown(WPARAM flags, CPoint pt);
    virtual int OnRButtonUp(WPARAM flags, CPoint pt);
    virtual int OnRButtonDblClk(WPARAM flags, CPoint pt);
    virtual int OnKeyDown(WPARAM vk, LPARAM lParam);
    virtual int OnNcHitTest(CPoint pt);
    virtual int OnGetMinMaxInfo(MINMAXINFO* info);
    virtual int OnNcActivate(int active);
    virtual int OnWindowPosChanging();
    virtual int OnWindowPosChanged();
    virtual int OnPaint();
    virtual void OnTimer(unsigned id);
    virtual int OnNcPaint();
    virtual int OnClose();
    virtual int OnDestroy();
    virtual int PostNcDestroy();

    // ---- factory ----
    MControl* CreateControl(wchar_t const* cls, unsigned id, CRect rc, wchar_t const* title = L"", int visible = 1, int enabled = 1);
    MControl* CreateArea(wchar_t const* cls, unsigned id, CRect rc, wchar_t const* title = L"", int visible = 1, int enabled = 1);
    // Pre-order over controls (with their subtrees), then areas; null when absent.
    MControl* GetControl(unsigned id);
    ControlList* GetControls();

    int LoadBKImage(CString const& file);
    int LoadBKImage(unsigned resId, CString const& resType);
    void SetBackMode(enumBackMode mode, int param);
    void SetLayeredWindow(int on);
    void EnableWndDrag(int on);
    void SetFocusControl(MControl* ctrl);
    void SetMTimer(unsigned periodMs);
    void KillMTimer(unsigned id);
    // Post WM_MDIALOG_CLOSE with IDOK, IDCANCEL, IDCANCEL, IDYES, IDNO.
    void DoOK();
    void DoCancel();
    void DoClose();
    void DoYes();
    void DoNo();
    void SetTooltip(CString const& text, CRect rc);
    void ClearTooltip();
    void SetTooltipCtrlID(int id);
    int GetTooltipCtrlID();
    // An empty rc becomes a 200 × 58 box centred horizontally, its bottom 2
    // pixels above the client bottom, moved down by the message offset.
    void SetMessage(CString const& text, CRect rc, MsgLevel level);
    void SetProgress(int percent, CString const& text, CRect rc);
    void SetMessageOffset(int offset) { m_message_offset = offset; }
    // Balloon tip below a point (screen coordinates); 0 when x or y is 0 or
    // no balloon window is available.
    int SetAirBladderMsg(wchar_t const* text, CPoint screenPt, AIRBLADDER_TYPE type);
    // The pop-up module installs the balloon window through this hook.
    using AirBladderHandler = std::function<int(MDialog&, wchar_t const*, CPoint, AIRBLADDER_TYPE)>;
    static void SetAirBladderHandler(AirBladderHandler handler);

    // Drop shadow settings (kept; no shadow window is drawn).
    void CreateShadow(int size, bool show);
    void SetShadowShow(bool show) { m_shadow_show = show; }
    // -35..35; 0 outside (unchanged).
    int SetSize(int size);
    int GetShadowSize() const { return m_shadow_size; }
    int SetSharpness(int sharpness);
    int SetDarkness(int darkness);
    int SetPosition(int x, int y);
    int SetShadowColor(COLORREF color);
    void SetScrollResID(unsigned vertical, unsigned horizontal);
    void SetupBackTranslucent();
    void SetWindowAlpha(int alpha) { m_alpha = alpha; }
    void SetColorKey(COLORREF key) { m_color_key = key; }

    CRect GetClient() const { return m_client; }
    PaintManager& GetPaintManager() { return m_paint_manager; }

protected:
    PaintManager m_paint_manager;
    CRect m_client;
    COLORREF m_color_key { 0xFFFFFF };
    int m_alpha { 255 };
    int m_message_offset { 0 };
    bool m_shadow_show { false };
    int m_shadow_size { 0 };
    int m_shadow_sharpness { 5 };
    int m_shadow_darkness { 200 };
    CPoint m_shadow_position;
    COLORREF m_shadow_color { 0 };
};

}
