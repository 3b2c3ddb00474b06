// The keyboard picture: key list, by-key operations, picture geometry and the
// lighting frames. Input is in KeyboardCtrlInput.cpp, drawing in
// KeyboardCtrlPaint.cpp.
#include <lumoui/KeyboardCtrl.h>

#include <lumoui/ControlFactory.h>
#include <lumoui/PaintManager.h>

#include "keyboard/FrameSelection.h"
#include "keyboard/KeyboardTipsHost.h"
#include "keyboard/LightFrames.h"

#include <algorithm>

namespace LumoUI {

LUMOUI_REGISTER_CONTROL(KeyboardCtrl, L"KeyboardCtrl", FactoryBoth,
    [](ControlArgs const& args) { return std::make_unique<KeyboardCtrl>(args.visible); });

namespace {
constexpr COLORREF kDefaultKeyColor = 0x00E1FF;
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kMusicCyan = 0xFFFF00;

}

KeyboardCtrl::KeyboardCtrl(int visible)
    : MPanel(visible, 1)
    , m_frames(std::make_unique<LightFrames>())
    , m_tips(std::make_unique<KeyboardTipsHost>())
    , m_selection(std::make_unique<FrameSelection>())
{
}

KeyboardCtrl::~KeyboardCtrl() = default;

CKeyboardTips* KeyboardCtrl::GetTipWindow() const
{
    return m_tips->Window();
}

void KeyboardCtrl::InitControl(PaintManager* manager)
{
    MPanel::InitControl(manager);
    // The animation list keeps duplicates, and a second entry would both
    // double the lighting speed and outlive the control.
    if (manager != nullptr && !m_in_animation_list) {
        AddMTimer();
        m_in_animation_list = true;
    }
    SetControlRect(m_rect);
}

// ---- keys ----

int KeyboardCtrl::AddKeyItem(wchar_t const* name, wchar_t const* text, uint32_t keyValue, CRect rect, CString const& iconFile)
{
    auto key = std::make_unique<KEY_INFO>();
    key->key_value = keyValue;
    key->name = name ? name : L"";
    key->text = text ? text : L"";
    key->rect = rect;
    key->color = kDefaultKeyColor;
    if (!iconFile.empty()) {
        // Loaded before taking the lock: decoding may take a while.
        key->icon = MImage::LoadFromFile(PaintManager::GetSkinFile(iconFile));
        key->icon_width = key->icon.Width();
        key->icon_height = key->icon.Height();
    }
    std::lock_guard lock(m_lock);
    key->index = static_cast<int>(m_keys.size());
    m_keys.push_back(std::move(key));
    ++m_added_count;
    return static_cast<int>(m_keys.size()) - 1;
}

void KeyboardCtrl::ClearItem()
{
    {
        std::lock_guard lock(m_lock);
        m_keys.clear();
    }
    m_hover = -1;
    m_selected = -1;
    HideTip();
}

std::vector<KEY_INFO*> KeyboardCtrl::GetKeyItems()
{
    std::lock_guard lock(m_lock);
    std::vector<KEY_INFO*> items;
    items.reserve(m_keys.size());
    for (auto const& key : m_keys)
        items.push_back(key.get());
    return items;
}

int KeyboardCtrl::GetKeyCount()
{
    std::lock_guard lock(m_lock);
    return static_cast<int>(m_keys.size());
}

KEY_INFO* KeyboardCtrl::FindKey(uint32_t keyValue)
{
    for (auto const& key : m_keys)
        if (key->key_value == keyValue)
            return key.get();
    return nullptr;
}

// ---- picture and mode ----

void KeyboardCtrl::SetKeyboardImage(CString const& file)
{
    SetKeyboardImage(MImage::LoadFromFile(PaintManager::GetSkinFile(file)));
}

void KeyboardCtrl::SetKeyboardImage(MImage image)
{
    m_picture = std::move(image);
    Repaint();
}

void KeyboardCtrl::SetWidthAndHeight(int width, int height)
{
    m_picture_size = { width, height };
    if (!m_rect.IsRectEmpty()) {
        m_scale = 1.0;
        m_offset = { (m_rect.Width() - width) / 2, 0 };
    }
    Repaint();
}

void KeyboardCtrl::SetControlRect(CRect rc)
{
    MPanel::SetControlRect(rc);
    if (!rc.IsRectEmpty() && m_picture_size.cy != 0) {
        m_scale = 1.0;
        m_offset = { (rc.Width() - m_picture_size.cx) / 2, 0 };
    }
    m_cache_valid = 0;
}

void KeyboardCtrl::SetKeyboardCtrlMode(int mode)
{
    m_mode = mode;
    Repaint();
}

CPoint KeyboardCtrl::GetPictureOffset() const
{
    return m_offset;
}

CRect KeyboardCtrl::GetRealRect(CRect rect) const
{
    rect.OffsetRect(m_offset.x, m_offset.y);
    return rect;
}

CRect KeyboardCtrl::KeyScreenRect(KEY_INFO const& key) const
{
    CRect rect = GetRealRect(key.rect);
    rect.OffsetRect(m_rect.left, m_rect.top);
    return rect;
}

// ---- checks, selection, colours ----

void KeyboardCtrl::SetKeyCheck(uint32_t keyValue, int check)
{
    std::lock_guard lock(m_lock);
    if (KEY_INFO* key = FindKey(keyValue))
        key->check = check;
}

void KeyboardCtrl::ResetAllItemCheck()
{
    ResetAllItemCheck(0);
}

void KeyboardCtrl::ResetAllItemCheck(int check)
{
    {
        std::lock_guard lock(m_lock);
        for (auto& key : m_keys)
            key->check = check;
    }
    m_selected = -1;
    Repaint();
}

int KeyboardCtrl::GetCheckItemCount()
{
    std::lock_guard lock(m_lock);
    int count = 0;
    for (auto const& key : m_keys)
        count += key->check != 0;
    return count;
}

void KeyboardCtrl::SetSelectItem(int index)
{
    m_selected = index;
}

void KeyboardCtrl::SetKeyColor(uint32_t keyValue, COLORREF color)
{
    std::lock_guard lock(m_lock);
    if (KEY_INFO* key = FindKey(keyValue))
        key->color = color;
}

COLORREF KeyboardCtrl::GetKeyColor(uint32_t keyValue)
{
    std::lock_guard lock(m_lock);
    KEY_INFO const* key = FindKey(keyValue);
    return key ? key->color : 0;
}

void KeyboardCtrl::SetAllSelectColor(COLORREF color)
{
    {
        std::lock_guard lock(m_lock);
        int const selected = m_selected;
        for (auto& key : m_keys)
            if (key->check != 0)
                key->color = color;
        if (selected >= 0 && selected < static_cast<int>(m_keys.size()))
            m_keys[static_cast<size_t>(selected)]->color = color;
    }
    Repaint();
}

void KeyboardCtrl::ResetAllItemsColor(COLORREF color)
{
    {
        std::lock_guard lock(m_lock);
        for (auto& key : m_keys)
            key->color = color;
    }
    Repaint();
}

void KeyboardCtrl::SetLightModeColor(int allWhite, COLORREF color)
{
    ResetAllItemsColor(allWhite != 0 ? kWhite : color);
}

void KeyboardCtrl::SetCustomColor(COLORREF color)
{
    m_custom_color = color;
}

void KeyboardCtrl::SetMusicBrightness(int brightness)
{
    if (m_music_brightness.exchange(brightness) == brightness)
        return;
    ResetAllItemsColor(kMusicCyan);
}

// ---- lighting preview ----

void KeyboardCtrl::SetLightModeData(uint8_t const* data, int length)
{
    {
        std::lock_guard lock(m_lock);
        m_frames->SetData(data, length, static_cast<int>(m_keys.size()));
    }
    Repaint();
}

void KeyboardCtrl::SetLightSpeed(int speed)
{
    std::lock_guard lock(m_lock);
    m_frames->SetSpeed(speed);
}

int KeyboardCtrl::GetTicksPerFrame()
{
    std::lock_guard lock(m_lock);
    return m_frames->GetTicksPerFrame();
}

int KeyboardCtrl::GetLightFrameCount()
{
    std::lock_guard lock(m_lock);
    return m_frames->GetFrameCount();
}

int KeyboardCtrl::GetLightFrameIndex()
{
    std::lock_guard lock(m_lock);
    return m_frames->GetFrameIndex();
}

// ---- captions and tips ----

void KeyboardCtrl::SetKeyDesc(uint32_t keyValue, CString const& desc)
{
    std::lock_guard lock(m_lock);
    if (KEY_INFO* key = FindKey(keyValue)) {
        key->name = desc;
        key->text = desc;
    }
}

void KeyboardCtrl::SetTipKey(uint32_t keyValue, CString const& type, CString const& name)
{
    std::lock_guard lock(m_lock);
    if (KEY_INFO* key = FindKey(keyValue)) {
        key->tip_type = type;
        key->tip_name = name;
    }
}

void KeyboardCtrl::ResetTipKey()
{
    std::lock_guard lock(m_lock);
    for (auto& key : m_keys) {
        key->tip_type.clear();
        key->tip_name.clear();
    }
}

void KeyboardCtrl::EnableKBTips(bool enable)
{
    m_tips_enabled = enable;
    if (!enable)
        HideTip();
}

void KeyboardCtrl::EnableFrameSelect(int enable)
{
    m_frame_select = enable;
    if (!enable)
        m_selection->Reset();
}

// ---- repaint requests ----

void KeyboardCtrl::Repaint()
{
    m_cache_valid = 0;
    UpdateControl(1, 0);
}

void KeyboardCtrl::RepaintUnlessAnimating()
{
    // Once the animation timer drives the picture it repaints by itself.
    if (!m_animating)
        Repaint();
}

}
