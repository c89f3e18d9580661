#pragma once
// Reading a registry: keys opened by backslash-separated paths under HKEY_LOCAL_MACHINE or
// HKEY_CURRENT_USER, values, and sub-keys in stored order. One interface over every kind of
// registry an inspection target has (Wine's text files, Windows hive files; Win32 later).

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry/reg_value.h"

namespace scx::reg {

enum class RegRoot { LocalMachine, CurrentUser };
// Wow32 is the 32-bit view: HKLM\SOFTWARE\... is read from HKLM\SOFTWARE\Wow6432Node\... when
// the registry has that node (a 64-bit Windows), and from the native place otherwise.
enum class RegView { Native, Wow32 };

// "HKEY_LOCAL_MACHINE" or "HKEY_CURRENT_USER", exactly; none for anything else.
std::optional<RegRoot> RootFromName(std::string_view name);

// An open key. Names compare without regard to letter case, as Windows does.
class RegKey {
public:
    virtual ~RegKey() = default;
    virtual std::vector<std::string> SubKeyNames() const = 0;  // stored order
    virtual std::size_t SubKeyCount() const = 0;
    // "" names the default value.
    virtual std::optional<RegValue> Value(std::string_view name) const = 0;
    // One sub-key level (no backslash); none when missing. "" gives this key again.
    virtual std::unique_ptr<RegKey> OpenChild(std::string_view name) const = 0;

    // A path of sub-keys below this key; "" opens this key again.
    std::unique_ptr<RegKey> OpenSubKey(std::string_view path) const;
};

class Registry {
public:
    virtual ~Registry() = default;
    // The root key; none when the registry has no such root.
    virtual std::unique_ptr<RegKey> Root(RegRoot root) const = 0;

    std::unique_ptr<RegKey> OpenKey(RegRoot root, std::string_view path,
                                    RegView view = RegView::Native) const;
    // A value as text (see ValueText); none when the key or value is missing, is not text or
    // is longer than `maxBytes`.
    std::optional<std::string> ReadText(RegRoot root, std::string_view path, std::string_view name,
                                        std::size_t maxBytes = SIZE_MAX,
                                        RegView view = RegView::Native) const;
    std::optional<std::uint32_t> ReadDword(RegRoot root, std::string_view path,
                                           std::string_view name) const;
};

// Path components between backslashes, empty ones dropped.
std::vector<std::string_view> SplitKeyPath(std::string_view path);

}  // namespace scx::reg
