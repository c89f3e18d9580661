#pragma once
// Queries on a version-information block, the tree of named nodes that program files carry as
// their version resource: the root holds the fixed part (file and product version numbers), its
// children "StringFileInfo" (string tables named by eight hexadecimal digits of language and code
// page, each holding named texts) and "VarFileInfo" (the "Translation" list).
//
// Every node is: length, value length, type (0 binary, 1 text), a NUL-terminated UTF-16LE name,
// padding to four bytes, the value, padding, then the children. Nothing here trusts a length: every
// read is bounded by the enclosing node and by the block, so any bytes can be queried safely.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace scx {

// One value of the block: its raw bytes and whether the node says it is text.
struct VersionValue {
    std::string_view bytes;
    bool isText = false;
};

// The value at `path`, names separated by backslashes ("\\StringFileInfo\\040904b0\\CompanyName";
// "\\" is the root), compared without regard to letter case. None when a name is missing or the
// block is malformed on the way.
std::optional<VersionValue> QueryVersionValue(std::string_view block, std::string_view path);

// A text value in UTF-8, up to its first NUL.
std::optional<std::string> QueryVersionText(std::string_view block, std::string_view path);

// The first entry of "\\VarFileInfo\\Translation": language in the upper 16 bits, code page in
// the lower; none when the list is missing or shorter than one entry.
std::optional<std::uint32_t> QueryTranslation(std::string_view block);

// The fixed part's version numbers, each as four 16-bit parts packed most significant first.
struct VersionFixedInfo {
    std::uint64_t fileVersion = 0;
    std::uint64_t productVersion = 0;
};
std::optional<VersionFixedInfo> QueryFixedInfo(std::string_view block);

// "a.b.c.d" of a packed version number.
std::string VersionNumberText(std::uint64_t packed);

}  // namespace scx
