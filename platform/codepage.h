#pragma once
// Code page 949 (Korean) conversion: the one place where text crosses between the UTF-8 held in
// memory and the bytes kept in every file the system writes.

#include <string>
#include <string_view>

namespace scx::platform {

// UTF-8 to code page 949. A character the code page lacks, or a malformed UTF-8 sequence, becomes
// "?". Zero bytes are passed through; callers that must not write them drop them.
std::string Cp949FromUtf8(std::string_view utf8);

// Code page 949 to UTF-8, up to the first zero byte. A byte sequence that is not valid code page
// 949 becomes U+FFFD.
std::string Utf8FromCp949(std::string_view bytes);

}  // namespace scx::platform
