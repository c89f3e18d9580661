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
