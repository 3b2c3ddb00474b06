// In-memory windows for tests and machines without a display: nothing is
// shown; the window system keeps every presented frame, and input comes
// from the test driver.

#include "window/Backend.h"

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace LumoUI {

namespace {

class HeadlessBackend final : public Backend {
public:
    bool CreateSurface(HWND, CRect, unsigned, unsigned) override { return true; }
    void DestroySurface(HWND) override { }
    void Show(HWND, bool, bool) override { }
    void Minimize(HWND) override { }
    void SetBounds(HWND, CRect) override { }
    void SetTitle(HWND, CString const&) override { }
    void Present(HWND, MImage const&, CRect) override { }
    void Raise(HWND) override { }
    void SetOpacity(HWND, float) override { }
    void CaptureMouse(bool) override { }
    void SetCursor(CursorKind) override { }
    CRect WorkArea(CPoint) override { return { 0, 0, 1920, 1040 }; }
    bool CursorPos(CPoint&) override { return false; }
    void Poll(std::vector<BackendEvent>&) override { }
    void SetTextInputRect(HWND, CRect) override { }

    void Wait(int timeoutMs) override
    {
        std::unique_lock lock(m_mutex);
        m_cv.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return m_woken; });
        m_woken = false;
    }

    void Wake() override
    {
        {
            std::lock_guard lock(m_mutex);
            m_woken = true;
        }
        m_cv.notify_all();
    }

    // A process-local text stands in for the desktop clipboard.
    bool SetClipboardText(CString const& text) override
    {
        std::lock_guard lock(m_mutex);
        m_clipboard = text;
        return true;
    }

    CString ClipboardText() override
    {
        std::lock_guard lock(m_mutex);
        return m_clipboard;
    }

private:
    std::mutex m_mutex;
    CString m_clipboard;
    std::condition_variable m_cv;
    bool m_woken { false };
};

}

std::unique_ptr<Backend> MakeHeadlessBackend() { return std::make_unique<HeadlessBackend>(); }

}
