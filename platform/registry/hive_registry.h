#pragma once
// The registry of an offline Windows installation, read from its hive files through libhivex:
// HKEY_LOCAL_MACHINE\SOFTWARE and \SYSTEM from Windows\System32\config, HKEY_CURRENT_USER from a
// user's NTUSER.DAT. HKLM\SYSTEM\CurrentControlSet is the control set that SYSTEM\Select\Current
// names, as Windows maps it when it boots. Hive files are opened read-only.

#include <memory>
#include <string>

#include "platform/registry/registry.h"

namespace scx::reg {

struct HiveFiles {
    std::string software;  // host paths; an empty path leaves that part out
    std::string system;
    std::string user;
};

// None, with the reason in `error`, when a named hive cannot be opened or is not a hive.
std::unique_ptr<Registry> OpenHiveRegistry(const HiveFiles& files, std::string* error);

}  // namespace scx::reg
