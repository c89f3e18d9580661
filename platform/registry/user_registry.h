#pragma once
// The system's own HKEY_CURRENT_USER values (for example Software\Scrutinex\FileName), kept in a
// per-user file in Wine's registry text format: $XDG_CONFIG_HOME/scrutinex/user.reg
// ($HOME/.config when XDG_CONFIG_HOME is unset). Every write rewrites the file all or nothing.

#include <cstdint>
#include <string>
#include <string_view>

namespace scx {

// The file's path.
std::string UserRegistryPath();

// 1 and the value of HKEY_CURRENT_USER\subKey\valueName as text, or 0 (output unchanged) when the
// key or value is missing, is not text, or its data is longer than 510 bytes (255 wide characters).
int RegReadString(std::string_view subKey, std::string_view valueName, std::string& value);

// Sets a string value (type 1 REG_SZ or 2 REG_EXPAND_SZ) of an existing key; the data is the
// text's UTF-16 characters without a terminating zero. 1 on success; 0 when the key does not
// exist, the type is not a string type or the file cannot be written.
int RegWriteString(std::string_view subKey, std::string_view valueName, std::string_view value,
                   std::uint32_t type);

// Creates HKEY_CURRENT_USER\subKey and the keys above it when missing. 1 when the key exists
// afterwards, else 0.
int RegCreateKey(std::string_view subKey);

}  // namespace scx
