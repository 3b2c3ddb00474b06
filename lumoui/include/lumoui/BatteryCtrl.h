#pragma once

#include <lumoui/ControlFont.h>
#include <lumoui/Export.h>

namespace LumoUI {

// "BatteryCtrl": the keyboard's battery. Draws the battery outline image
// with a fill proportional to the level (0-100; red at 20 and below) and
// the charging mark while charging. Without images a plain battery is
// drawn. Window thread only.
class LUMOUI_API BatteryCtrl : public MControlFont {
public:
    explicit BatteryCtrl(int visible = 1);
    // Takes "img_battery.png" and "img_battery_charging.png" when the skin has them.
    void InitControl(PaintManager* manager) override;
    void DrawControl(MGraphics& g, CRect clip) override;

    // 0 when either image cannot be loaded (the previous ones are kept).
    int SetBatteryIcon(wchar_t const* battery, wchar_t const* charging);
    // Level is clamped to 0..100; repaints only when something changed.
    void SetBatteryInfo(int level, int charging);
    int GetBatteryLevel() const { return m_level; }
    int GetCharging() const { return m_charging; }

private:
    CRect BodyRect() const;

    int m_level { 0 };
    int m_charging { 0 };
    MImage m_battery;
    MImage m_charge;
};

}
