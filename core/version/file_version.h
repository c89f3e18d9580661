#pragma once
// CFileVersion: a program file's version resource, read once, and single texts from it in the form
// the rest of the system expects (one line, never empty).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace scx {

class CFileVersion {
public:
    CFileVersion() = default;
    virtual ~CFileVersion() = default;

    // 1 when the file's version information and its translation table were read, else 0 (no
    // version resource, no translation table, not a program file, unreadable).
    int Open(const std::string& path);

    // The text `key` ("CompanyName", "ProductName", "ProductVersion", "OriginalFilename") from the
    // string table of the first translation, else from the US-English code page 1252 table, with
    // line breaks and tabs made spaces; "-" when nothing is loaded or the value is missing or empty.
    std::string GetString(std::string_view key) const;

    // Language (upper 16 bits) and code page (lower) of the first translation; 0 when not loaded.
    std::uint32_t Translation() const { return translation_; }
    // The whole version-information block; none when not loaded.
    const std::optional<std::string>& Block() const { return block_; }

private:
    std::optional<std::string> block_;
    std::uint32_t translation_ = 0;
};

}  // namespace scx
