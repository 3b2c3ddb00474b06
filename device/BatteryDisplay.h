#pragma once

namespace Tessera {

// The main window's battery control. Called from the worker thread.
class BatteryDisplay {
public:
    virtual ~BatteryDisplay() = default;
    // level in percent (0-100); flags is always 0 here.
    virtual void SetBatteryInfo(int level, int flags) = 0;
};

}
