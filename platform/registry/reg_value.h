#pragma once
// A registry value as Windows stores it: a name (empty for the key's default value), a type and
// the raw data bytes (strings as UTF-16LE). Readers turn it into text the way a program that
// reads it into a wide-character buffer sees it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace scx::reg {

enum RegType : std::uint32_t {
    kRegNone = 0,
    kRegSz = 1,
    kRegExpandSz = 2,
    kRegBinary = 3,
    kRegDword = 4,
    kRegLink = 6,
    kRegMultiSz = 7,
    kRegQword = 11,
};

struct RegValue {
    std::string name;  // "" is the default value
    std::uint32_t type = kRegNone;
    std::string data;  // raw bytes
};

// UTF-16LE bytes of a UTF-8 text (invalid UTF-8 bytes become U+FFFD), without a terminator.
std::string Utf16FromUtf8(std::string_view utf8);
// UTF-8 of UTF-16LE bytes up to the first zero code unit; unpaired surrogates become U+FFFD.
std::string Utf8FromUtf16(std::string_view utf16le);

// String data as stored for a text: UTF-16LE followed by one zero code unit.
std::string StringData(std::string_view utf8);

// The value as text: string, expandable string (not expanded) and multi-string (its first
// string, as a zero-terminated buffer shows it) give their text; a DWORD gives its decimal
// value. None for other types, or when the data is longer than `maxBytes` (the caller's buffer).
std::optional<std::string> ValueText(const RegValue& value, std::size_t maxBytes = SIZE_MAX);
std::optional<std::uint32_t> ValueDword(const RegValue& value);
// Every string of a multi-string value (a string value gives itself); empty for other types.
std::vector<std::string> ValueStrings(const RegValue& value);

}  // namespace scx::reg
