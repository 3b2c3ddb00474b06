#include <lumoui/ControlFactory.h>
#include <lumoui/Manager.h>
#include <lumoui/PaintManager.h>
#include <lumoui/StatusButtons.h>

#include <algorithm>
#include <string>


namespace LumoUI {

// ---- text button ----

CTextButton::CTextButton(CString const& title, int visible, int enabled)
    : MButtonBase(title, visible, enabled)
{
    m_halign = DT_CENTER;
}

void CTextButton::SetTextButtonColor(ARGB normal, ARGB hover, ARGB pressed, ARGB disabled)
{
    m_colors[0] = normal;
    m_colors[1] = hover;
    m_colors[2] = pressed;
    m_colors[3] = disabled;
    StateChanged();
}

void CTextButton::DrawControl(MGraphics& g, CRect)
{
    int const state = std::clamp(GetState(), 0, 3);
    DrawTitle(g, m_rect, m_colors[state]);
    if (state == BUTTON_HOVER && !m_title.empty()) {
        int const width = MGraphics::MeasureText(m_title, GetFont()).cx;
        int const left = m_halign == DT_CENTER ? m_rect.left + (m_rect.Width() - width) / 2
            : m_halign == DT_RIGHT          ? m_rect.right - width
                                            : m_rect.left;
        int const y = (m_rect.top + m_rect.bottom) / 2 + m_font_size / 2 + 1;
        g.DrawLine({ left, y }, { left + width, y }, m_colors[1]);
    }
}

// ---- help button ----

CHelpButton::CHelpButton(CString const& title, int visible, int enabled)
    : MButtonBase(title, visible, enabled)
{
    if (!title.empty())
        m_tooltip = title;
}

void CHelpButton::SetControlTitle(wchar_t const* title)
{
    MButtonBase::SetControlTitle(title);
    m_tooltip = m_title;
}

int CHelpButton::OnControlLButtonDown(unsigned, CPoint) { return 0; }

int CHelpButton::OnControlLButtonUp(unsigned, CPoint) { return 0; }

void CHelpButton::DrawControl(MGraphics& g, CRect)
{
    int const state = m_hover ? BUTTON_HOVER : BUTTON_NORMAL;
    if (!m_image.IsNull()) {
        DrawStateFrame(g, m_rect, state);
        return;
    }
    int const size = std::min(m_rect.Width(), m_rect.Height());
    CRect circle(m_rect.left, m_rect.top, m_rect.left + size, m_rect.top + size);
    ARGB const color = m_hover ? Manager::GetSelectColor() : 0xFF8090A8;
    g.DrawEllipse(circle, color, 1.5f);
    g.DrawText(L"?", circle, MFont { L"", std::max(size - 6, 8), FontStyleBold }, color, DT_CENTER | DT_VCENTER);
}

// ---- upgrade button ----

UpgradeButton::UpgradeButton(CString const& title, int visible)
    : MButton(title, visible, 1)
{
}

void UpgradeButton::SetUpgradeStatus(int status)
{
    if (m_status == status)
        return;
    m_status = status;
    StateChanged();
}

void UpgradeButton::DrawControl(MGraphics& g, CRect clip)
{
    MButton::DrawControl(g, clip);
    if (m_status == 0)
        return;
    ImgResInfo* image = m_manager ? m_manager->AddImgResInfo(L"img_upgrade_mark.png", 1) : nullptr;
    if (image) {
        g.DrawImage(image->image, CPoint(m_rect.right - image->image.Width() - 2, m_rect.top + 2));
        return;
    }
    int const d = 8;
    CRect const mark(m_rect.right - d - 3, m_rect.top + 3, m_rect.right - 3, m_rect.top + 3 + d);
    g.FillEllipse(mark, 0xFFFF3B30);
}

// ---- download button ----

DownloadButton::DownloadButton(CString const& title, int visible)
    : MButton(title, visible, 1)
{
}

void DownloadButton::SetDownloadProcess(int percent)
{
    percent = std::clamp(percent, 0, 100);
    if (m_percent == percent)
        return;
    m_percent = percent;
    StateChanged();
}

void DownloadButton::DrawControl(MGraphics& g, CRect clip)
{
    bool const running = m_percent > 0 && m_percent < 100;
    if (!running) {
        MButton::DrawControl(g, clip);
        return;
    }
    // While downloading the face shows the progress instead of the title.
    CString const title = m_title;
    m_title = std::to_wstring(m_percent) + L"%";
    MButton::DrawControl(g, clip);
    m_title = title;
    CRect bar(m_rect.left + 2, m_rect.bottom - 4, m_rect.right - 2, m_rect.bottom - 2);
    g.FillRect(bar, 0x60FFFFFF);
    bar.right = bar.left + bar.Width() * m_percent / 100;
    g.FillRect(bar, Manager::GetSelectColor());
}

// ---- timer button ----

CTimerButton::CTimerButton(CString const& title, int visible, int enabled)
    : MButton(title, visible, enabled)
{
}

void CTimerButton::InitControl(PaintManager* manager)
{
    MButton::InitControl(manager);
    AddMTimer();
}

void CTimerButton::SetRun(int run)
{
    m_running = run ? 1 : 0;
    m_start = run ? GetTickCount() : 0;
    SetRunTimer(m_running);
    StateChanged();
}

uint32_t CTimerButton::Elapsed() const
{
    return m_running ? GetTickCount() - m_start : 0;
}

int CTimerButton::OnControlTimer()
{
    if (!m_running)
        return 0;
    uint32_t const elapsed = Elapsed();
    if (elapsed >= kRunMs) {
        SetRun(0);
        SendMessageW(NOTIFY_CLICK, 0, 0);
        return 1;
    }
    if (elapsed >= kRepaintAfterMs) {
        StateChanged();
        return 1;
    }
    return 0;
}

void CTimerButton::DrawControl(MGraphics& g, CRect clip)
{
    MButton::DrawControl(g, clip);
    uint32_t const elapsed = Elapsed();
    if (!m_running || elapsed < kRepaintAfterMs)
        return;
    int const size = std::min(m_rect.Width(), m_rect.Height()) - 6;
    if (size <= 4)
        return;
    CRect ring(m_rect.right - size - 3, m_rect.top + 3, m_rect.right - 3, m_rect.top + 3 + size);
    g.DrawEllipse(ring, 0x50FFFFFF, 2.0f);
    float const sweep = 360.0f * static_cast<float>(std::min(elapsed, kRunMs)) / kRunMs;
    g.DrawArc(ring, -90.0f, sweep, Manager::GetSelectColor(), 2.0f);
}

LUMOUI_REGISTER_CONTROL(CTextButton, L"CTextButton", FactoryBoth,
    [](ControlArgs const& a) { return std::make_unique<CTextButton>(a.title, a.visible, a.enabled); });
LUMOUI_REGISTER_CONTROL(CHelpButton, L"CHelpButton", FactoryBoth,
    [](ControlArgs const& a) { return std::make_unique<CHelpButton>(a.title, a.visible, a.enabled); });
LUMOUI_REGISTER_CONTROL(UpgradeButton, L"UpgradeButton", FactoryPanel,
    [](ControlArgs const& a) { return std::make_unique<UpgradeButton>(a.title, a.visible); });
LUMOUI_REGISTER_CONTROL(DownloadButton, L"DownloadButton", FactoryPanel,
    [](ControlArgs const& a) { return std::make_unique<DownloadButton>(a.title, a.visible); });
LUMOUI_REGISTER_CONTROL(CTimerButton, L"CTimerButton", FactoryBoth,
    [](ControlArgs const& a) { return std::make_unique<CTimerButton>(a.title, a.visible, a.enabled); });

}
