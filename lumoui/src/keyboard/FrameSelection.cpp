#include "keyboard/FrameSelection.h"

#include <algorithm>
#include <cstdlib>

namespace LumoUI {

void FrameSelection::Press(CPoint point)
{
    m_pressed = true;
    m_dragging = false;
    m_press = point;
    m_last = point;
}

void FrameSelection::Reset()
{
    m_pressed = false;
    m_dragging = false;
    m_press = {};
    m_last = {};
}

std::optional<CRect> FrameSelection::Move(CPoint point)
{
    if (!m_pressed)
        return std::nullopt;
    if (std::abs(point.x - m_last.x) <= kMoveThreshold && std::abs(point.y - m_last.y) <= kMoveThreshold)
        return std::nullopt;
    m_last = point;
    m_dragging = true;
    return GetRectangle();
}

CRect FrameSelection::GetRectangle() const
{
    CRect spanned { std::min(m_press.x, m_last.x), std::min(m_press.y, m_last.y),
        std::max(m_press.x, m_last.x), std::max(m_press.y, m_last.y) };
    if (spanned.Width() < kMinimumSize || spanned.Height() < kMinimumSize)
        return {};
    return spanned;
}

}
