#pragma once

#include "config/DeviceModel.h"
#include "device/DeviceLinkState.h"
#include "device/DeviceScreen.h"
#include "device/DeviceTaskQueue.h"
#include "device/HidDeviceManager.h"
#include "platform/DeviceMonitor.h"

#include <mutex>
#include <vector>

namespace Tessera {

// The device type the program was made for; chosen when discovery finds an
// interface but no configured mode connected.
inline constexpr int kDefaultDeviceType = 301;

// A supported-device table row for one connection-mode record.
SupportedDevice ToSupportedDevice(DeviceModel const& mode);

// Decides which keyboard interfaces the program talks to and keeps that
// picture current as devices arrive and leave.
//
// Threads: RefreshDevices and ApplyDeviceState run on the worker;
// OnDeviceChange on whichever thread delivers device events (it only queues
// tasks). The mode records are guarded by a lock of their own.
class DeviceDiscovery final : public DiscoveryTrigger {
public:
    // All three must outlive the object.
    DeviceDiscovery(HidDeviceManager& manager, DeviceScreen& screen, DeviceTaskQueue& tasks);

    // The connection-mode records of the description file, in file order
    // (one per `mode` element, carrying its keyboard's device type). Each also
    // becomes a row of the manager's supported-device table.
    void RegisterConnectionModes(std::vector<DeviceModel> const& modes);
    // Keeps the records only, for a transport whose table is already filled.
    void AdoptConnectionModes(std::vector<DeviceModel> const& modes);
    std::vector<DeviceModel> ConnectionModes() const;

    // A full pass: reopen the interfaces and mark the modes found connected.
    void RefreshDevices();
    // Connection mode, screen state and follow-up tasks from the last pass.
    void ApplyDeviceState();
    // RefreshDevices, then ApplyDeviceState.
    void RunDiscovery() override;

    // Queues task 2 for an arrival or 3 for a removal of a configured mode's
    // interface; returns the task queued, or 0.
    int OnDeviceChange(DeviceChangeEvent const& event);

    DeviceLinkState& LinkState() { return m_link; }

private:
    int ChooseDeviceType() const;

    HidDeviceManager& m_manager;
    DeviceScreen& m_screen;
    DeviceTaskQueue& m_tasks;
    DeviceLinkState m_link;
    mutable std::mutex m_modesMutex;
    std::vector<DeviceModel> m_modes;
    int m_foundDeviceType { 0 };
};

}
