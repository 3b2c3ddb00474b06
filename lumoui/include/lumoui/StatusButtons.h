#pragma once

#include <lumoui/Export.h>
#include <lumoui/MButton.h>

#include <cstdint>

namespace LumoUI {

// "CTextButton": a text-only button whose title colour follows its state
// (SetTextButtonColor); codes 1 and 2 like MButton; hovered text is
// underlined.
class LUMOUI_API CTextButton : public MButtonBase {
public:
    explicit CTextButton(CString const& title = L"", int visible = 1, int enabled = 1);
    void DrawControl(MGraphics& g, CRect clip) override;
    void SetTextButtonColor(ARGB normal, ARGB hover, ARGB pressed, ARGB disabled = 0xFF808080);

private:
    ARGB m_colors[4] { 0xFFFFFFFF, 0xFF10A8FD, 0xFF0C86CA, 0xFF808080 };
};

// "CHelpButton": a help icon (image frames by hover); it only reacts to
// hovering (its title, when set, is its tooltip) and reports nothing.
class LUMOUI_API CHelpButton : public MButtonBase {
public:
    explicit CHelpButton(CString const& title = L"", int visible = 1, int enabled = 1);
    void DrawControl(MGraphics& g, CRect clip) override;
    int OnControlLButtonDown(unsigned flags, CPoint pt) override;
    int OnControlLButtonUp(unsigned flags, CPoint pt) override;
    void SetControlTitle(wchar_t const* title) override;
};

// "UpgradeButton": an MButton with an update-available mark drawn over
// its image at the top right while the status is not 0 (the skin image
// "img_upgrade_mark.png", else a red dot). Codes 1 and 2.
class LUMOUI_API UpgradeButton : public MButton {
public:
    explicit UpgradeButton(CString const& title = L"", int visible = 1);
    void DrawControl(MGraphics& g, CRect clip) override;
    void SetUpgradeStatus(int status);
    int GetUpgradeStatus() const { return m_status; }

private:
    int m_status { 0 };
};

// "DownloadButton": an MButton that shows a download progress (0-100) as
// a bar along its bottom edge and the percentage as its text while a
// download runs (1-99). Codes 1 and 2.
class LUMOUI_API DownloadButton : public MButton {
public:
    explicit DownloadButton(CString const& title = L"", int visible = 1);
    void DrawControl(MGraphics& g, CRect clip) override;
    // Clamped to 0..100; repaints on change.
    void SetDownloadProcess(int percent);
    int GetDownloadProcess() const { return m_percent; }

private:
    int m_percent { 0 };
};

// "CTimerButton": an MButton with a ten-second run. SetRun(1) starts it:
// once 800 ms have passed it repaints on every animation tick (a ring
// fills with the elapsed time), and 10 000 ms after the start it notifies
// NOTIFY_CLICK and stops. SetRun(0) stops it silently. The control joins
// the paint manager's animation list in InitControl.
class LUMOUI_API CTimerButton : public MButton {
public:
    static constexpr uint32_t kRepaintAfterMs = 800;
    static constexpr uint32_t kRunMs = 10000;

    explicit CTimerButton(CString const& title = L"", int visible = 1, int enabled = 1);
    void InitControl(PaintManager* manager) override;
    void DrawControl(MGraphics& g, CRect clip) override;
    int OnControlTimer() override;
    void SetRun(int run);
    int IsRunning() const { return m_running; }
    // Milliseconds since the start (0 when not running).
    uint32_t Elapsed() const;

private:
    int m_running { 0 };
    uint32_t m_start { 0 };
};

}
