#pragma once
// The one file a fuzz target's loaders read: each input is written to it before the load. It lies
// in a memory-backed folder when there is one (the fuzzer writes a file per input) and goes when
// the fuzzer ends.

#include <unistd.h>

#include <cstdio>
#include <string>
#include <string_view>

namespace scx::fuzz {

class FuzzFile {
public:
    explicit FuzzFile(std::string_view name)
        : path_(std::string(access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + "/scx-fuzz-" +
                std::string(name) + "-" + std::to_string(getpid())) {}
    ~FuzzFile() { unlink(path_.c_str()); }
    FuzzFile(const FuzzFile&) = delete;
    FuzzFile& operator=(const FuzzFile&) = delete;

    const std::string& Path() const { return path_; }

    // Replaces the file's content; false when it cannot be written.
    bool Write(std::string_view bytes) const {
        FILE* f = std::fopen(path_.c_str(), "wb");
        if (!f) return false;
        bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
        return std::fclose(f) == 0 && written;
    }

private:
    std::string path_;
};

}  // namespace scx::fuzz
