#include "device/HidDeviceManager.h"

#include <algorithm>
#include <cstring>

namespace Tessera {

namespace {

// Pauses of the transport, part of the keyboard's timing.
constexpr int kFeaturePauseMs = 16;
constexpr int kRetryPauseMs = 10;
constexpr int kWriteDataRetryPauseMs = 32;
constexpr int kReplyPauseMs = 100;
constexpr int kReplyTimeoutMs = 500;
constexpr int kStatusTimeoutMs = 10;
constexpr int kExchangePasses = 4;
constexpr std::size_t kExchangeStride = 7;
constexpr std::uint8_t kExchangeHeader[] = { 0x07, 0xFB, 0x01 };
constexpr std::uint8_t kStatusSignature[] = { 0xAA, 0x55, 0xCC, 0x33 };
constexpr std::size_t kLinkStateByte = 6;

}

HidDeviceManager::HidDeviceManager(std::unique_ptr<HidBackend> backend, DeviceClock& clock)
    : m_backend(backend ? std::move(backend) : CreateEmptyHidBackend())
    , m_clock(clock)
{
}

HidDeviceManager::~HidDeviceManager()
{
    std::lock_guard lock(m_mutex);
    CloseAllLocked();
}

void HidDeviceManager::AddSupportedDevice(SupportedDevice const& device)
{
    std::lock_guard lock(m_mutex);
    m_supported.push_back(device);
}

std::vector<SupportedDevice> HidDeviceManager::SupportedDevices() const
{
    std::lock_guard lock(m_mutex);
    return m_supported;
}

void HidDeviceManager::CloseAll()
{
    std::lock_guard lock(m_mutex);
    CloseAllLocked();
}

void HidDeviceManager::CloseAllLocked()
{
    if (!m_isOpen)
        return;
    m_isOpen = false;
    for (auto& entry : m_entries) {
        if (entry->handle != nullptr)
            m_backend->Close(entry->handle);
    }
    m_entries.clear();
    if (m_auxHandle != nullptr) {
        m_backend->Close(m_auxHandle);
        m_auxHandle = nullptr;
    }
    // The cached choice pointed at a closed handle; forget it now rather than
    // keep a dangling pointer until the next pass.
    m_activeHandle = nullptr;
}

bool HidDeviceManager::IsOpen() const
{
    std::lock_guard lock(m_mutex);
    return m_isOpen;
}

std::vector<DeviceEntryInfo> HidDeviceManager::CollectEntries() const
{
    std::lock_guard lock(m_mutex);
    std::vector<DeviceEntryInfo> result;
    for (auto const& entry : m_entries) {
        if (m_currentDeviceType == 0 || entry->info.deviceType == m_currentDeviceType)
            result.push_back(entry->info);
    }
    return result;
}

int HidDeviceManager::FindEntry(int vid, int pid, std::wstring const& productName, int mode) const
{
    std::lock_guard lock(m_mutex);
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        auto const& info = m_entries[i]->info;
        if (info.vid != vid || info.pid != pid || info.mode != mode || !info.online)
            continue;
        if (!productName.empty() && info.productString != productName)
            return -1;
        return static_cast<int>(i);
    }
    return -1;
}

DeviceEntry const* HidDeviceManager::FirstEntry(int mode, bool needOnline) const
{
    for (auto const& entry : m_entries) {
        if (entry->info.deviceType == m_currentDeviceType && entry->info.mode == mode
            && (!needOnline || entry->info.online))
            return entry.get();
    }
    return nullptr;
}

int HidDeviceManager::GetConnectionMode() const
{
    std::lock_guard lock(m_mutex);
    if (FirstEntry(0, true) != nullptr)
        return 0;
    if (FirstEntry(2, true) != nullptr)
        return 2;
    return -1;
}

void HidDeviceManager::SetCurrentDeviceType(int deviceType)
{
    std::lock_guard lock(m_mutex);
    m_currentDeviceType = deviceType;
    m_activeHandle = nullptr;
}

int HidDeviceManager::CurrentDeviceType() const
{
    std::lock_guard lock(m_mutex);
    return m_currentDeviceType;
}

bool HidDeviceManager::HasAuxInterface() const
{
    std::lock_guard lock(m_mutex);
    return m_auxHandle != nullptr;
}

bool HidDeviceManager::GetFirmwareVersion(int& version) const
{
    std::lock_guard lock(m_mutex);
    for (int mode : { 0, 1, 2 }) {
        if (auto const* entry = FirstEntry(mode, false)) {
            version = entry->info.releaseNumber;
            return true;
        }
    }
    return false;
}

bool HidDeviceManager::GetDongleVersion(int& version) const
{
    std::lock_guard lock(m_mutex);
    if (auto const* entry = FirstEntry(2, false)) {
        version = entry->info.releaseNumber;
        return true;
    }
    return false;
}

hid_device* HidDeviceManager::GetActiveHandle()
{
    if (m_activeHandle != nullptr)
        return m_activeHandle;
    auto const* chosen = FirstEntry(0, true);
    if (chosen == nullptr)
        chosen = FirstEntry(2, true);
    if (chosen != nullptr)
        m_activeHandle = chosen->handle;
    return m_activeHandle;
}

hid_device* HidDeviceManager::ActiveHandleIfOpen()
{
    return m_isOpen ? GetActiveHandle() : nullptr;
}

bool HidDeviceManager::ReadReply(hid_device* handle, HidData& data, int timeoutMs)
{
    HidReport reply {};
    int const read = m_backend->ReadTimeout(handle, reply.data(), reply.size(), timeoutMs);
    if (read <= 0)
        return false;
    std::copy_n(reply.begin(), std::min<std::size_t>(static_cast<std::size_t>(read), data.size()), data.begin());
    return true;
}

int HidDeviceManager::WriteWithReportId0(hid_device* handle, HidData const& data)
{
    HidReport report {};
    std::copy(data.begin(), data.end(), report.begin() + 1);
    return m_backend->Write(handle, report.data(), report.size());
}

bool HidDeviceManager::WriteDataWithRetry(hid_device* handle, HidData const& data, int retryPauseMs)
{
    if (WriteWithReportId0(handle, data) > 0)
        return true;
    m_clock.SleepMs(retryPauseMs);
    return WriteWithReportId0(handle, data) > 0;
}

bool HidDeviceManager::SendFeatureReport(HidReport const& report)
{
    std::lock_guard lock(m_mutex);
    hid_device* handle = ActiveHandleIfOpen();
    if (handle == nullptr)
        return false;
    m_clock.SleepMs(kFeaturePauseMs);
    return m_backend->SendFeatureReport(handle, report.data(), report.size()) > 0;
}

bool HidDeviceManager::WriteReport(HidReport const& report)
{
    std::lock_guard lock(m_mutex);
    hid_device* handle = ActiveHandleIfOpen();
    if (handle == nullptr)
        return false;
    if (m_backend->Write(handle, report.data(), report.size()) > 0)
        return true;
    m_clock.SleepMs(kRetryPauseMs);
    return m_backend->Write(handle, report.data(), report.size()) > 0;
}

bool HidDeviceManager::WriteData(HidData const& data)
{
    std::lock_guard lock(m_mutex);
    hid_device* handle = ActiveHandleIfOpen();
    if (handle == nullptr)
        return false;
    return WriteDataWithRetry(handle, data, kWriteDataRetryPauseMs);
}

bool HidDeviceManager::SendCommand(HidData& data, bool waitReply)
{
    std::lock_guard lock(m_mutex);
    hid_device* handle = ActiveHandleIfOpen();
    if (handle == nullptr)
        return false;
    if (!WriteDataWithRetry(handle, data, kRetryPauseMs))
        return false;
    if (!waitReply)
        return true;
    m_clock.SleepMs(kReplyPauseMs);
    return ReadReply(handle, data, kReplyTimeoutMs);
}

bool HidDeviceManager::QueryStatus(HidData& data)
{
    std::lock_guard lock(m_mutex);
    hid_device* handle = ActiveHandleIfOpen();
    if (handle == nullptr)
        return false;
    if (WriteWithReportId0(handle, data) <= 0) {
        m_clock.SleepMs(kRetryPauseMs);
        // A status report may come even when the request did not go out.
        WriteWithReportId0(handle, data);
    }
    return ReadReply(handle, data, kStatusTimeoutMs);
}

bool HidDeviceManager::ExchangeFeature8(Feature8Buffer& buffer)
{
    std::lock_guard lock(m_mutex);
    hid_device* handle = ActiveHandleIfOpen();
    if (handle == nullptr)
        return false;
    std::array<std::uint8_t, kFeature8Size> transfer {};
    std::copy_n(buffer.begin(), kFeature8Size, transfer.begin());
    // A refused request is not fatal: the keyboard still answers the reads.
    m_backend->SendFeatureReport(handle, transfer.data(), transfer.size());
    for (int pass = 0; pass < kExchangePasses; ++pass) {
        m_clock.SleepMs(kFeaturePauseMs);
        std::copy(std::begin(kExchangeHeader), std::end(kExchangeHeader), transfer.begin());
        if (m_backend->GetFeatureReport(handle, transfer.data(), transfer.size()) > 0)
            std::copy_n(transfer.begin() + 1, kExchangeStride, buffer.begin() + kExchangeStride * pass);
    }
    return true;
}

bool HidDeviceManager::PollInput(HidReport& report)
{
    std::lock_guard lock(m_mutex);
    if (!m_isOpen)
        return false;
    if (m_activeHandle != nullptr)
        return m_backend->ReadTimeout(m_activeHandle, report.data(), report.size(), kStatusTimeoutMs) > 0;
    // No interface chosen yet: listen on every one, so a keyboard that wakes up
    // behind its receiver is noticed.
    for (auto& entry : m_entries) {
        if (entry->handle == nullptr)
            continue;
        if (m_backend->ReadTimeout(entry->handle, report.data(), report.size(), kStatusTimeoutMs) <= 0)
            continue;
        if (std::memcmp(report.data(), kStatusSignature, sizeof kStatusSignature) == 0)
            entry->info.online = report[kLinkStateByte] != 0;
        return true;
    }
    return false;
}

namespace {

struct ProcessHidState {
    std::string loadError;
    HidDeviceManager manager;

    ProcessHidState()
        : manager(LoadHidBackend(&loadError), SystemDeviceClock())
    {
    }
};

ProcessHidState& ProcessHid()
{
    static ProcessHidState state;
    return state;
}

}

HidDeviceManager& GetHidDeviceManager()
{
    return ProcessHid().manager;
}

std::string HidLibraryLoadError()
{
    return ProcessHid().loadError;
}

}
