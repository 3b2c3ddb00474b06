#include "emulator/tool/DaemonMain.h"

#include "emulator/daemon/DeviceHub.h"
#include "emulator/daemon/LedRenderer.h"
#include "emulator/daemon/Server.h"
#include "emulator/wire/SocketPath.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sys/signalfd.h>
#include <unistd.h>

namespace Tessera::Emulator {

namespace {

struct KeyboardPlan {
    int deviceType { 301 };
    bool cable { false };
    bool receiver { false };
    bool off { false };
    int battery { -1 };
};

struct DaemonOptions {
    std::string socket = default_socket_path();
    std::string config;
    std::string layouts;
    std::vector<KeyboardPlan> keyboards;
    bool unrelated { false };
};

void usage()
{
    std::fprintf(stderr,
        "usage: tessera-emulator daemon [--socket PATH] [--config config.xml] [--layouts FOLDER]\n"
        "         [--model TYPE [--cable] [--receiver] [--off] [--battery N]]... [--unrelated]\n"
        "  Each --model adds a keyboard (301, 202, 108 or a type of config.xml);\n"
        "  the options after it say what of it is plugged. Without --model: one 301, nothing plugged.\n");
}

// The program's description file next to the emulator (build/<cfg>/dist/config.xml), if any.
std::string find_config(std::string const& self)
{
    std::error_code error;
    auto exe = std::filesystem::canonical(self, error);
    if (error)
        return {};
    for (auto const& candidate : { exe.parent_path().parent_path() / "dist" / "config.xml", exe.parent_path() / "config.xml" }) {
        if (std::filesystem::exists(candidate, error))
            return candidate.string();
    }
    return {};
}

bool parse(std::vector<std::string> const& args, DaemonOptions& options)
{
    for (std::size_t i = 1; i < args.size(); ++i) {
        auto const& arg = args[i];
        bool has_value = i + 1 < args.size();
        bool per_keyboard = arg == "--cable" || arg == "--receiver" || arg == "--off" || arg == "--battery";
        if (per_keyboard && options.keyboards.empty())
            options.keyboards.push_back({});
        if (arg == "--socket" && has_value)
            options.socket = args[++i];
        else if (arg == "--config" && has_value)
            options.config = args[++i];
        else if (arg == "--layouts" && has_value)
            options.layouts = args[++i];
        else if (arg == "--model" && has_value)
            options.keyboards.push_back({ std::atoi(args[++i].c_str()) });
        else if (arg == "--cable")
            options.keyboards.back().cable = true;
        else if (arg == "--receiver")
            options.keyboards.back().receiver = true;
        else if (arg == "--off")
            options.keyboards.back().off = true;
        else if (arg == "--battery" && has_value)
            options.keyboards.back().battery = std::atoi(args[++i].c_str());
        else if (arg == "--unrelated")
            options.unrelated = true;
        else
            return false;
    }
    if (options.keyboards.empty())
        options.keyboards.push_back({});
    return true;
}

bool set_up(DeviceHub& hub, DaemonOptions const& options)
{
    std::string error;
    for (auto const& plan : options.keyboards) {
        int keyboard = hub.add_keyboard(plan.deviceType, error);
        bool ok = keyboard >= 0 && hub.set_powered(keyboard, !plan.off, error)
            && (plan.battery < 0 || hub.set_battery(keyboard, plan.battery, error))
            && (!plan.cable || hub.plug(keyboard, Link::Cable, true, error))
            && (!plan.receiver || hub.plug(keyboard, Link::Receiver, true, error));
        if (!ok) {
            std::fprintf(stderr, "tessera-emulator: %s\n", error.c_str());
            return false;
        }
    }
    return !options.unrelated || hub.plug_unrelated(true);
}

}

int run_daemon(std::vector<std::string> const& args)
{
    DaemonOptions options;
    if (args.size() == 2 && (args[1] == "--help" || args[1] == "-h")) {
        usage();
        return 0;
    }
    if (!parse(args, options)) {
        usage();
        return 2;
    }
    ModelCatalog catalog;
    std::string config = options.config.empty() ? find_config("/proc/self/exe") : options.config;
    if (!config.empty() && !catalog.load_config(config))
        std::fprintf(stderr, "tessera-emulator: cannot read %s, using built-in models\n", config.c_str());
    DeviceHub hub(std::move(catalog));
    if (!set_up(hub, options))
        return 1;

    // Signals become a readable descriptor that ends the server like "stop" does.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    int signal_fd = signalfd(-1, &signals, SFD_CLOEXEC);

    std::filesystem::path layouts = options.layouts;
    if (layouts.empty() && !config.empty())
        layouts = std::filesystem::path(config).parent_path() / "layouts";
    std::string error;
    auto server = Server::start(options.socket, hub, error, signal_fd, layouts);
    if (!server) {
        std::fprintf(stderr, "tessera-emulator: %s\n", error.c_str());
        if (signal_fd >= 0)
            close(signal_fd);
        return 1;
    }
    std::printf("tessera-emulator: listening on %s\n", server->path().c_str());
    std::fflush(stdout);
    server->wait();
    server.reset();
    release_renderer_caches();
    if (signal_fd >= 0)
        close(signal_fd);
    return 0;
}

}
