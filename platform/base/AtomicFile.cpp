#include "platform/base/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Tessera {

namespace {

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        ssize_t done = ::write(fd, bytes.data(), bytes.size());
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return false;
        bytes.remove_prefix(static_cast<size_t>(done));
    }
    return true;
}

// Makes the rename itself durable.
void SyncFolderOf(std::string const& path)
{
    auto cut = path.rfind('/');
    std::string folder = cut == std::string::npos ? "." : cut == 0 ? "/" : path.substr(0, cut);
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}

bool WriteFileAtomically(std::string const& path, std::string_view bytes, mode_t mode)
{
    std::string temp = path + ".XXXXXX";
    int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    bool ok = WriteAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok && ::rename(temp.c_str(), path.c_str()) == 0) {
        SyncFolderOf(path);
        return true;
    }
    ::unlink(temp.c_str());
    return false;
}

}
