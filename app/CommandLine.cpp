#include "app/CommandLine.h"

#include <cerrno>
#include <cstdlib>
#include <string_view>

namespace Tessera {

namespace {

CommandLine Invalid(std::string error)
{
    CommandLine line;
    line.action = CommandLine::Action::Invalid;
    line.error = std::move(error);
    return line;
}

}

CommandLine ParseCommandLine(int argc, char const* const* argv)
{
    CommandLine line;
    if (argc <= 1)
        return line;
    std::string_view option = argv[1];
    int expected = 2;
    if (option == "--quit") {
        line.action = CommandLine::Action::Quit;
    } else if (option == "--list-devices") {
        line.action = CommandLine::Action::ListDevices;
    } else if (option == "--help" || option == "-h") {
        line.action = CommandLine::Action::Help;
    } else if (option == "--run-key-function") {
        if (argc < 3)
            return Invalid("--run-key-function needs the id of a key function");
        char* end = nullptr;
        errno = 0;
        long long id = std::strtoll(argv[2], &end, 10);
        if (errno != 0 || end == argv[2] || *end != '\0' || id < 0)
            return Invalid("not a key function id: " + std::string(argv[2]));
        line.action = CommandLine::Action::RunKeyFunction;
        line.keyFunctionId = id;
        expected = 3;
    } else {
        return Invalid("unknown option: " + std::string(option));
    }
    if (argc > expected)
        return Invalid("unexpected argument: " + std::string(argv[expected]));
    return line;
}

char const* UsageText()
{
    return "usage: tessera [--quit | --run-key-function ID | --list-devices | --help]\n"
           "  (no option)             start Tessera, or bring the running one to the front\n"
           "  --quit                  ask the running Tessera to quit\n"
           "  --run-key-function ID   ask the running Tessera to run the key function ID\n"
           "  --list-devices          list the keyboard interfaces Tessera can see\n";
}

}
