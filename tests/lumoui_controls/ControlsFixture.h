#pragma once

// A headless dialog that records notifications and the program-range
// messages posted to it, with a skin folder of its own for test images.

#include <lumoui/LumoUI.h>
#include <lumoui/TestDriver.h>
#include <test_support/TempDir.h>

#include <memory>
#include <vector>

namespace ControlsTest {

using namespace LumoUI;

struct Notice {
    unsigned id;
    unsigned code;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(Notice const&) const = default;
};

struct Posted {
    unsigned msg;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(Posted const&) const = default;
};

class RecordingDialog : public MDialog {
public:
    LRESULT OnMessage(unsigned id, unsigned code, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnWindowMessage(unsigned msg, WPARAM wParam, LPARAM lParam) override;

    std::vector<Notice> notices;
    std::vector<Posted> posted;
    std::vector<Notice> With(unsigned code) const;
};

// The driver (in-memory backend), a skin folder under a temporary program
// folder, and a shown 600 × 400 dialog at (100, 100) of the screen.
class ControlsFixture {
public:
    ControlsFixture();
    ~ControlsFixture();

    HWND Hwnd() const { return dialog->GetSafeHwnd(); }
    // Writes a skin image under <program folder>/skins/theme1/.
    void WriteSkin(char const* name, MImage const& image) const;
    void Move(CPoint pt);
    void Press(CPoint pt);
    void Release(CPoint pt);
    void Click(CPoint pt);
    void Key(unsigned vk);
    // Keys pressed with modifier keys held (VK_SHIFT, VK_CONTROL).
    void KeyWith(unsigned modifier, unsigned vk);
    void KeyWith(unsigned modifier1, unsigned modifier2, unsigned vk);
    void Type(CString const& text);
    void Settle() { driver.RunUntilIdle(); }
    MImage Capture();

    template<typename T>
    T* Create(wchar_t const* cls, unsigned id, CRect rc, wchar_t const* title = L"")
    {
        return dynamic_cast<T*>(dialog->CreateControl(cls, id, rc, title, 1, 1));
    }

    TestDriver driver;
    TestSupport::TempDir folder;
    std::unique_ptr<RecordingDialog> dialog;
};

// A w × h image of one colour.
MImage SolidImage(int width, int height, ARGB color);
// A strip of frames, frame i filled with colors[i].
MImage StripImage(int frameWidth, int height, std::vector<ARGB> const& colors);

}
