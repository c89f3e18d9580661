#include "platform/registry/wine_reg_file.h"

#include <charconv>
#include <optional>

#include "core/text_util.h"

namespace scx::reg {
namespace {

constexpr std::string_view kHeader = "WINE REGISTRY Version 2";

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
unsigned HexValue(char c) {
    return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
}

void AppendUnit(std::string& out, unsigned unit) {
    out.push_back(static_cast<char>(unit & 0xFF));
    out.push_back(static_cast<char>((unit >> 8) & 0xFF));
}

// Reads an escaped string from `pos` up to the unescaped `end` character, as UTF-16LE bytes
// (raw bytes above 127 are read as UTF-8). Leaves `pos` after `end`; none when `end` is missing.
std::optional<std::string> ParseEscaped(std::string_view line, size_t& pos, char end) {
    std::string out;
    while (pos < line.size()) {
        char c = line[pos++];
        if (c == end) return out;
        if (c != '\\') {
            unsigned char b = static_cast<unsigned char>(c);
            if (b < 0x80) {
                AppendUnit(out, b);
                continue;
            }
            size_t n = (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
            std::string_view seq = n && pos - 1 + n <= line.size() ? line.substr(pos - 1, n) : line.substr(pos - 1, 1);
            out += Utf16FromUtf8(seq);
            pos += seq.size() - 1;
            continue;
        }
        if (pos >= line.size()) return std::nullopt;
        char e = line[pos++];
        switch (e) {
            case 'a': AppendUnit(out, '\a'); break;
            case 'b': AppendUnit(out, '\b'); break;
            case 'e': AppendUnit(out, 0x1B); break;
            case 'f': AppendUnit(out, '\f'); break;
            case 'n': AppendUnit(out, '\n'); break;
            case 'r': AppendUnit(out, '\r'); break;
            case 't': AppendUnit(out, '\t'); break;
            case 'v': AppendUnit(out, '\v'); break;
            case 'x': {
                unsigned v = 0;
                int digits = 0;
                while (digits < 4 && pos < line.size() && IsHexDigit(line[pos])) {
                    v = v * 16 + HexValue(line[pos++]);
                    ++digits;
                }
                if (digits == 0) AppendUnit(out, 'x');
                else AppendUnit(out, v);
                break;
            }
            default:
                if (e >= '0' && e <= '7') {
                    unsigned v = e - '0';
                    for (int k = 0; k < 2 && pos < line.size() && line[pos] >= '0' && line[pos] <= '7'; ++k)
                        v = v * 8 + (line[pos++] - '0');
                    AppendUnit(out, v);
                } else {
                    // Any other escaped character stands for itself (\\, \", \]).
                    out += Utf16FromUtf8(std::string_view(&e, 1));
                }
        }
    }
    return std::nullopt;
}

std::optional<std::string> ParseHexBytes(std::string_view text) {
    std::string bytes;
    size_t pos = 0;
    auto skipSpace = [&] { while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos; };
    skipSpace();
    if (pos == text.size()) return bytes;
    while (true) {
        skipSpace();
        if (pos >= text.size() || !IsHexDigit(text[pos])) return std::nullopt;
        unsigned v = HexValue(text[pos++]);
        if (pos < text.size() && IsHexDigit(text[pos])) v = v * 16 + HexValue(text[pos++]);
        bytes.push_back(static_cast<char>(v));
        skipSpace();
        if (pos == text.size()) return bytes;
        if (text[pos] != ',') return std::nullopt;
        ++pos;
        skipSpace();
        if (pos == text.size()) return bytes;  // a trailing comma before the line's end
    }
}

std::optional<std::uint32_t> ParseTypeNumber(std::string_view text, size_t& pos) {
    // "(N)" with N in hexadecimal
    if (pos >= text.size() || text[pos] != '(') return std::nullopt;
    size_t close = text.find(')', pos);
    if (close == std::string_view::npos || close == pos + 1 || close - pos > 9) return std::nullopt;
    std::uint32_t v = 0;
    auto [ptr, ec] = std::from_chars(text.data() + pos + 1, text.data() + close, v, 16);
    if (ec != std::errc() || ptr != text.data() + close) return std::nullopt;
    pos = close + 1;
    return v;
}

bool OnlySpaceFrom(std::string_view text, size_t pos) {
    for (; pos < text.size(); ++pos)
        if (text[pos] != ' ' && text[pos] != '\t') return false;
    return true;
}

// The data after "=": fills type and bytes, or gives an error text.
std::string ParseData(std::string_view data, RegValue& value) {
    size_t pos = 0;
    if (data.starts_with("\"") || data.starts_with("str")) {
        value.type = kRegSz;
        if (data.starts_with("str")) {
            pos = 3;
            auto type = ParseTypeNumber(data, pos);
            if (!type || pos >= data.size() || data[pos] != ':') return "bad str(N): type";
            value.type = *type;
            ++pos;
        }
        if (pos >= data.size() || data[pos] != '"') return "string data without opening quote";
        ++pos;
        auto text = ParseEscaped(data, pos, '"');
        if (!text) return "string data without closing quote";
        value.data = std::move(*text);
        value.data.append(2, '\0');
        if (!OnlySpaceFrom(data, pos)) return "text after string data";
        return {};
    }
    if (data.starts_with("dword:")) {
        std::string_view digits = data.substr(6);
        while (!digits.empty() && (digits.back() == ' ' || digits.back() == '\t')) digits.remove_suffix(1);
        std::uint32_t v = 0;
        auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), v, 16);
        if (digits.empty() || digits.size() > 8 || ec != std::errc() || ptr != digits.data() + digits.size())
            return "bad dword data";
        value.type = kRegDword;
        for (int i = 0; i < 4; ++i) value.data.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
        return {};
    }
    if (data.starts_with("hex")) {
        pos = 3;
        value.type = kRegBinary;
        if (pos < data.size() && data[pos] == '(') {
            auto type = ParseTypeNumber(data, pos);
            if (!type) return "bad hex(N) type";
            value.type = *type;
        }
        if (pos >= data.size() || data[pos] != ':') return "hex data without ':'";
        auto bytes = ParseHexBytes(data.substr(pos + 1));
        if (!bytes) return "bad hex byte list";
        value.data = std::move(*bytes);
        return {};
    }
    return "unknown data form";
}

}  // namespace

WineRegParse ParseWineRegistry(std::string_view text) {
    WineRegParse result;
    auto root = std::make_unique<RegTreeKey>("");
    RegTreeKey* current = nullptr;
    size_t pos = 0;
    int lineNumber = 0;
    auto fail = [&](std::string_view why) {
        result.error = Format("line %d: %.*s", lineNumber, static_cast<int>(why.size()), why.data());
        return std::move(result);
    };
    auto nextLine = [&](std::string_view& line) {
        if (pos >= text.size()) return false;
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        pos = end + 1;
        ++lineNumber;
        return true;
    };

    std::string_view line;
    if (!nextLine(line) || line != kHeader) {
        lineNumber = 1;
        return fail("not a Wine registry file (first line is not \"WINE REGISTRY Version 2\")");
    }
    std::string joined;
    while (nextLine(line)) {
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '#') {
            if (current && line == "#link") current->isLink = true;
            continue;  // #arch, #time, #class: nothing the readers need
        }
        if (line[0] == '[') {
            size_t at = 1;
            auto path = ParseEscaped(line, at, ']');
            if (!path) return fail("key line without closing ']'");
            std::string keyPath = Utf8FromUtf16(*path);
            auto parts = SplitKeyPath(keyPath);
            if (parts.empty()) return fail("empty key path");
            current = root.get();
            for (auto part : parts) current = current->AddChild(part);
            continue;
        }
        if (line[0] != '"' && line[0] != '@') return fail("neither a key, a value nor a comment");
        if (!current) return fail("value before the first key");
        // Byte lists go on over lines that end in a backslash.
        joined.assign(line);
        while (!joined.empty() && joined.back() == '\\' && joined.find("=hex") != std::string::npos) {
            joined.pop_back();
            std::string_view more;
            if (!nextLine(more)) return fail("continued line at the end of the file");
            size_t first = more.find_first_not_of(" \t");
            if (first != std::string_view::npos) joined.append(more.substr(first));
        }
        std::string_view full = joined;
        RegValue value;
        size_t at = 1;
        if (full[0] == '"') {
            auto name = ParseEscaped(full, at, '"');
            if (!name) return fail("value name without closing quote");
            value.name = Utf8FromUtf16(*name);
        }
        if (at >= full.size() || full[at] != '=') return fail("value without '='");
        std::string why = ParseData(full.substr(at + 1), value);
        if (!why.empty()) return fail(why);
        current->SetValue(std::move(value));
    }
    result.root = std::move(root);
    return result;
}

}  // namespace scx::reg
