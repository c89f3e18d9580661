#include "hub/shell/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>

namespace scx {
namespace {

// $XDG_RUNTIME_DIR is private to the user and emptied at logout; /tmp serves without it.
std::string LockFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime) return runtime;
    return "/tmp";
}

}  // namespace

SingleInstanceLock::SingleInstanceLock(std::string_view name) {
    path_ = LockFolder() + "/" + std::string(name) + "-" + std::to_string(getuid()) + ".lock";
    int fd = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return;
    }
    fd_ = fd;
}

SingleInstanceLock::~SingleInstanceLock() {
    if (fd_ >= 0) ::close(fd_);  // the lock ends with the descriptor; the file may stay
}

}  // namespace scx
