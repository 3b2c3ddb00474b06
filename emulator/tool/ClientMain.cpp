#include "emulator/daemon/Control.h"
#include "emulator/tool/DaemonMain.h"
#include "emulator/wire/LineChannel.h"
#include "emulator/wire/SocketPath.h"

#include <cstdio>
#include <filesystem>

namespace Tessera::Emulator {

namespace {

void usage()
{
    std::fprintf(stderr, "usage: tessera-emulator daemon [options]   (see tessera-emulator daemon --help)\n"
                         "       tessera-emulator [--socket PATH] <command>\n"
                         "       tessera-emulator watch               print device arrivals and removals\n"
                         "       tessera-emulator list                print the emulated HID interfaces\n"
                         "       tessera-emulator ping                succeed once the daemon answers\n"
                         "commands:\n%s",
        control_help().c_str());
}

int print_answer(LineChannel& channel)
{
    while (auto line = channel.read_line()) {
        if (line->rfind("= ", 0) == 0) {
            std::printf("%s\n", line->c_str() + 2);
            continue;
        }
        if (line->rfind("ok", 0) == 0)
            return 0;
        std::fprintf(stderr, "tessera-emulator: %s\n", line->size() > 4 ? line->c_str() + 4 : line->c_str());
        return 1;
    }
    std::fprintf(stderr, "tessera-emulator: the daemon closed the connection\n");
    return 1;
}

}

int run_client(std::vector<std::string> const& all)
{
    std::vector<std::string> words(all.begin() + 1, all.end());
    std::string socket = default_socket_path();
    if (words.size() >= 2 && words[0] == "--socket") {
        socket = words[1];
        words.erase(words.begin(), words.begin() + 2);
    }
    if (words.empty() || words[0] == "--help" || words[0] == "help") {
        usage();
        return words.empty() ? 2 : 0;
    }
    std::string error;
    auto channel = LineChannel::connect(socket, error);
    if (!channel) {
        std::fprintf(stderr, "tessera-emulator: %s\n", error.c_str());
        return 1;
    }
    if (words[0] == "watch") {
        channel->send_line("watch");
        while (auto line = channel->read_line()) {
            std::printf("%s\n", line->c_str());
            std::fflush(stdout);
        }
        return 0;
    }
    if (words[0] == "list") {
        channel->send_line("enumerate");
        return print_answer(*channel);
    }
    if (words[0] == "ping") {
        channel->send_line("hello");
        return print_answer(*channel);
    }
    // The daemon may run in another folder: a PNG file name is made absolute here.
    if (words[0] == "render" && words.size() >= 2)
        words[1] = std::filesystem::absolute(words[1]).string();
    std::string request = "ctl";
    for (auto const& word : words)
        request += " " + word;
    channel->send_line(request);
    return print_answer(*channel);
}

}

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv, argv + argc);
    if (args.size() >= 2 && args[1] == "daemon")
        return Tessera::Emulator::run_daemon(std::vector<std::string>(args.begin() + 1, args.end()));
    return Tessera::Emulator::run_client(args);
}
