#pragma once

#include "FakeClock.h"
#include "device/HidBackend.h"

#include <atomic>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace DeviceTest {

// One transfer the transport made, with the fake clock's time.
struct Transfer {
    enum Kind { Write, Read, SetFeature, GetFeature };
    Kind kind;
    int device;
    std::vector<std::uint8_t> bytes; // sent bytes (reads: the bytes handed back)
    int timeoutMs;
    std::int64_t atMs;
};

// A scripted stand-in for the HID library. Interfaces are added by the test;
// each has queues of write results and replies. Writes succeed unless a
// result was queued; a read without a queued reply times out (and lets the
// fake time pass). Any transfer on a handle that is not open, a double
// close, or any transfer while `forbidTransfers` is set fails the test.
class FakeHidBackend final : public Tessera::HidBackend {
public:
    struct Device {
        Tessera::HidInterfaceInfo info;
        bool present { true };
        bool openable { true };
        int openHandles { 0 };
        int opens { 0 };
        std::deque<int> writeResults;
        std::deque<std::vector<std::uint8_t>> replies;
        std::deque<int> setFeatureResults;
        std::deque<std::vector<std::uint8_t>> featureReplies;
        // When set, every write of a status request is answered with this.
        std::vector<std::uint8_t> statusReply;
    };

    explicit FakeHidBackend(FakeClock& clock)
        : m_clock(clock)
    {
    }
    ~FakeHidBackend() override;

    // Adds an interface; returns its id.
    int Add(Tessera::HidInterfaceInfo info);
    Device& At(int id);
    std::vector<Transfer> Transfers();
    std::vector<Transfer> TransfersOf(Transfer::Kind kind);
    void ClearTransfers();
    int OpenHandleCount();
    std::atomic<bool> forbidTransfers { false };
    // Makes a transfer take real time, so overlapping operations show.
    std::atomic<bool> slowTransfers { false };
    std::atomic<int> overlaps { 0 };

    std::vector<Tessera::HidInterfaceInfo> Enumerate() override;
    hid_device* OpenPath(std::string const& path) override;
    void Close(hid_device* device) override;
    int Write(hid_device* device, std::uint8_t const* data, std::size_t length) override;
    int ReadTimeout(hid_device* device, std::uint8_t* data, std::size_t length, int milliseconds) override;
    int SendFeatureReport(hid_device* device, std::uint8_t const* data, std::size_t length) override;
    int GetFeatureReport(hid_device* device, std::uint8_t* data, std::size_t length) override;

private:
    struct Handle {
        int device;
        bool open;
    };
    int DeviceOf(hid_device* handle, char const* operation);
    void Record(Transfer::Kind kind, int device, std::uint8_t const* data, std::size_t length, int timeout);
    void EnterTransfer();
    void LeaveTransfer();

    FakeClock& m_clock;
    std::mutex m_mutex;
    std::deque<Device> m_devices;
    std::vector<std::unique_ptr<Handle>> m_handles;
    std::vector<Transfer> m_transfers;
    std::atomic<int> m_inTransfer { 0 };
};

// A keyboard interface as enumeration lists it.
Tessera::HidInterfaceInfo KeyboardInterface(std::uint16_t vid, std::uint16_t pid, int interfaceNumber,
    std::string const& path, std::uint16_t release = 0x0105, std::wstring product = L"Tessera K1");

// A status report: signature, 0x0E, battery, link state.
std::vector<std::uint8_t> StatusReply(std::uint8_t battery, std::uint8_t link);

// "AA 55 CC 33" → bytes, padded with zeros to `size`.
std::vector<std::uint8_t> Hex(std::string const& text, std::size_t size = 0);

}
