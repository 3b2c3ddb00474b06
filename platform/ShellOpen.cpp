#include "platform/ShellOpen.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace Tessera {

namespace {

class XdgShellOpen : public ShellOpen {
public:
    bool OpenWithDesktop(std::string const& target) override
    {
        if (target.empty())
            return false;
        return SpawnDetached({ "xdg-open", target });
    }

    bool RunProgram(std::string const& path, std::vector<std::string> const& arguments) override
    {
        std::vector<std::string> argv { path };
        argv.insert(argv.end(), arguments.begin(), arguments.end());
        return SpawnDetached(argv);
    }
};

}

bool SpawnDetached(std::vector<std::string> const& argv)
{
    if (argv.empty() || argv[0].empty())
        return false;
    std::vector<char*> args;
    for (auto const& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);

    // The grandchild reports a failed exec through a close-on-exec pipe: an
    // empty read means the exec succeeded.
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0)
        return false;
    pid_t child = fork();
    if (child < 0) {
        close(report[0]);
        close(report[1]);
        return false;
    }
    if (child == 0) {
        setsid();
        pid_t grandchild = fork();
        if (grandchild == 0) {
            execvp(args[0], args.data());
            int error = errno;
            if (write(report[1], &error, sizeof error) < 0) { }
            _exit(127);
        }
        _exit(grandchild < 0 ? 1 : 0);
    }
    close(report[1]);
    int status = 0;
    waitpid(child, &status, 0);
    int error = 0;
    ssize_t got = read(report[0], &error, sizeof error);
    close(report[0]);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 && got == 0;
}

std::unique_ptr<ShellOpen> CreateShellOpen()
{
    return std::make_unique<XdgShellOpen>();
}

}
