#pragma once

#include <memory>
#include <string>
#include <vector>

namespace Tessera {

// Hands files, programs and web addresses to the desktop. Nothing waits for
// the started program. Thread: any.
class ShellOpen {
public:
    virtual ~ShellOpen() = default;
    // Opens a document or address with the user's preferred program
    // (xdg-open); false when nothing could be started.
    virtual bool OpenWithDesktop(std::string const& target) = 0;
    // Starts an executable file directly with the given arguments.
    virtual bool RunProgram(std::string const& path, std::vector<std::string> const& arguments) = 0;
};

// fork/exec, no shell: the target is one argument and never interpreted.
std::unique_ptr<ShellOpen> CreateShellOpen();

// Starts `argv` detached (double fork, so no zombie stays behind);
// false when the program could not be executed.
bool SpawnDetached(std::vector<std::string> const& argv);

}
