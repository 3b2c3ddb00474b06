#pragma once

#include "EmulatorProcess.h"
#include "config/DeviceModel.h"
#include "device/HidDeviceManager.h"

#include <gtest/gtest.h>
#include <test_support/ScopedEnv.h>
#include <test_support/TempDir.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace DeviceEmulatorTest {

// The keyboard emulator's daemon on a socket in a temporary folder, and the
// program's HID manager over the emulator's hidapi library, loaded the way
// the program loads hidapi. Fixtures of the emulator tests derive from it;
// the objects they build on the manager are their own members, so they go
// before the manager and the daemon.
class EmulatorLink {
protected:
    EmulatorLink();

    // Starts the daemon with `daemonOptions` and opens the HID manager.
    ::testing::AssertionResult StartEmulator(std::vector<std::string> const& daemonOptions);
    // The connection modes of the shipped description file.
    static std::vector<Tessera::DeviceModel> ShippedConnections();

    TestSupport::TempDir dir;
    std::string socketPath;
    TestSupport::ScopedEnv hidapiEnv;
    TestSupport::ScopedEnv socketEnv;
    std::optional<EmulatorProcess> emulator;
    std::unique_ptr<Tessera::HidDeviceManager> manager;
};

}
