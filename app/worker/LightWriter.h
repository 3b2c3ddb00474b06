#pragma once

#include "device/DeviceClock.h"
#include "device/HidTransport.h"
#include "lighting/KeyColorFrames.h"
#include "store/DeviceDatabase.h"

#include <atomic>
#include <map>

namespace Tessera {

// The flags the light page sets and the worker's light writes clear.
// Threads: set on the window thread, read and cleared on the worker.
struct LightFlags {
    // The next per-key upload or live frame begins with BeginKeyColors.
    std::atomic<bool> colorsArmed { true };
    // Type1xx: true → the next light write sends the parameters, false → the mode.
    std::atomic<bool> type1xxParams { true };

    // The light page's apply action.
    void Apply()
    {
        colorsArmed = true;
        type1xxParams = false;
    }
};

// What a light write needs to know about the window's light page.
struct LightSelection {
    int lightMode { 0 };   // the current light mode number (1-based)
    int customSet { 0 };   // position of the selected custom set (control 105)
};

// Custom set position goes out when the mode's function word has this bit.
inline constexpr int kConfigFuncCustomSet = 0x100;
// Light mode 24 shows the stored per-key colours.
inline constexpr int kCustomPerKeyMode = 24;

// Sends the stored light settings and per-key colours in the keyboard's
// protocol family, and the live frames. Worker thread (SelectCustomLightFF
// and Command0A: the light page's handlers); all references must outlive
// the object.
class LightWriter {
public:
    LightWriter(DeviceDatabase& database, HidTransport& transport, DeviceClock& clock, LightFlags& flags);

    // Task 9. Nothing is sent when the mode has no stored row.
    bool WriteLightMode(int deviceType, int connectionMode, LightSelection const& selection,
        std::map<int, int> const& lightIndex);
    // Task 10 (Type3xx): the stored custom layout, BeginKeyColors first when armed.
    bool WriteStoredColors(std::map<int, int> const& lightIndex);
    // One live frame (Type3xx StreamKeyColors) from the picture's colours.
    bool StreamLiveFrame(KeyColorSource& source, std::map<int, int> const& lightIndex);
    // Light page button 106 (Type3xx).
    bool SendCommand0A();
    // Light page control 105 on device types below 200: the custom set at
    // `position` of the current mode's row.
    bool SelectCustomLightFF(int deviceType, LightSelection const& selection);

private:
    bool WriteType3xx(LightData const& light, int mode, std::map<int, int> const& lightIndex);

    DeviceDatabase& m_database;
    HidTransport& m_transport;
    DeviceClock& m_clock;
    LightFlags& m_flags;
    KeyColorTable m_stored;
    LiveFrameBuilder m_live;
};

}
