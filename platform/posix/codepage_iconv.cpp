#include "platform/codepage.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace scx::platform {
namespace {

// One converter per direction and thread: iconv_open is costly and an iconv_t is not thread-safe.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts the whole input; on an invalid or unconvertible sequence appends `replacement` and
    // resumes after `skip(in, left)` bytes.
    template <typename Skip>
    std::string Run(std::string_view input, std::string_view replacement, Skip skip) {
        std::string out;
        if (cd_ == reinterpret_cast<iconv_t>(-1)) return out;
        out.resize(input.size() * 3 / 2 + 16);
        char* in = const_cast<char*>(input.data());
        size_t inLeft = input.size();
        size_t used = 0;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        while (inLeft > 0) {
            char* outPtr = out.data() + used;
            size_t outLeft = out.size() - used;
            size_t rc = iconv(cd_, &in, &inLeft, &outPtr, &outLeft);
            used = out.size() - outLeft;
            if (rc != static_cast<size_t>(-1)) break;
            if (errno == E2BIG) {
                out.resize(out.size() * 2 + 16);
                continue;
            }
            // EILSEQ or EINVAL: replace the offending sequence and go on.
            if (out.size() - used < replacement.size()) out.resize(out.size() * 2 + 16);
            std::memcpy(out.data() + used, replacement.data(), replacement.size());
            used += replacement.size();
            size_t n = std::min(inLeft, skip(in, inLeft));
            in += n;
            inLeft -= n;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        out.resize(used);
        return out;
    }

private:
    iconv_t cd_;
};

size_t Utf8SequenceLength(const char* p, size_t left) {
    unsigned char c = static_cast<unsigned char>(*p);
    size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 1;
    // A broken sequence is skipped one byte at a time.
    for (size_t i = 1; i < n; ++i) {
        if (i >= left || (static_cast<unsigned char>(p[i]) & 0xC0) != 0x80) return 1;
    }
    return n;
}

size_t Cp949SequenceLength(const char* p, size_t left) {
    unsigned char c = static_cast<unsigned char>(*p);
    // A lead byte of a double-byte character takes its trail byte with it when that byte is not
    // itself plain ASCII; anything else is skipped alone.
    if (c >= 0x81 && c <= 0xFE && left >= 2 && static_cast<unsigned char>(p[1]) >= 0x41) return 2;
    return 1;
}

bool IsAscii(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

std::string Cp949FromUtf8(std::string_view utf8) {
    if (IsAscii(utf8)) return std::string(utf8);
    thread_local Converter conv("CP949", "UTF-8");
    return conv.Run(utf8, "?", Utf8SequenceLength);
}

std::string Utf8FromCp949(std::string_view bytes) {
    bytes = bytes.substr(0, std::min(bytes.size(), bytes.find('\0')));
    if (IsAscii(bytes)) return std::string(bytes);
    thread_local Converter conv("UTF-8", "CP949");
    return conv.Run(bytes, "\xEF\xBF\xBD", Cp949SequenceLength);
}

}  // namespace scx::platform
