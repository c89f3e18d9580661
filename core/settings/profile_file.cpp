#include "core/settings/profile_file.h"

#include <cctype>

#include "core/text_util.h"
#include "core/utf8.h"
#include "platform/codepage.h"
#include "platform/file.h"

namespace scx {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string Trim(std::string_view text) {
    size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string_view::npos) return {};
    size_t end = text.find_last_not_of(" \t");
    return std::string(text.substr(begin, end - begin + 1));
}

std::string Unquote(std::string value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

std::string TruncateChars(const std::string& text, size_t maxChars) {
    if (maxChars == 0) return text;
    std::string out;
    size_t count = 0;
    ForEachCodePoint(text, [&](char32_t, std::string_view raw) {
        if (count++ < maxChars) out.append(raw);
    });
    return out;
}

}  // namespace

ProfileFile::Line ProfileFile::ParseLine(std::string text) {
    Line line;
    line.text = std::move(text);
    std::string trimmed = Trim(line.text);
    if (trimmed.empty() || trimmed[0] == ';') return line;
    if (trimmed[0] == '[') {
        size_t close = trimmed.find(']');
        if (close != std::string::npos) {
            line.kind = Line::Section;
            line.section = Trim(std::string_view(trimmed).substr(1, close - 1));
        }
        return line;
    }
    size_t equals = trimmed.find('=');
    if (equals == std::string::npos) return line;
    line.kind = Line::Key;
    line.key = Trim(std::string_view(trimmed).substr(0, equals));
    line.value = Unquote(Trim(std::string_view(trimmed).substr(equals + 1)));
    return line;
}

ProfileFile::ProfileFile(std::string path) : path_(std::move(path)) {
    auto bytes = platform::ReadFileBytes(path_);
    if (!bytes) return;
    std::string text;
    if (std::string_view(*bytes).substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        utf8_ = true;
        text = bytes->substr(kUtf8Bom.size());
    } else {
        text = platform::Utf8FromCp949(*bytes);
    }
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string one = text.substr(start, end - start);
        if (!one.empty() && one.back() == '\r') one.pop_back();
        lines_.push_back(ParseLine(std::move(one)));
        start = end + 1;
    }
}

int ProfileFile::FindSection(std::string_view section) const {
    for (size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].kind == Line::Section && IsSameText(lines_[i].section, section, true))
            return static_cast<int>(i);
    return -1;
}

int ProfileFile::FindKey(int sectionLine, std::string_view key) const {
    for (size_t i = static_cast<size_t>(sectionLine) + 1; i < lines_.size(); ++i) {
        if (lines_[i].kind == Line::Section) break;
        if (lines_[i].kind == Line::Key && IsSameText(lines_[i].key, key, true))
            return static_cast<int>(i);
    }
    return -1;
}

std::optional<std::string> ProfileFile::Find(std::string_view section, std::string_view key) const {
    int s = FindSection(section);
    if (s < 0) return std::nullopt;
    int k = FindKey(s, key);
    if (k < 0) return std::nullopt;
    return lines_[static_cast<size_t>(k)].value;
}

void ProfileFile::Set(std::string_view section, std::string_view key, std::string_view value) {
    // A line break in a value would split it into lines of its own.
    std::string oneLine(value);
    for (char& c : oneLine)
        if (c == '\r' || c == '\n') c = ' ';
    Line line = ParseLine(std::string(key) + "=" + oneLine);
    int s = FindSection(section);
    if (s < 0) {
        lines_.push_back(ParseLine("[" + std::string(section) + "]"));
        lines_.push_back(std::move(line));
        return;
    }
    if (int k = FindKey(s, key); k >= 0) {
        lines_[static_cast<size_t>(k)] = std::move(line);
        return;
    }
    // After the section's last key, so blank lines and comments between sections stay put.
    size_t at = static_cast<size_t>(s) + 1;
    for (size_t i = at; i < lines_.size() && lines_[i].kind != Line::Section; ++i)
        if (lines_[i].kind == Line::Key) at = i + 1;
    lines_.insert(lines_.begin() + static_cast<long>(at), std::move(line));
}

void ProfileFile::Remove(std::string_view section, std::string_view key) {
    int s = FindSection(section);
    if (s < 0) return;
    if (int k = FindKey(s, key); k >= 0) lines_.erase(lines_.begin() + k);
}

bool ProfileFile::Save() const {
    std::string text;
    for (const auto& line : lines_) text += line.text + "\r\n";
    std::string bytes = utf8_ ? std::string(kUtf8Bom) + text : platform::Cp949FromUtf8(text);
    return platform::WriteFileAtomically(path_, bytes);
}

int ReadProfileInt(std::string_view section, std::string_view key, int defaultValue,
                   const std::string& path) {
    auto value = ProfileFile(path).Find(section, key);
    if (!value || value->empty()) return defaultValue;
    size_t i = 0;
    bool negative = (*value)[0] == '-';
    if (negative) ++i;
    long long result = 0;
    for (; i < value->size() && std::isdigit(static_cast<unsigned char>((*value)[i])); ++i) {
        result = result * 10 + ((*value)[i] - '0');
        if (result > 0x7FFFFFFF) result = 0x7FFFFFFF;
    }
    return static_cast<int>(negative ? -result : result);
}

std::string ReadProfileString(std::string_view section, std::string_view key,
                              std::string_view defaultValue, size_t maxChars,
                              const std::string& path) {
    auto value = ProfileFile(path).Find(section, key);
    return TruncateChars(value ? *value : std::string(defaultValue), maxChars);
}

bool WriteProfileString(std::string_view section, std::string_view key, std::string_view value,
                        const std::string& path) {
    ProfileFile file(path);
    file.Set(section, key, value);
    return file.Save();
}

}  // namespace scx
