#include "FakeHidBackend.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <thread>

namespace DeviceTest {

namespace {

bool IsStatusRequest(std::uint8_t const* data, std::size_t length)
{
    static constexpr std::uint8_t kRequest[] = { 0x00, 0xAA, 0x55, 0xCC, 0x33, 0x0E };
    return length >= sizeof kRequest && std::equal(std::begin(kRequest), std::end(kRequest), data);
}

}

FakeHidBackend::~FakeHidBackend()
{
    for (auto const& handle : m_handles) {
        if (handle->open)
            ADD_FAILURE() << "interface " << handle->device << " was left open by the transport";
    }
}

int FakeHidBackend::Add(Tessera::HidInterfaceInfo info)
{
    std::lock_guard lock(m_mutex);
    Device device;
    device.info = std::move(info);
    m_devices.push_back(std::move(device));
    return static_cast<int>(m_devices.size()) - 1;
}

FakeHidBackend::Device& FakeHidBackend::At(int id)
{
    std::lock_guard lock(m_mutex);
    return m_devices.at(static_cast<std::size_t>(id));
}

std::vector<Transfer> FakeHidBackend::Transfers()
{
    std::lock_guard lock(m_mutex);
    return m_transfers;
}

std::vector<Transfer> FakeHidBackend::TransfersOf(Transfer::Kind kind)
{
    std::lock_guard lock(m_mutex);
    std::vector<Transfer> result;
    std::copy_if(m_transfers.begin(), m_transfers.end(), std::back_inserter(result), [kind](auto const& t) { return t.kind == kind; });
    return result;
}

void FakeHidBackend::ClearTransfers()
{
    std::lock_guard lock(m_mutex);
    m_transfers.clear();
}

int FakeHidBackend::OpenHandleCount()
{
    std::lock_guard lock(m_mutex);
    return static_cast<int>(std::count_if(m_handles.begin(), m_handles.end(), [](auto const& h) { return h->open; }));
}

std::vector<Tessera::HidInterfaceInfo> FakeHidBackend::Enumerate()
{
    std::lock_guard lock(m_mutex);
    std::vector<Tessera::HidInterfaceInfo> list;
    for (auto const& device : m_devices) {
        if (device.present)
            list.push_back(device.info);
    }
    return list;
}

hid_device* FakeHidBackend::OpenPath(std::string const& path)
{
    std::lock_guard lock(m_mutex);
    for (std::size_t i = 0; i < m_devices.size(); ++i) {
        auto& device = m_devices[i];
        if (device.info.path != path || !device.present)
            continue;
        if (!device.openable)
            return nullptr;
        ++device.openHandles;
        ++device.opens;
        m_handles.push_back(std::make_unique<Handle>(Handle { static_cast<int>(i), true }));
        return reinterpret_cast<hid_device*>(m_handles.back().get());
    }
    return nullptr;
}

int FakeHidBackend::DeviceOf(hid_device* device, char const* operation)
{
    auto const* handle = reinterpret_cast<Handle*>(device);
    auto found = std::find_if(m_handles.begin(), m_handles.end(), [handle](auto const& h) { return h.get() == handle; });
    if (found == m_handles.end() || !(*found)->open) {
        ADD_FAILURE() << operation << " on a handle that is not open";
        return -1;
    }
    if (forbidTransfers && std::string(operation) != "close")
        ADD_FAILURE() << "unexpected " << operation << " on interface " << (*found)->device;
    return (*found)->device;
}

void FakeHidBackend::Close(hid_device* device)
{
    std::lock_guard lock(m_mutex);
    int const id = DeviceOf(device, "close");
    if (id < 0)
        return;
    reinterpret_cast<Handle*>(device)->open = false;
    --m_devices[static_cast<std::size_t>(id)].openHandles;
}

void FakeHidBackend::Record(Transfer::Kind kind, int device, std::uint8_t const* data, std::size_t length, int timeout)
{
    m_transfers.push_back(Transfer { kind, device, std::vector<std::uint8_t>(data, data + length), timeout, m_clock.NowMs() });
}

void FakeHidBackend::EnterTransfer()
{
    if (m_inTransfer.fetch_add(1) != 0)
        ++overlaps;
    if (slowTransfers)
        std::this_thread::sleep_for(std::chrono::microseconds(200));
}

void FakeHidBackend::LeaveTransfer()
{
    --m_inTransfer;
}

int FakeHidBackend::Write(hid_device* device, std::uint8_t const* data, std::size_t length)
{
    EnterTransfer();
    std::lock_guard lock(m_mutex);
    LeaveTransfer();
    int const id = DeviceOf(device, "write");
    if (id < 0)
        return -1;
    Record(Transfer::Write, id, data, length, 0);
    auto& d = m_devices[static_cast<std::size_t>(id)];
    int result = static_cast<int>(length);
    if (!d.writeResults.empty()) {
        result = d.writeResults.front();
        d.writeResults.pop_front();
    }
    if (result > 0 && !d.statusReply.empty() && IsStatusRequest(data, length))
        d.replies.push_back(d.statusReply);
    return result;
}

int FakeHidBackend::ReadTimeout(hid_device* device, std::uint8_t* data, std::size_t length, int milliseconds)
{
    EnterTransfer();
    std::lock_guard lock(m_mutex);
    LeaveTransfer();
    int const id = DeviceOf(device, "read");
    if (id < 0)
        return -1;
    auto& d = m_devices[static_cast<std::size_t>(id)];
    if (d.replies.empty()) {
        Record(Transfer::Read, id, data, 0, milliseconds);
        m_clock.Advance(milliseconds);
        return 0;
    }
    auto reply = d.replies.front();
    d.replies.pop_front();
    auto const count = std::min(reply.size(), length);
    std::copy_n(reply.begin(), count, data);
    Record(Transfer::Read, id, data, count, milliseconds);
    return static_cast<int>(count);
}

int FakeHidBackend::SendFeatureReport(hid_device* device, std::uint8_t const* data, std::size_t length)
{
    EnterTransfer();
    std::lock_guard lock(m_mutex);
    LeaveTransfer();
    int const id = DeviceOf(device, "set-feature");
    if (id < 0)
        return -1;
    Record(Transfer::SetFeature, id, data, length, 0);
    auto& d = m_devices[static_cast<std::size_t>(id)];
    if (!d.setFeatureResults.empty()) {
        int const result = d.setFeatureResults.front();
        d.setFeatureResults.pop_front();
        return result;
    }
    return static_cast<int>(length);
}

int FakeHidBackend::GetFeatureReport(hid_device* device, std::uint8_t* data, std::size_t length)
{
    EnterTransfer();
    std::lock_guard lock(m_mutex);
    LeaveTransfer();
    int const id = DeviceOf(device, "get-feature");
    if (id < 0)
        return -1;
    // Recorded as requested, so the test sees what the transport asked for.
    Record(Transfer::GetFeature, id, data, length, 0);
    auto& d = m_devices[static_cast<std::size_t>(id)];
    if (d.featureReplies.empty())
        return -1;
    auto reply = d.featureReplies.front();
    d.featureReplies.pop_front();
    auto const count = std::min(reply.size(), length);
    std::copy_n(reply.begin(), count, data);
    return static_cast<int>(count);
}

Tessera::HidInterfaceInfo KeyboardInterface(std::uint16_t vid, std::uint16_t pid, int interfaceNumber,
    std::string const& path, std::uint16_t release, std::wstring product)
{
    Tessera::HidInterfaceInfo info;
    info.path = path;
    info.vid = vid;
    info.pid = pid;
    info.releaseNumber = release;
    info.usagePage = 0xFF02;
    info.usage = 2;
    info.interfaceNumber = interfaceNumber;
    info.busType = HID_API_BUS_USB;
    info.productString = std::move(product);
    return info;
}

std::vector<std::uint8_t> StatusReply(std::uint8_t battery, std::uint8_t link)
{
    return { 0xAA, 0x55, 0xCC, 0x33, 0x0E, battery, link };
}

std::vector<std::uint8_t> Hex(std::string const& text, std::size_t size)
{
    std::vector<std::uint8_t> bytes;
    std::istringstream in(text);
    std::string token;
    while (in >> token)
        bytes.push_back(static_cast<std::uint8_t>(std::stoul(token, nullptr, 16)));
    if (bytes.size() < size)
        bytes.resize(size, 0);
    return bytes;
}

}
