#include "core/codec.h"

#include <algorithm>

#include "core/text_util.h"
#include "platform/codepage.h"
#include "platform/file.h"

namespace scx {

bool ScrambleBytes(std::string& bytes) {
    const size_t n = bytes.size();
    for (size_t j = 0; j < n; ++j) bytes[j] = static_cast<char>(bytes[j] ^ kCodecKey[j % 16]);
    std::reverse(bytes.begin(), bytes.end());
    return true;
}

void UnscrambleBytes(std::string& bytes) {
    std::reverse(bytes.begin(), bytes.end());
    const size_t n = bytes.size();
    for (size_t i = 0; i < n; ++i) bytes[i] = static_cast<char>(bytes[i] ^ kCodecKey[i % 16]);
}

std::string DecodeScrambledText(std::string bytes) {
    UnscrambleBytes(bytes);
    return platform::Utf8FromCp949(bytes);
}

bool ReadScrambledLines(const platform::LockedFile& file, std::vector<std::string>& lines) {
    lines.clear();
    auto size = file.Size();
    if (!size || *size == 0) return false;
    auto bytes = file.ReadAll();
    if (!bytes) return true;  // the read delivered nothing: no lines, as the format allows
    SplitFields(DecodeScrambledText(std::move(*bytes)), "\r\n", lines);
    return true;
}

void AppendCodePageBytes(std::string& buffer, std::string_view text) {
    std::string bytes = platform::Cp949FromUtf8(text);
    // NUL bytes are left out; the rest is appended in runs (saving large files byte by byte was slow).
    for (size_t start = 0; start < bytes.size();) {
        size_t nul = std::min(bytes.find('\0', start), bytes.size());
        buffer.append(bytes, start, nul - start);
        start = nul + 1;
    }
}

}  // namespace scx
