#include "core/utf8.h"

namespace scx {

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char32_t FoldCase(char32_t c) {
    auto in = [c](char32_t lo, char32_t hi) { return c >= lo && c <= hi; };
    if (in(U'A', U'Z')) return c + 0x20;
    if (c < 0xC0) return c;
    if (in(0xC0, 0xDE) && c != 0xD7) return c + 0x20;
    // Latin Extended-A: capital and small letters alternate, with two runs starting on odd points.
    if (c == 0x0130) return U'i';
    if (c == 0x0178) return 0xFF;
    if ((in(0x0100, 0x012F) || in(0x0132, 0x0137) || in(0x014A, 0x0177)) && c % 2 == 0) return c + 1;
    if ((in(0x0139, 0x0148) || in(0x0179, 0x017E)) && c % 2 == 1) return c + 1;
    if (in(0x0391, 0x03A9) && c != 0x03A2) return c + 0x20;
    if (in(0x0400, 0x040F)) return c + 0x50;
    if (in(0x0410, 0x042F)) return c + 0x20;
    if (in(0x2160, 0x216F)) return c + 0x10;
    if (in(0x24B6, 0x24CF)) return c + 26;
    if (in(0xFF21, 0xFF3A)) return c + 0x20;
    return c;
}

}  // namespace scx

namespace scx {

std::string Utf8FromUtf16Le(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    auto unitAt = [&bytes](size_t i) {
        return static_cast<char32_t>(static_cast<unsigned char>(bytes[i]) |
                                     (static_cast<unsigned char>(bytes[i + 1]) << 8));
    };
    size_t i = 0;
    while (i + 1 < bytes.size()) {
        char32_t unit = unitAt(i);
        i += 2;
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < bytes.size()) {
            char32_t low = unitAt(i);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        AppendUtf8(out, unit >= 0xD800 && unit <= 0xDFFF ? kReplacementChar : unit);
    }
    return out;
}

std::string Utf16LeFromUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    auto put = [&out](char32_t unit) {
        out += static_cast<char>(unit & 0xFF);
        out += static_cast<char>((unit >> 8) & 0xFF);
    };
    ForEachCodePoint(text, [&put](char32_t cp, std::string_view) {
        if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = kReplacementChar;
        if (cp >= 0x10000) {
            put(0xD800 + ((cp - 0x10000) >> 10));
            put(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            put(cp);
        }
    });
    return out;
}

}  // namespace scx
