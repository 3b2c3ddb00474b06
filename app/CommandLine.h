#pragma once

#include <cstdint>
#include <string>

namespace Tessera {

// What the command line asks for:
//   tessera                          start (or raise the running instance)
//   tessera --quit                   ask the running instance to quit
//   tessera --run-key-function ID    ask it to run the host key function ID
//   tessera --list-devices           print the HID interfaces discovery sees
//   tessera --help
struct CommandLine {
    enum class Action { Run, Quit, RunKeyFunction, ListDevices, Help, Invalid };

    Action action { Action::Run };
    int64_t keyFunctionId { 0 };
    std::string error; // for Invalid
};

CommandLine ParseCommandLine(int argc, char const* const* argv);

// The usage text printed for --help and after an invalid command line.
char const* UsageText();

}
