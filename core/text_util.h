#pragma once
// Text utilities every record file and window of the system relies on. Texts are UTF-8.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace scx {

// The missing-value marker: no field of a record file is ever empty.
inline constexpr std::string_view kMissing = "-";

// Splits `text` on `separator` (which may be longer than one character). Every empty field
// becomes "-"; a separator at the very end gives no trailing field; the empty text gives none.
void SplitFields(std::string_view text, std::string_view separator, std::vector<std::string>& fields);
std::vector<std::string> SplitFields(std::string_view text, std::string_view separator);

// Line breaks and tabs become spaces (CR LF first, then TAB, then LF; a lone CR stays).
std::string FlattenText(std::string_view text);

// Removes "?" and the symbol characters that must not take part in product-name keys.
std::string StripSymbols(std::string_view text);

// 1 when equal, else 0; with `ignoreCase` letters compare without regard to case.
int IsSameText(std::string_view a, std::string_view b, bool ignoreCase);

// Lower-case copy: ASCII letters, and beyond ASCII the one-to-one lower case of a code point.
std::string LowerCase(std::string_view text);

// Value of a text of decimal digits only; the empty text is 0, anything else -1. Values too
// large for 64 bits saturate.
long long ParseDigits(std::string_view text);
double ParseDigitsReal(std::string_view text);

// "%d" of the value, padded on the left with "0" up to `width`.
std::string ZeroPad(int width, long long value);

// "," between groups of three digits; the real number is first rounded to a whole number.
std::string GroupThousands(double value);
std::string GroupThousands(std::string_view digits);

// Sorts digit texts by value; texts that are not numbers go last and come back as "-1".
void SortNumericStrings(std::vector<std::string>& values);
void SortIntegers(std::vector<std::uint64_t>& values, bool ascending);

// Local date "%Y%m%d", or with the time "%Y%m%d_%H%M%S".
std::string NowStamp(bool withTime);

// printf-style formatting into a std::string.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace scx
