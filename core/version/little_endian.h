#pragma once
// Little-endian numbers inside byte strings, as Windows file formats store them. Callers check
// that `at` leaves room for the number.

#include <cstdint>
#include <string>
#include <string_view>

namespace scx {

inline std::uint32_t Le16(std::string_view b, std::size_t at) {
    return static_cast<unsigned char>(b[at]) | (static_cast<unsigned char>(b[at + 1]) << 8);
}
inline std::uint32_t Le32(std::string_view b, std::size_t at) { return Le16(b, at) | (Le16(b, at + 2) << 16); }

inline void PutLe16(std::string& b, std::size_t at, std::uint32_t v) {
    b[at] = static_cast<char>(v & 0xFF);
    b[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}
inline void PutLe32(std::string& b, std::size_t at, std::uint32_t v) {
    PutLe16(b, at, v & 0xFFFF);
    PutLe16(b, at + 2, v >> 16);
}

}  // namespace scx
