#pragma once
// One program per user: a named lock held on a file in the user's runtime folder
// ($XDG_RUNTIME_DIR, else /tmp/scrutinex-UID). The lock is an flock, so it goes with the process
// that held it, also when that process crashed; the file may stay behind and is reused.

#include <string>
#include <string_view>

namespace scx::platform {

class SingleInstanceLock {
public:
    explicit SingleInstanceLock(std::string_view name);
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    // True when this process now holds the lock; false when another process holds it (or the
    // lock file cannot be made, in which case the program runs unguarded rather than not at all).
    bool Acquire();
    bool AlreadyRunning() const { return alreadyRunning_; }
    const std::string& LockPath() const { return path_; }

private:
    std::string path_;
    int fd_ = -1;
    bool alreadyRunning_ = false;
};

}  // namespace scx::platform
