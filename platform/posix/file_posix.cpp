#include "platform/file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace scx::platform {
namespace {

// Lock bytes far past the end of any record file; the locks never touch real content.
constexpr off_t kWriterByte = 0x7FFFFFFF00LL;
constexpr off_t kDenyWriteByte = kWriterByte + 1;
constexpr const char* kSharingViolation = "the file is in use by another process";

bool LockShared(int fd, off_t byte) {
    struct flock fl {};
    fl.l_type = F_RDLCK;
    fl.l_whence = SEEK_SET;
    fl.l_start = byte;
    fl.l_len = 1;
    return fcntl(fd, F_OFD_SETLK, &fl) == 0;
}

// True when another open file description holds a lock on `byte`.
bool HeldByOthers(int fd, off_t byte) {
    struct flock fl {};
    fl.l_type = F_WRLCK;
    fl.l_whence = SEEK_SET;
    fl.l_start = byte;
    fl.l_len = 1;
    if (fcntl(fd, F_OFD_GETLK, &fl) != 0) return false;
    return fl.l_type != F_UNLCK;
}

void SetError(std::string* error, std::string text) {
    if (error) *error = std::move(text);
}

std::string FolderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

bool WriteAll(int fd, std::string_view bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

// Temporary file beside `path`, filled and flushed, then renamed over it. `mode` is the new file's
// permission; the folder is flushed too so the rename survives a crash.
bool WriteAndRename(const std::string& path, std::string_view bytes, mode_t mode, std::string* error) {
    std::string tmp = path + ".XXXXXX";
    int fd = mkstemp(tmp.data());
    if (fd < 0) {
        SetError(error, LastErrorText());
        return false;
    }
    bool ok = fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && fsync(fd) == 0;
    if (!ok) SetError(error, LastErrorText());
    if (close(fd) != 0 && ok) {
        SetError(error, LastErrorText());
        ok = false;
    }
    if (ok && rename(tmp.c_str(), path.c_str()) != 0) {
        SetError(error, LastErrorText());
        ok = false;
    }
    if (!ok) {
        unlink(tmp.c_str());
        return false;
    }
    int dir = open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return true;
}

mode_t NewFileMode() {
    mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

}  // namespace

std::string LastErrorText() { return std::strerror(errno); }

LockedFile::~LockedFile() { Close(); }

LockedFile::LockedFile(LockedFile&& other) noexcept { *this = std::move(other); }

LockedFile& LockedFile::operator=(LockedFile&& other) noexcept {
    if (this != &other) {
        Close();
        fd_ = std::exchange(other.fd_, -1);
        path_ = std::move(other.path_);
        access_ = other.access_;
        share_ = other.share_;
    }
    return *this;
}

bool LockedFile::Open(const std::string& path, Access access, Share share, std::string* error) {
    Close();
    int fd = open(path.c_str(), (access == Access::Read ? O_RDONLY : O_RDWR) | O_CLOEXEC);
    if (fd < 0) {
        SetError(error, LastErrorText());
        return false;
    }
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        SetError(error, S_ISDIR(st.st_mode) ? std::strerror(EISDIR) : "not a regular file");
        close(fd);
        return false;
    }
    // Take our own marks first, then look for conflicting ones: two openers racing both fail
    // rather than both succeed.
    bool ok = true;
    if (access == Access::ReadWrite) ok = LockShared(fd, kWriterByte);
    if (ok && share == Share::DenyWrite) ok = LockShared(fd, kDenyWriteByte);
    if (ok && access == Access::ReadWrite && HeldByOthers(fd, kDenyWriteByte)) ok = false;
    if (ok && share == Share::DenyWrite && HeldByOthers(fd, kWriterByte)) ok = false;
    if (!ok) {
        SetError(error, kSharingViolation);
        close(fd);
        return false;
    }
    fd_ = fd;
    path_ = path;
    access_ = access;
    share_ = share;
    return true;
}

void LockedFile::Close() {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
}

std::optional<std::uint64_t> LockedFile::Size() const {
    struct stat st {};
    if (fd_ < 0 || fstat(fd_, &st) != 0) return std::nullopt;
    return static_cast<std::uint64_t>(st.st_size);
}

std::optional<std::string> LockedFile::ReadAll() const {
    auto size = Size();
    std::string bytes;
    if (!size || !ReadAt(0, *size, bytes)) return std::nullopt;
    return bytes;
}

bool LockedFile::ReadAt(std::uint64_t offset, std::size_t length, std::string& out) const {
    out.resize(length);
    size_t done = 0;
    while (done < length) {
        ssize_t n = pread(fd_, out.data() + done, length - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;  // the end of the file (it may have shrunk meanwhile)
        done += static_cast<size_t>(n);
    }
    out.resize(done);
    return true;
}

bool LockedFile::Replace(std::string_view bytes, std::string* error) {
    if (fd_ < 0) {
        SetError(error, std::strerror(EBADF));
        return false;
    }
    if (access_ != Access::ReadWrite) {
        SetError(error, std::strerror(EACCES));
        return false;
    }
    struct stat st {};
    mode_t mode = fstat(fd_, &st) == 0 ? (st.st_mode & 07777) : NewFileMode();
    if (!WriteAndRename(path_, bytes, mode, error)) return false;
    // Hold the new file before letting the old one go, so the file is never unguarded by us.
    LockedFile fresh;
    if (!fresh.Open(path_, access_, share_, error)) return false;
    *this = std::move(fresh);
    return true;
}

bool IsFileHeld(const std::string& path) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    bool held = HeldByOthers(fd, kWriterByte) || HeldByOthers(fd, kDenyWriteByte);
    close(fd);
    return held;
}

std::optional<std::string> ReadFileBytes(const std::string& path, std::string* error) {
    LockedFile file;
    if (!file.Open(path, Access::Read, Share::DenyNone, error)) return std::nullopt;
    auto bytes = file.ReadAll();
    if (!bytes) SetError(error, LastErrorText());
    return bytes;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
    mode_t mode = NewFileMode();
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        struct stat st {};
        bool busy = HeldByOthers(fd, kDenyWriteByte);
        bool isDir = fstat(fd, &st) == 0 && S_ISDIR(st.st_mode);
        if (!isDir) mode = st.st_mode & 07777;
        close(fd);
        if (busy || isDir) {
            SetError(error, busy ? kSharingViolation : std::strerror(EISDIR));
            return false;
        }
    }
    return WriteAndRename(path, bytes, mode, error);
}

}  // namespace scx::platform
