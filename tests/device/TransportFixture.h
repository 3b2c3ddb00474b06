#pragma once

#include "FakeHidBackend.h"
#include "device/HidDeviceManager.h"

#include <gtest/gtest.h>

namespace DeviceTest {

inline constexpr std::uint16_t kVid = 0x320F;
inline constexpr std::uint16_t kCablePid = 0x5055;
inline constexpr std::uint16_t kReceiverPid = 0x5088;

// A transport over the scripted HID library, with the shipped keyboard's
// cable and receiver in its supported-device table.
class TransportFixture : public ::testing::Test {
protected:
    TransportFixture()
    {
        auto backend = std::make_unique<FakeHidBackend>(clock);
        fake = backend.get();
        manager = std::make_unique<Tessera::HidDeviceManager>(std::move(backend), clock);
    }

    void AddSupportedRows()
    {
        manager->AddSupportedDevice({ kVid, kCablePid, 0x0105, L"", 301, 0, L"VID_320F&PID_5055&MI_02" });
        manager->AddSupportedDevice({ kVid, kReceiverPid, 0x0102, L"", 301, 2, L"VID_320F&PID_5088&MI_02" });
    }

    // The keyboard's command interface on the cable; answers link state 3 when online.
    int AddCable(bool online = true, std::string const& path = "/dev/hidraw2")
    {
        int const id = fake->Add(KeyboardInterface(kVid, kCablePid, 2, path, 0x0105));
        fake->At(id).statusReply = StatusReply(80, online ? 3 : 0);
        return id;
    }

    // The receiver's command interface; answers link state 1 while the keyboard is on.
    int AddReceiver(bool keyboardOn = true, std::string const& path = "/dev/hidraw4")
    {
        int const id = fake->Add(KeyboardInterface(kVid, kReceiverPid, 2, path, 0x0210, L"Tessera Receiver"));
        fake->At(id).statusReply = StatusReply(60, keyboardOn ? 1 : 0);
        return id;
    }

    // A discovery pass of the transport alone, for device type 301, with the
    // probe's transfers and pauses forgotten.
    void Discover()
    {
        manager->Rediscover();
        manager->SetCurrentDeviceType(301);
        fake->ClearTransfers();
        clock.ClearSleeps();
    }

    FakeClock clock;
    FakeHidBackend* fake { nullptr };
    std::unique_ptr<Tessera::HidDeviceManager> manager;
};

}
