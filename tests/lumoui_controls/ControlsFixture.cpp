#include "ControlsFixture.h"

#include <algorithm>
#include <filesystem>

namespace ControlsTest {

// Every test runs on the in-memory backend, also on machines with a display.
static bool const s_headless = (UseHeadlessBackend(), true);

LRESULT RecordingDialog::OnMessage(unsigned id, unsigned code, WPARAM wParam, LPARAM lParam)
{
    notices.push_back({ id, code, wParam, lParam });
    return 1;
}

LRESULT RecordingDialog::OnWindowMessage(unsigned msg, WPARAM wParam, LPARAM lParam)
{
    bool const program_message = msg >= WM_USER && msg < WM_APP && msg != WM_MDIALOG_CLOSE && msg != WM_LUMO_ANIMATE;
    if (program_message)
        posted.push_back({ msg, wParam, lParam });
    return MDialog::OnWindowMessage(msg, wParam, lParam);
}

std::vector<Notice> RecordingDialog::With(unsigned code) const
{
    std::vector<Notice> result;
    std::copy_if(notices.begin(), notices.end(), std::back_inserter(result), [code](Notice const& n) { return n.code == code; });
    return result;
}

ControlsFixture::ControlsFixture()
{
    std::filesystem::create_directories(folder.path() / "skins" / "theme1");
    Manager::SetAppDirectory(folder.path().wstring());
    dialog = std::make_unique<RecordingDialog>();
    dialog->Create(nullptr, L"controls test", WS_POPUP, 0, CRect(100, 100, 700, 500));
    dialog->ShowWindow(SW_SHOW);
    driver.RunUntilIdle();
}

ControlsFixture::~ControlsFixture()
{
    dialog->DestroyWindow();
    driver.RunUntilIdle();
    dialog.reset();
    Manager::SetAppDirectory(L"");
}

void ControlsFixture::WriteSkin(char const* name, MImage const& image) const
{
    image.SavePng((folder.path() / "skins" / "theme1" / name).wstring());
}

void ControlsFixture::Move(CPoint pt)
{
    driver.MouseMove(Hwnd(), pt);
    driver.RunUntilIdle();
}

void ControlsFixture::Press(CPoint pt)
{
    driver.MouseMove(Hwnd(), pt);
    driver.MouseDown(Hwnd(), pt);
    driver.RunUntilIdle();
}

void ControlsFixture::Release(CPoint pt)
{
    driver.MouseMove(Hwnd(), pt);
    driver.MouseUp(Hwnd(), pt);
    driver.RunUntilIdle();
}

void ControlsFixture::Click(CPoint pt)
{
    Press(pt);
    Release(pt);
}

void ControlsFixture::Key(unsigned vk)
{
    driver.KeyPress(Hwnd(), vk);
    driver.RunUntilIdle();
}

void ControlsFixture::KeyWith(unsigned modifier, unsigned vk)
{
    driver.KeyDown(Hwnd(), modifier);
    driver.KeyPress(Hwnd(), vk);
    driver.KeyUp(Hwnd(), modifier);
    driver.RunUntilIdle();
}

void ControlsFixture::KeyWith(unsigned modifier1, unsigned modifier2, unsigned vk)
{
    driver.KeyDown(Hwnd(), modifier1);
    driver.KeyDown(Hwnd(), modifier2);
    driver.KeyPress(Hwnd(), vk);
    driver.KeyUp(Hwnd(), modifier2);
    driver.KeyUp(Hwnd(), modifier1);
    driver.RunUntilIdle();
}

void ControlsFixture::Type(CString const& text)
{
    driver.TypeText(Hwnd(), text);
    driver.RunUntilIdle();
}

MImage ControlsFixture::Capture()
{
    driver.RunUntilIdle();
    return dialog->GetPaintManager().PaintToImage();
}

MImage SolidImage(int width, int height, ARGB color)
{
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height, color);
    return MImage::FromARGB(width, height, pixels);
}

MImage StripImage(int frameWidth, int height, std::vector<ARGB> const& colors)
{
    int const width = frameWidth * static_cast<int>(colors.size());
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels[static_cast<size_t>(y) * width + x] = colors[x / frameWidth];
    return MImage::FromARGB(width, height, pixels);
}

}
