#pragma once
// Files held open with the sharing rules the record files rely on, and all-or-nothing writing.
//
// Windows lets the opener of a file deny others write access ("deny write"). Here that is emulated
// with open-file-description locks on two bytes far beyond any real file end: one marks "someone
// holds this file with write access", the other "someone denies others write access". The locks
// are advisory, so they protect against other processes of this system, which is what matters:
// two programs must not both write one result file.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace scx::platform {

enum class Access { Read, ReadWrite };
enum class Share { DenyNone, DenyWrite };

class LockedFile {
public:
    LockedFile() = default;
    ~LockedFile();
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;
    LockedFile(LockedFile&& other) noexcept;
    LockedFile& operator=(LockedFile&& other) noexcept;

    // Opens an existing file. Fails with a text in `error` when the file is missing, unreadable or
    // held by someone whose sharing rule conflicts with this open.
    bool Open(const std::string& path, Access access, Share share, std::string* error = nullptr);
    bool IsOpen() const { return fd_ >= 0; }
    void Close();

    const std::string& Path() const { return path_; }
    std::optional<std::uint64_t> Size() const;
    // The whole file from its start; none when the read fails.
    std::optional<std::string> ReadAll() const;
    // Up to `length` bytes from `offset` into `out` (replacing its content); false when the read
    // fails. Fewer bytes come back only at the end of the file.
    bool ReadAt(std::uint64_t offset, std::size_t length, std::string& out) const;

    // Replaces the file's content all or nothing (temporary file, flush, rename) and goes on
    // holding the new file with the same access and sharing.
    bool Replace(std::string_view bytes, std::string* error = nullptr);

private:
    int fd_ = -1;
    std::string path_;
    Access access_ = Access::Read;
    Share share_ = Share::DenyNone;
};

// Writes `bytes` to `path` all or nothing: a temporary file in the same folder, flushed, then
// renamed over the target. Fails without touching the target when another holder of the target
// denies write access.
bool WriteFileAtomically(const std::string& path, std::string_view bytes,
                         std::string* error = nullptr);

// True when a holder of this system keeps the file open with write access or denies others
// write access (the holders a Windows move or delete of the file would run into). Holders that
// only read and share everything leave no mark and are not seen.
bool IsFileHeld(const std::string& path);

// The whole content of a file, read without holding it; none (and the reason) when it cannot be
// read.
std::optional<std::string> ReadFileBytes(const std::string& path, std::string* error = nullptr);

// Text of the last system error (errno), for messages and traces.
std::string LastErrorText();

}  // namespace scx::platform
