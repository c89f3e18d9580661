#pragma once
// The scrambling codec of the record files: code page 949 text, XOR-ed with a fixed 16-byte key,
// then byte-reversed. Every record file on disk is one scrambled block.

#include <string>
#include <string_view>
#include <vector>

namespace scx::platform {
class LockedFile;
}

namespace scx {

// The key is shared by every file kind and both programs; a file written by one program must be
// readable by the other, and by files of earlier installations.
inline constexpr std::string_view kCodecKey = "Lanternfy3_Kqwz!";

// Encodes in place: XOR with the key by position, then reverse the whole buffer.
bool ScrambleBytes(std::string& bytes);

// The inverse of ScrambleBytes: reverse first, then XOR with the key by position in the reversed
// buffer.
void UnscrambleBytes(std::string& bytes);

// Unscrambles a whole file's bytes and converts them from code page 949 to UTF-8, up to the first
// zero byte.
std::string DecodeScrambledText(std::string bytes);

// Reads the whole open file, decodes it and splits it into lines on CR LF. False only for a
// zero-length (or unreadable) file; a file that decodes to nothing gives true and no lines.
bool ReadScrambledLines(const platform::LockedFile& file, std::vector<std::string>& lines);

// Appends the code page 949 bytes of a UTF-8 text, without its zero bytes; characters the code
// page lacks become "?".
void AppendCodePageBytes(std::string& buffer, std::string_view text);

}  // namespace scx
