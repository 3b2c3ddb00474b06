#pragma once

#include <lumoui/Export.h>
#include <lumoui/Messages.h>
#include <lumoui/Types.h>
#include <lumoui/WindowSystem.h>

namespace LumoUI {

// Thin owner of one top-level window of the toolkit's window system. The
// handle is set when the window is created and cleared when it is
// destroyed; the object outlives its window (the destructor destroys a
// window that is still alive). Every wrapper does nothing and returns
// 0/null/false on a dead or never-created window. Window thread only, except
// PostMessageW.
class LUMOUI_API MWindow {
public:
    MWindow();
    virtual ~MWindow();
    MWindow(MWindow const&) = delete;
    MWindow& operator=(MWindow const&) = delete;

    // ---- virtual operations ----
    virtual wchar_t const* GetWindowClassName();
    virtual wchar_t const* GetSuperClassName();
    virtual int ShowWindow(int nCmdShow);
    // Default: DefWindowProc.
    virtual LRESULT OnWindowMessage(unsigned msg, WPARAM wParam, LPARAM lParam);
    virtual int PreTranslateMessage(MSG* msg);
    virtual int OnInitDialog();
    virtual void OnDestroyMessage(HWND hwnd);

    // Creates the window (style WS_POPUP for a pop-up, WS_VISIBLE to show at
    // once). Returns the existing handle when already alive, null on failure.
    // OnInitDialog runs afterwards in every case.
    HWND Create(HWND parent, wchar_t const* name, unsigned style, unsigned exStyle, CRect rc);
    HWND Create(HWND parent);
    HWND Create(HWND parent, CRect rc);

    HWND GetSafeHwnd() const { return m_hwnd; }
    HWND GetParentHwnd() const { return m_parent; }
    // Shows the window and runs a nested message loop until it is destroyed;
    // the owner is disabled meanwhile. Returns the wParam of the WM_CLOSE
    // that ended it (IDOK 1, IDCANCEL 2, IDYES 6, IDNO 7), 0xFFFFFFFF when
    // there is no window. A WM_QUIT ends the loop and is posted again.
    unsigned ShowModal(int nCmdShow = SW_SHOW);
    void CenterWindow(MWindow* relativeTo = nullptr);
    void BringToTop();
    void SetIcon(unsigned resId);

    bool DestroyWindow();
    bool EnableWindow(bool enable);
    bool IsWindowEnabled() const;
    bool IsWindowVisible() const;
    bool IsIconic() const;
    bool IsZoomed() const;
    bool InvalidateRect(CRect rc, int erase);
    bool Invalidate();
    HWND SetCapture();
    bool ReleaseCapture();
    HWND SetFocus();
    // Window timer: WM_TIMER with wParam = id every elapseMs.
    unsigned SetTimer(unsigned id, unsigned elapseMs);
    bool KillTimer(unsigned id);
    bool ClientToScreen(CPoint& pt) const;
    bool ClientToScreen(CRect& rc) const;
    bool ScreenToClient(CPoint& pt) const;
    bool ScreenToClient(CRect& rc) const;
    bool SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, unsigned flags);
    bool MoveWindow(int x, int y, int width, int height, bool repaint = true);
    bool MoveWindow(CRect const& rc, bool repaint = true);
    bool GetClientRect(CRect& rc) const;
    // Screen coordinates.
    bool GetWindowRect(CRect& rc) const;
    bool SetWindowTextW(CString const& text);
    int GetWindowTextW(CString& text) const;
    int GetWindowTextLengthW() const;
    unsigned GetStyle() const;
    unsigned GetExStyle() const;
    // 0 when the style would not change.
    int ModifyStyle(unsigned remove, unsigned add, unsigned swpFlags = 0);
    int ModifyExStyle(unsigned remove, unsigned add, unsigned swpFlags = 0);
    LRESULT SendMessageW(unsigned msg, WPARAM wParam = 0, LPARAM lParam = 0);
    bool PostMessageW(unsigned msg, WPARAM wParam = 0, LPARAM lParam = 0);
    // Default processing: WM_CLOSE destroys the window, WM_NCLBUTTONDOWN
    // with HTCAPTION starts moving it with the mouse.
    LRESULT DefWindowProc(unsigned msg, WPARAM wParam, LPARAM lParam);

    // Window system glue (internal).
    void BindHandle(HWND hwnd) { m_hwnd = hwnd; }

protected:
    HWND m_parent { nullptr };
    HWND m_hwnd { nullptr };
};

}
