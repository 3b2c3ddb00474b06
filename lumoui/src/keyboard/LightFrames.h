#pragma once

#include <cstdint>
#include <vector>

namespace LumoUI {

// The lighting preview of the keyboard picture: one brightness byte per key
// per frame, frame after frame, stepped by the animation tick.
// Not thread-safe by itself; the keyboard picture holds its lock around every
// call (the tick runs on the animation thread, the setters on the UI thread).
class LightFrames {
public:
    // Copies `length` bytes as frames of `keysPerFrame` bytes each. A length
    // of 0 or less, no keys, or fewer bytes than one frame clears the data.
    void SetData(uint8_t const* data, int length, int keysPerFrame);
    void Clear();

    // Speed 0..3 gives 5..2 ticks per frame; any other speed one tick.
    void SetSpeed(int speed);
    int GetTicksPerFrame() const { return m_ticks_per_frame; }

    bool HasFrames() const { return m_frame_count > 0; }
    int GetFrameCount() const { return m_frame_count; }
    int GetFrameIndex() const { return m_frame_index; }

    // Counts one animation tick; true when the frame advanced (the picture
    // then needs a repaint). The index wraps to 0 after the last frame.
    bool Tick();

    // Brightness of key `keyIndex` in the current frame; 255 without data or
    // for a key beyond the frame (keys added after the data was set).
    uint8_t GetBrightness(int keyIndex) const;

private:
    std::vector<uint8_t> m_data;
    int m_keys_per_frame { 0 };
    int m_frame_count { 0 };
    int m_frame_index { 0 };
    int m_tick_count { 0 };
    int m_ticks_per_frame { 0 };
};

}
