#pragma once
// Small UTF-8 helpers: walking code points, appending one, and one-to-one lower-casing.

#include <string>
#include <string_view>

namespace scx {

inline constexpr char32_t kReplacementChar = 0xFFFD;

// Calls fn(codePoint, rawBytes) for each code point; a malformed byte comes as U+FFFD with its
// single raw byte, so callers can pass it through unchanged.
template <typename Fn>
void ForEachCodePoint(std::string_view text, Fn&& fn) {
    size_t i = 0;
    while (i < text.size()) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        char32_t cp = n == 1 ? c : n == 2 ? (c & 0x1F) : n == 3 ? (c & 0x0F) : (c & 0x07);
        bool valid = n > 0 && i + n <= text.size();
        for (size_t k = 1; valid && k < n; ++k) {
            unsigned char t = static_cast<unsigned char>(text[i + k]);
            if ((t & 0xC0) != 0x80) valid = false;
            cp = (cp << 6) | (t & 0x3F);
        }
        if (!valid) {
            fn(kReplacementChar, text.substr(i, 1));
            ++i;
            continue;
        }
        fn(cp, text.substr(i, n));
        i += n;
    }
}

void AppendUtf8(std::string& out, char32_t cp);

// Lower case of one code point where a one-to-one mapping exists (ASCII, Latin-1 and Latin
// Extended-A, Greek, Cyrillic, Roman numerals, circled and full-width letters: every cased letter
// of code page 949); any other code point is returned as it is.
char32_t FoldCase(char32_t cp);

}  // namespace scx

namespace scx {

// UTF-16 little-endian bytes (as Windows files store text) to UTF-8; a lone surrogate becomes
// U+FFFD and an odd last byte is dropped.
std::string Utf8FromUtf16Le(std::string_view bytes);
// UTF-8 to UTF-16 little-endian bytes, without terminator; malformed bytes become U+FFFD.
std::string Utf16LeFromUtf8(std::string_view text);

}  // namespace scx
