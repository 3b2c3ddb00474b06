// Claims a device name as a separate process for the single-instance tests.
//   platform_instance_probe <device name> <hold ms> [crash]
// Prints "primary", "secondary" or "unguarded". A primary then waits <hold ms>
// and prints "raised <n>" with the number of raise requests it received;
// with "crash" it ends at once without any clean-up, like a crash.
#include "platform/UnixSingleInstance.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    std::string name = argv[1];
    int hold = std::atoi(argv[2]);
    bool crash = argc > 3 && std::string(argv[3]) == "crash";
    Tessera::UnixSingleInstance instance(std::wstring(name.begin(), name.end()));
    std::atomic<int> raised { 0 };
    instance.Inbox().SetHandler([&](Tessera::InstanceMessage const& message) {
        if (message.message == Tessera::kRaiseWindowMessage)
            ++raised;
    });
    switch (instance.Claim()) {
    case Tessera::SingleInstance::Role::Primary:
        std::printf("primary\n");
        std::fflush(stdout);
        if (crash)
            _exit(0);
        std::this_thread::sleep_for(std::chrono::milliseconds(hold));
        std::printf("raised %d\n", raised.load());
        return 0;
    case Tessera::SingleInstance::Role::Secondary:
        std::printf("secondary\n");
        return 0;
    case Tessera::SingleInstance::Role::Unguarded:
        std::printf("unguarded\n");
        return 1;
    }
    return 1;
}
