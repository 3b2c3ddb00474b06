#pragma once

#include <lumoui/ControlFont.h>
#include <lumoui/Export.h>

#include <vector>

namespace LumoUI {

// One device tile of CDeviceCtrl.
struct DeviceEntry {
    CString name;
    int value1 { 0 };
    int value2 { 0 };
    int type { 0 };
    // 1 = connected.
    int state { 0 };
    bool flag { false };
    CRect rect;
};

// "CDeviceCtrl": a row of device tiles, one per supported keyboard model.
// SetDeviceState sets the state of the first entry of a type (a non-zero
// state makes it the current entry) and recounts the connected entries
// (state 1). GetCurDeviceType is 0 when there is no current entry or
// nothing is connected, else the current entry's type. A press on a tile
// notifies NOTIFY_LBUTTONDOWN with wParam = its index. Tiles are 140 pixels
// wide, drawn from "img_device_tile.png" when the skin has it (frames:
// present, hover, current, absent). Window thread only.
class LUMOUI_API CDeviceCtrl : public MControlFont {
public:
    static constexpr int kTileWidth = 140;
    static constexpr int kTileGap = 8;

    explicit CDeviceCtrl(int visible = 1);

    void InitControl(PaintManager* manager) override;
    void DrawControl(MGraphics& g, CRect clip) override;
    void SetControlRect(CRect rc) override;
    int OnControlMouseMove(unsigned flags, CPoint pt) override;
    int OnControlLButtonDown(unsigned flags, CPoint pt) override;

    // Returns the new entry's index.
    int AddDevice(CString const& name, int value1, int value2, int type, bool flag);
    // 0 when no entry has this type.
    int SetDeviceState(int type, int state);
    // Every entry disconnected, no current entry.
    void ResetAllState();
    int GetCurDeviceType() const;
    int GetCurIndex() const { return m_current; }
    int GetConnectedCount() const { return m_connected; }
    int GetDeviceCount() const { return static_cast<int>(m_entries.size()); }
    DeviceEntry const* GetDevice(int index) const;
    void DeleteAllDevices();
    // Index of the tile under a client point, or -1.
    int HitTest(CPoint pt) const;

private:
    void Layout();
    void Recount();

    std::vector<DeviceEntry> m_entries;
    int m_current { -1 };
    int m_connected { 0 };
    int m_hover { -1 };
};

}
