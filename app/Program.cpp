#include "app/Program.h"

#include "app/CommandLine.h"
#include "app/ListDevices.h"
#include "app/MainWindowEntry.h"
#include "app/Startup.h"
#include "platform/PathText.h"
#include "platform/Paths.h"
#include "platform/UnixSingleInstance.h"

#include <cstdio>

namespace Tessera {

namespace {

// --quit and --run-key-function go to the instance running under the device
// name of this program folder.
int SendToRunningInstance(InstanceMessage const& message)
{
    std::wstring name = SettleDeviceName(GetAppFolder(false));
    std::string shown = ToNativePath(name);
    switch (UnixSingleInstance(name).Send(message)) {
    case SingleInstance::SendResult::Delivered:
        return 0;
    case SingleInstance::SendResult::NoInstance:
        std::fprintf(stderr, "tessera: %s is not running\n", shown.c_str());
        return 1;
    case SingleInstance::SendResult::Failed:
        break;
    }
    std::fprintf(stderr, "tessera: the running %s did not take the request\n", shown.c_str());
    return 1;
}

}

int RunProgram(int argc, char const* const* argv)
{
    CommandLine line = ParseCommandLine(argc, argv);
    switch (line.action) {
    case CommandLine::Action::Invalid:
        std::fprintf(stderr, "tessera: %s\n%s", line.error.c_str(), UsageText());
        return 2;
    case CommandLine::Action::Help:
        std::fputs(UsageText(), stdout);
        return 0;
    case CommandLine::Action::Quit:
        return SendToRunningInstance({ kQuitMessage, 0, kQuitParam });
    case CommandLine::Action::RunKeyFunction:
        return SendToRunningInstance({ kRunKeyFunctionMessage, 0, line.keyFunctionId });
    case CommandLine::Action::ListDevices:
        return ListDevices(GetAppFolder(false));
    case CommandLine::Action::Run:
        break;
    }
    StartupResult startup = RunStartup(SystemStartupServices());
    if (startup.anotherInstance)
        return 0;
    return RunMainWindow(startup);
}

}
