#pragma once
// Finds the version resource of a Portable Executable file (PE32 or PE32+) and reads it, taking
// only the headers, the section table, the resource directories on the way and the resource
// itself from the file. Every offset and size comes from the file and is checked against it.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/read_at_file.h"

namespace scx {

// A version block is at most 64 KiB: its root node's length is a 16-bit number.
inline constexpr std::size_t kMaxVersionBlock = 0x10000;

// The bytes of the file's version resource (resource type 16, name 1 or else the first; language
// neutral, else US English, else the first), at most kMaxVersionBlock of them; none when the file
// is no PE file, has no version resource, or its structures point outside the file.
std::optional<std::string> ReadPeVersionResource(platform::ReadAtFile& file);

// The same for a path; `bytesRead` (optional) receives how many bytes were read from the file.
std::optional<std::string> ReadPeVersionResource(const std::string& path,
                                                 std::uint64_t* bytesRead = nullptr);

}  // namespace scx
