#pragma once
// Writes a Windows registry hive file holding a key tree: an empty hive is laid out byte by byte
// (base block, one bin with the root key and its security cell), then libhivex adds the keys and
// values. For tests of offline Windows volumes.

#include <string>

#include "platform/registry/reg_tree.h"

namespace scx::test {

// False, with the reason, when libhivex refuses.
bool WriteHive(const std::string& path, const reg::RegTreeKey& root, std::string* error = nullptr);

// The bytes of a hive with only a root key (the starting point of WriteHive).
std::string EmptyHiveBytes();

}  // namespace scx::test
