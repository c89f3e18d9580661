#pragma once
// Serial numbers named by a checklist row's REG_PATH, and the environment of the inspected PC.

#include <string>
#include <string_view>

#include "platform/registry/registry.h"

namespace scx::scan {

// Marks a key level whose name differs from PC to PC: the value is searched below it.
inline constexpr std::string_view kVariableKey = "변동값";

// The value REG_PATH names ("HKEY_LOCAL_MACHINE\SOFTWARE\Acme\Serial", "...\Acme\변동값\Serial"),
// or "-" when the path is malformed, its root is not spelt out in full, or nothing is found.
std::string ReadSerialNumber(const reg::Registry* registry, std::string_view regPath);

// A variable of the PC's environment: the user's (HKCU\Environment) before the system's
// (HKLM\System\CurrentControlSet\Control\Session Manager\Environment). Empty when unset.
std::string EnvironmentVariable(const reg::Registry* registry, std::string_view name);

// An application path's text as the scan uses it: double quotes removed, and "%NAME%" (with
// everything before it) replaced by the variable's value.
std::string ExpandAppPath(const reg::Registry* registry, std::string_view text);

}  // namespace scx::scan
