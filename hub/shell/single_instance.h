#pragma once
// One workstation per user session: the first process holds an exclusive advisory lock on a file
// named after the instance name; a second process finds it taken. The lock goes with the process
// (also when it crashes), so a stale file never keeps the program from starting.

#include <string>
#include <string_view>

namespace scx {

class SingleInstanceLock {
public:
    explicit SingleInstanceLock(std::string_view name);
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    // False when another process holds the name (or the lock file cannot be opened).
    bool IsFirst() const { return fd_ >= 0; }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
    int fd_ = -1;
};

// The workstation's instance name.
inline constexpr std::string_view kHubInstanceName = "Wop7604_Doklg";

}  // namespace scx
