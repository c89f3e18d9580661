#pragma once
// A file opened for reading pieces at chosen offsets, without reading it whole. Parsers of large
// outside files (program files on an inspected disk) take only the bytes they need through it,
// and it counts them, so callers and benchmarks can check how much a parse really read.

#include <cstdint>
#include <optional>
#include <string>

namespace scx::platform {

class ReadAtFile {
public:
    ReadAtFile() = default;
    ~ReadAtFile();
    ReadAtFile(const ReadAtFile&) = delete;
    ReadAtFile& operator=(const ReadAtFile&) = delete;

    // Opens an existing regular file for reading; false when it is missing, unreadable or not a
    // regular file (a device or pipe must never be read by offset).
    bool Open(const std::string& path);
    void Close();
    std::uint64_t Size() const { return size_; }

    // Up to `count` bytes from `offset`; fewer only at the end of the file; none when the offset
    // lies past the end or the read fails.
    std::optional<std::string> ReadAt(std::uint64_t offset, std::size_t count);
    // Exactly `count` bytes from `offset`, else none.
    std::optional<std::string> ReadExactly(std::uint64_t offset, std::size_t count);

    std::uint64_t BytesRead() const { return bytesRead_; }

private:
    int fd_ = -1;
    std::uint64_t size_ = 0;
    std::uint64_t bytesRead_ = 0;
};

}  // namespace scx::platform
