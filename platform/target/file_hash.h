#pragma once
// SHA-1 of files, as the user checklist compares them: 40 lower-case hex digits.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/target/target.h"

namespace scx::target {

// Files above this size (50 MiB) are not hashed; a file of exactly this size is.
inline constexpr std::uint64_t kHashSizeLimit = 52'428'800;

// SHA-1 of a host file read in 8,192-byte blocks; empty for an empty file or one that cannot be
// read.
std::string Sha1OfHostFile(const std::string& hostPath);

// SHA-1 of a target's file: only files with the archive or normal attribute and at most
// kHashSizeLimit bytes are hashed; others give the empty text.
std::string FileSha1Text(const Target& target, std::string_view windowsPath);

}  // namespace scx::target
