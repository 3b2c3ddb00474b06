#include "EmulatorLink.h"

#include "config/DescriptionFile.h"
#include "device/DeviceClock.h"
#include "device/HidBackend.h"

#include <test_support/Paths.h>

namespace DeviceEmulatorTest {

EmulatorLink::EmulatorLink()
    : socketPath((dir / "emulator.sock").string())
    , hidapiEnv("TESSERA_HIDAPI", EmulatorProcess::HidLibrary())
    , socketEnv("TESSERA_EMULATOR_SOCKET", socketPath)
{
}

::testing::AssertionResult EmulatorLink::StartEmulator(std::vector<std::string> const& daemonOptions)
{
    emulator.emplace(socketPath, daemonOptions);
    if (!emulator->IsReady())
        return ::testing::AssertionFailure() << "the emulator daemon did not start: " << EmulatorProcess::Executable();
    std::string error;
    manager = std::make_unique<Tessera::HidDeviceManager>(Tessera::LoadHidBackend(&error), Tessera::SystemDeviceClock());
    if (!error.empty())
        return ::testing::AssertionFailure() << error;
    return ::testing::AssertionSuccess();
}

std::vector<Tessera::DeviceModel> EmulatorLink::ShippedConnections()
{
    auto const path = (TestSupport::source_dir() / "data" / "config.xml").wstring();
    return Tessera::ReadDescriptionFile(path, nullptr, nullptr).connections;
}

}
