#include "platform/read_at_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace scx::platform {

ReadAtFile::~ReadAtFile() { Close(); }

bool ReadAtFile::Open(const std::string& path) {
    Close();
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return false;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    size_ = static_cast<std::uint64_t>(st.st_size);
    bytesRead_ = 0;
    return true;
}

void ReadAtFile::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    size_ = 0;
}

std::optional<std::string> ReadAtFile::ReadAt(std::uint64_t offset, std::size_t count) {
    if (fd_ < 0 || offset > size_) return std::nullopt;
    if (count > size_ - offset) count = static_cast<std::size_t>(size_ - offset);
    std::string bytes(count, '\0');
    std::size_t done = 0;
    while (done < count) {
        ssize_t n = pread(fd_, bytes.data() + done, count - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) break;  // the file shrank since it was opened
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    bytesRead_ += done;
    return bytes;
}

std::optional<std::string> ReadAtFile::ReadExactly(std::uint64_t offset, std::size_t count) {
    auto bytes = ReadAt(offset, count);
    if (!bytes || bytes->size() != count) return std::nullopt;
    return bytes;
}

}  // namespace scx::platform
