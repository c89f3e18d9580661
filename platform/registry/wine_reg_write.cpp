#include <cctype>
#include <ctime>

#include "core/text_util.h"
#include "platform/registry/wine_reg_file.h"

namespace scx::reg {
namespace {

unsigned UnitAt(std::string_view bytes, size_t i) {
    return static_cast<unsigned char>(bytes[2 * i]) | (static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
}

// Escapes UTF-16LE units the way Wine writes them: backslash and the delimiter escaped, other
// characters below 32 or above 126 as \x escapes (4 digits when a hex digit follows).
std::string Escape(std::string_view utf16, char delimiter) {
    std::string out;
    size_t n = utf16.size() / 2;
    for (size_t i = 0; i < n; ++i) {
        unsigned u = UnitAt(utf16, i);
        if (u < 32 || u > 126) {
            bool hexFollows = i + 1 < n && UnitAt(utf16, i + 1) < 128 &&
                              std::isxdigit(static_cast<int>(UnitAt(utf16, i + 1)));
            out += hexFollows ? Format("\\x%04x", u) : Format("\\x%x", u);
            continue;
        }
        if (u == '\\' || u == static_cast<unsigned>(delimiter)) out += '\\';
        out += static_cast<char>(u);
    }
    return out;
}

// A string value goes out as text when its data is whole code units ending in one zero unit;
// otherwise Wine writes it as a byte list, and so do we.
bool IsPlainStringData(const RegValue& value) {
    if (value.type != kRegSz && value.type != kRegExpandSz && value.type != kRegMultiSz) return false;
    if (value.data.size() < 2 || value.data.size() % 2 != 0) return false;
    size_t n = value.data.size() / 2;
    if (UnitAt(value.data, n - 1) != 0) return false;
    if (value.type != kRegMultiSz)
        for (size_t i = 0; i + 1 < n; ++i)
            if (UnitAt(value.data, i) == 0) return false;
    return true;
}

void WriteValue(std::string& out, const RegValue& value) {
    std::string line = value.name.empty() ? "@=" : "\"" + Escape(Utf16FromUtf8(value.name), '"') + "\"=";
    if (IsPlainStringData(value)) {
        if (value.type != kRegSz) line += Format("str(%x):", value.type);
        line += "\"" + Escape(std::string_view(value.data).substr(0, value.data.size() - 2), '"') + "\"";
    } else if (value.type == kRegDword && value.data.size() == 4) {
        line += Format("dword:%08x", *ValueDword(value));
    } else {
        line += value.type == kRegBinary ? std::string("hex:") : Format("hex(%x):", value.type);
        for (size_t i = 0; i < value.data.size(); ++i) {
            line += Format("%02x", static_cast<unsigned char>(value.data[i]));
            if (i + 1 < value.data.size()) {
                line += ',';
                if (line.size() > 76) {
                    out += line + "\\\n";
                    line = "  ";
                }
            }
        }
    }
    out += line + "\n";
}

void WriteKey(std::string& out, const RegTreeKey& key, const std::string& path, long long stamp) {
    if (!path.empty() && (!key.Values().empty() || key.SubKeys().empty() || key.isLink)) {
        out += Format("\n[%s] %lld\n", path.c_str(), stamp);
        if (key.isLink) out += "#link\n";
        for (const auto& value : key.Values()) WriteValue(out, value);
    }
    for (const auto& sub : key.SubKeys()) {
        std::string name = Escape(Utf16FromUtf8(sub->Name()), ']');
        WriteKey(out, *sub, path.empty() ? name : path + "\\\\" + name, stamp);
    }
}

}  // namespace

std::string WriteWineRegistry(const RegTreeKey& root, std::string_view relativeTo) {
    std::string out = "WINE REGISTRY Version 2\n;; All keys relative to ";
    out.append(relativeTo);
    out += "\n";
    WriteKey(out, root, "", static_cast<long long>(std::time(nullptr)));
    return out;
}

}  // namespace scx::reg
