#include "platform/registry/reg_value.h"

#include "core/utf8.h"

namespace scx::reg {
namespace {

void AppendUnit(std::string& out, std::uint32_t unit) {
    out.push_back(static_cast<char>(unit & 0xFF));
    out.push_back(static_cast<char>((unit >> 8) & 0xFF));
}

}  // namespace

std::string Utf16FromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() * 2);
    ForEachCodePoint(utf8, [&](char32_t cp, std::string_view) {
        if (cp >= 0x10000) {
            std::uint32_t v = static_cast<std::uint32_t>(cp) - 0x10000;
            AppendUnit(out, 0xD800 + (v >> 10));
            AppendUnit(out, 0xDC00 + (v & 0x3FF));
        } else {
            AppendUnit(out, cp);
        }
    });
    return out;
}

std::string Utf8FromUtf16(std::string_view bytes) {
    std::string out;
    size_t n = bytes.size() / 2;
    auto unitAt = [&](size_t i) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[2 * i])) |
               (static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[2 * i + 1])) << 8);
    };
    for (size_t i = 0; i < n; ++i) {
        std::uint32_t u = unitAt(i);
        if (u == 0) break;
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < n) {
            std::uint32_t low = unitAt(i + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(out, static_cast<char32_t>(0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00)));
                ++i;
                continue;
            }
        }
        if (u >= 0xD800 && u <= 0xDFFF) u = kReplacementChar;
        AppendUtf8(out, static_cast<char32_t>(u));
    }
    return out;
}

std::string StringData(std::string_view utf8) {
    std::string data = Utf16FromUtf8(utf8);
    data.append(2, '\0');
    return data;
}

std::optional<std::string> ValueText(const RegValue& value, std::size_t maxBytes) {
    if (value.data.size() > maxBytes) return std::nullopt;
    switch (value.type) {
        case kRegSz:
        case kRegExpandSz:
        case kRegMultiSz:
            return Utf8FromUtf16(value.data);
        case kRegDword:
            if (auto dword = ValueDword(value)) return std::to_string(*dword);
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

std::optional<std::uint32_t> ValueDword(const RegValue& value) {
    if (value.type != kRegDword || value.data.size() < 4) return std::nullopt;
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(value.data[i]);
    return v;
}

std::vector<std::string> ValueStrings(const RegValue& value) {
    std::vector<std::string> strings;
    if (value.type != kRegSz && value.type != kRegExpandSz && value.type != kRegMultiSz) return strings;
    std::string_view data = value.data;
    size_t start = 0;
    for (size_t i = 0; i + 1 < data.size(); i += 2) {
        if (data[i] == 0 && data[i + 1] == 0) {
            if (i > start) strings.push_back(Utf8FromUtf16(data.substr(start, i - start)));
            start = i + 2;
        }
    }
    if (start + 1 < data.size()) strings.push_back(Utf8FromUtf16(data.substr(start)));
    return strings;
}

}  // namespace scx::reg
