#include "core/version/pe_resource.h"

#include <algorithm>
#include <vector>

#include "core/version/little_endian.h"

namespace scx {
namespace {

constexpr std::uint32_t kVersionType = 16;
constexpr std::uint32_t kVersionName = 1;
constexpr std::uint32_t kLanguageNeutral = 0;
constexpr std::uint32_t kUsEnglish = 0x409;
constexpr std::uint32_t kHighBit = 0x80000000u;
constexpr std::size_t kSectionHeader = 40;
// Caps that keep hostile counts from costing memory: far above what real programs use.
constexpr std::size_t kMaxSections = 1024;
constexpr std::size_t kMaxDirectoryEntries = 4096;
constexpr int kResourceLevels = 3;  // type, name, language
// Reads go at least this far, so headers and section table, or the resource directories, usually
// come with one system call each.
constexpr std::size_t kReadAhead = 4096;

struct Section {
    std::uint32_t address = 0;      // relative virtual address
    std::uint32_t virtualSize = 0;
    std::uint32_t rawOffset = 0;    // in the file
    std::uint32_t rawSize = 0;
};

// Where a relative virtual address lies in the file, and how many bytes of its section follow.
struct FileSpan {
    std::uint64_t offset = 0;
    std::uint64_t available = 0;
};

class PeImage {
public:
    explicit PeImage(platform::ReadAtFile& file) : file_(file) {}

    // Reads the headers and the section table; false for anything but a PE32 or PE32+ image.
    bool ReadHeaders();
    std::optional<std::string> ReadVersionResource();

private:
    struct Entry {
        std::uint32_t id = 0;
        bool named = false;
        std::uint32_t target = 0;  // offset in the resource data, high bit: a directory
    };

    std::optional<std::string> Read(std::uint64_t offset, std::size_t count);
    std::optional<FileSpan> Locate(std::uint32_t rva) const;
    std::optional<std::vector<Entry>> ReadDirectory(std::uint32_t offset);
    std::optional<std::string> ReadResourceBytes(std::uint32_t offset, std::size_t count);

    platform::ReadAtFile& file_;
    std::string window_;  // the bytes last read from the file, from windowOffset_ on
    std::uint64_t windowOffset_ = 0;
    std::vector<Section> sections_;
    std::uint32_t resourceRva_ = 0;
    std::vector<std::uint32_t> visited_;  // directories seen, to stop on loops
};

// Exactly `count` bytes from `offset`, from the last window read when it holds them.
std::optional<std::string> PeImage::Read(std::uint64_t offset, std::size_t count) {
    bool inWindow = offset >= windowOffset_ && offset - windowOffset_ <= window_.size() &&
                    count <= window_.size() - (offset - windowOffset_);
    if (!inWindow) {
        auto bytes = file_.ReadAt(offset, std::max(count, kReadAhead));
        if (!bytes || bytes->size() < count) return std::nullopt;
        window_ = std::move(*bytes);
        windowOffset_ = offset;
    }
    return window_.substr(offset - windowOffset_, count);
}

bool PeImage::ReadHeaders() {
    auto dos = Read(0, 64);
    if (!dos || dos->compare(0, 2, "MZ") != 0) return false;
    std::uint64_t ntOffset = Le32(*dos, 0x3C);
    auto nt = Read(ntOffset, 24);
    if (!nt || nt->compare(0, 4, std::string("PE\0\0", 4)) != 0) return false;
    std::size_t sectionCount = Le16(*nt, 6);
    std::size_t optionalSize = Le16(*nt, 20);
    if (sectionCount > kMaxSections) return false;

    auto optional = Read(ntOffset + 24, std::min<std::size_t>(optionalSize, 240));
    if (!optional || optional->size() < 2) return false;
    std::uint32_t magic = Le16(*optional, 0);
    std::size_t countAt = magic == 0x10b ? 92 : magic == 0x20b ? 108 : 0;
    if (countAt == 0) return false;
    std::size_t resourceAt = countAt + 4 + 2 * 8;  // the third data directory
    if (optional->size() < resourceAt + 8 || Le32(*optional, countAt) < 3) return false;
    resourceRva_ = Le32(*optional, resourceAt);
    if (resourceRva_ == 0 || Le32(*optional, resourceAt + 4) == 0) return false;

    auto table = Read(ntOffset + 24 + optionalSize, sectionCount * kSectionHeader);
    if (!table) return false;
    for (std::size_t i = 0; i < sectionCount; ++i) {
        std::size_t at = i * kSectionHeader;
        sections_.push_back({Le32(*table, at + 12), Le32(*table, at + 8), Le32(*table, at + 20),
                             Le32(*table, at + 16)});
    }
    return true;
}

std::optional<FileSpan> PeImage::Locate(std::uint32_t rva) const {
    for (const Section& s : sections_) {
        std::uint32_t span = std::max(s.virtualSize, s.rawSize);
        if (rva < s.address || rva - s.address >= span) continue;
        std::uint32_t delta = rva - s.address;
        if (delta >= s.rawSize) return std::nullopt;  // zero-filled in memory, absent from the file
        std::uint64_t offset = std::uint64_t{s.rawOffset} + delta;
        if (offset >= file_.Size()) return std::nullopt;
        std::uint64_t available = std::min<std::uint64_t>(s.rawSize - delta, file_.Size() - offset);
        return FileSpan{offset, available};
    }
    return std::nullopt;
}

std::optional<std::string> PeImage::ReadResourceBytes(std::uint32_t offset, std::size_t count) {
    if (offset > UINT32_MAX - resourceRva_) return std::nullopt;
    auto span = Locate(resourceRva_ + offset);
    if (!span || span->available < count) return std::nullopt;
    return Read(span->offset, count);
}

std::optional<std::vector<PeImage::Entry>> PeImage::ReadDirectory(std::uint32_t offset) {
    if (std::find(visited_.begin(), visited_.end(), offset) != visited_.end()) return std::nullopt;
    visited_.push_back(offset);
    auto header = ReadResourceBytes(offset, 16);
    if (!header) return std::nullopt;
    std::size_t count = std::min<std::size_t>(Le16(*header, 12) + Le16(*header, 14), kMaxDirectoryEntries);
    auto raw = ReadResourceBytes(offset + 16, count * 8);
    if (!raw) return std::nullopt;
    std::vector<Entry> entries;
    for (std::size_t i = 0; i < count; ++i) {
        std::uint32_t name = Le32(*raw, i * 8);
        entries.push_back({name & ~kHighBit, (name & kHighBit) != 0, Le32(*raw, i * 8 + 4)});
    }
    return entries;
}

// The entry with the first of `ids` that is present, else the first entry; none when empty.
const auto* PickEntry(const auto& entries, std::initializer_list<std::uint32_t> ids, bool orFirst) {
    for (std::uint32_t id : ids)
        for (const auto& e : entries)
            if (!e.named && e.id == id) return &e;
    return orFirst && !entries.empty() ? &entries.front() : nullptr;
}

std::optional<std::string> PeImage::ReadVersionResource() {
    std::uint32_t directory = 0;
    std::optional<Entry> entry;
    for (int level = 0; level < kResourceLevels; ++level) {
        auto entries = ReadDirectory(directory);
        if (!entries) return std::nullopt;
        const Entry* chosen = level == 0 ? PickEntry(*entries, {kVersionType}, false)
                            : level == 1 ? PickEntry(*entries, {kVersionName}, true)
                                         : PickEntry(*entries, {kLanguageNeutral, kUsEnglish}, true);
        if (!chosen) return std::nullopt;
        bool isDirectory = (chosen->target & kHighBit) != 0;
        if (isDirectory != (level < kResourceLevels - 1)) return std::nullopt;
        directory = chosen->target & ~kHighBit;
        entry = *chosen;
    }
    auto data = ReadResourceBytes(entry->target, 16);
    if (!data) return std::nullopt;
    std::uint32_t size = Le32(*data, 4);
    auto span = Locate(Le32(*data, 0));
    if (!span || size == 0) return std::nullopt;
    // A resource cut short by the end of its section or file is read as far as it goes.
    std::size_t count = std::min<std::uint64_t>({size, span->available, kMaxVersionBlock});
    return Read(span->offset, count);
}

}  // namespace

std::optional<std::string> ReadPeVersionResource(platform::ReadAtFile& file) {
    PeImage image(file);
    if (!image.ReadHeaders()) return std::nullopt;
    return image.ReadVersionResource();
}

std::optional<std::string> ReadPeVersionResource(const std::string& path, std::uint64_t* bytesRead) {
    platform::ReadAtFile file;
    std::optional<std::string> block;
    if (file.Open(path)) block = ReadPeVersionResource(file);
    if (bytesRead) *bytesRead = file.BytesRead();
    return block;
}

}  // namespace scx
