#include "keyboard/LightFrames.h"

#include <cstddef>

namespace LumoUI {

void LightFrames::SetData(uint8_t const* data, int length, int keysPerFrame)
{
    if (data == nullptr || length <= 0 || keysPerFrame <= 0 || length < keysPerFrame) {
        Clear();
        return;
    }
    m_data.assign(data, data + length);
    m_keys_per_frame = keysPerFrame;
    m_frame_count = length / keysPerFrame;
    m_frame_index = 0;
    m_tick_count = 0;
}

void LightFrames::Clear()
{
    m_data.clear();
    m_keys_per_frame = 0;
    m_frame_count = 0;
    m_frame_index = 0;
    m_tick_count = 0;
}

void LightFrames::SetSpeed(int speed)
{
    switch (speed) {
    case 0: m_ticks_per_frame = 5; break;
    case 1: m_ticks_per_frame = 4; break;
    case 2: m_ticks_per_frame = 3; break;
    case 3: m_ticks_per_frame = 2; break;
    default: m_ticks_per_frame = 1; break;
    }
}

bool LightFrames::Tick()
{
    if (!HasFrames())
        return false;
    // Before any speed is set the ticks per frame are 0: every tick advances.
    if (++m_tick_count < m_ticks_per_frame)
        return false;
    m_tick_count = 0;
    m_frame_index = (m_frame_index + 1) % m_frame_count;
    return true;
}

uint8_t LightFrames::GetBrightness(int keyIndex) const
{
    if (!HasFrames() || keyIndex < 0 || keyIndex >= m_keys_per_frame)
        return 255;
    return m_data[static_cast<size_t>(m_frame_index) * m_keys_per_frame + keyIndex];
}

}
