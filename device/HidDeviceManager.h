#pragma once

#include "device/DeviceClock.h"
#include "device/DeviceEntry.h"
#include "device/HidBackend.h"
#include "device/HidTransport.h"
#include "device/SupportedDevice.h"

#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace Tessera {

// Vendor collections that carry the keyboard's command protocol.
inline constexpr unsigned kCommandUsagePage1 = 0xFF01;
inline constexpr unsigned kCommandUsage1 = 1;
inline constexpr unsigned kCommandUsagePage2 = 0xFF02;
inline constexpr unsigned kCommandUsage2 = 2;

// Owns the HID library, the supported-device table, the opened interfaces of
// attached keyboards, and the choice of the interface commands go to.
//
// Threads: one mutex serialises whole operations, pauses and retry included,
// so the window thread (settings commands) and the worker (everything else)
// may both call it. No transfer of one operation interleaves with another's.
class HidDeviceManager final : public HidTransport {
public:
    // `clock` must outlive the manager.
    HidDeviceManager(std::unique_ptr<HidBackend> backend, DeviceClock& clock);
    ~HidDeviceManager() override;
    HidDeviceManager(HidDeviceManager const&) = delete;
    HidDeviceManager& operator=(HidDeviceManager const&) = delete;

    // --- supported-device table
    void AddSupportedDevice(SupportedDevice const& device);
    std::vector<SupportedDevice> SupportedDevices() const;

    // --- discovery
    // Closes everything, opens the command interfaces of supported keyboards
    // and asks each for its link state, then marks the transport open with
    // current device type 0 and no cached active interface.
    void Rediscover();
    // Closes every interface; operations fail until the next Rediscover.
    void CloseAll();
    bool IsOpen() const;
    // All entries when the current device type is 0, else those of that type.
    std::vector<DeviceEntryInfo> CollectEntries() const;
    // Position of the first online entry with this VID, PID and mode; only
    // that entry is looked at, and a non-empty product name must equal its
    // product string. -1 when it does not qualify.
    int FindEntry(int vid, int pid, std::wstring const& productName, int mode) const;
    // 0 when an online cable entry of the current device type exists, else 2
    // for an online receiver entry, else -1.
    int GetConnectionMode() const;
    // Setting the device type also forgets the cached active interface.
    void SetCurrentDeviceType(int deviceType);
    int CurrentDeviceType() const;
    bool HasAuxInterface() const;

    // --- versions (release numbers of the opened interfaces)
    bool GetFirmwareVersion(int& version) const;
    bool GetDongleVersion(int& version) const;

    // --- transfers (HidTransport)
    bool SendFeatureReport(HidReport const& report) override;
    bool WriteReport(HidReport const& report) override;
    bool WriteData(HidData const& data) override;
    bool SendCommand(HidData& data, bool waitReply) override;
    bool QueryStatus(HidData& data) override;
    bool ExchangeFeature8(Feature8Buffer& buffer) override;
    bool PollInput(HidReport& report) override;

private:
    void CloseAllLocked();
    void ScanLocked();
    bool ProbeOnline(hid_device* handle);
    SupportedDevice const* MatchSupported(HidInterfaceInfo const& info) const;
    SupportedDevice const* FirstRowFor(int vid, int pid) const;
    DeviceEntry const* FirstEntry(int mode, bool needOnline) const;
    hid_device* GetActiveHandle();
    // The active handle while the manager is open, else none.
    hid_device* ActiveHandleIfOpen();
    // Reads one input report into `data`; false when none came within the time-out.
    bool ReadReply(hid_device* handle, HidData& data, int timeoutMs);
    int WriteWithReportId0(hid_device* handle, HidData const& data);
    // One write and, after `retryPauseMs`, a second one when the first failed.
    bool WriteDataWithRetry(hid_device* handle, HidData const& data, int retryPauseMs);

    mutable std::mutex m_mutex;
    std::unique_ptr<HidBackend> m_backend;
    DeviceClock& m_clock;
    bool m_isOpen { false };
    std::vector<std::unique_ptr<DeviceEntry>> m_entries;
    std::vector<SupportedDevice> m_supported;
    int m_currentDeviceType { 0 };
    hid_device* m_activeHandle { nullptr }; // points into m_entries, not owned
    hid_device* m_auxHandle { nullptr };    // owned
};

// The process-wide transport, created on first use with the HID library of
// LoadHidBackend() and the system clock.
HidDeviceManager& GetHidDeviceManager();
// Why the HID library could not be loaded; empty when it was.
std::string HidLibraryLoadError();

}
