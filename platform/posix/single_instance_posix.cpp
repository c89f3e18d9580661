#include "platform/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace scx::platform {
namespace {

std::string RuntimeFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime) {
        std::string folder = runtime;
        while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
        return folder;
    }
    std::string folder = "/tmp/scrutinex-" + std::to_string(getuid());
    ::mkdir(folder.c_str(), 0700);
    return folder;
}

}  // namespace

SingleInstanceLock::SingleInstanceLock(std::string_view name)
    : path_(RuntimeFolder() + "/" + std::string(name) + ".lock") {}

SingleInstanceLock::~SingleInstanceLock() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the lock
}

bool SingleInstanceLock::Acquire() {
    if (fd_ >= 0) return true;
    int fd = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return true;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        alreadyRunning_ = errno == EWOULDBLOCK;
        ::close(fd);
        return !alreadyRunning_;
    }
    fd_ = fd;
    return true;
}

}  // namespace scx::platform
