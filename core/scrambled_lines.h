#pragma once
// The lines of a held record file, read and decoded a slice at a time, so that loading a large
// file never holds its whole text (or its stored bytes) in memory at once.

#include <functional>
#include <string_view>

namespace scx::platform {
class LockedFile;
}

namespace scx {

using LineVisitor = std::function<void(int index, std::string_view line)>;

// Calls `visit` for every line of the file's decoded text in order, the lines being exactly those
// ReadScrambledLines gives (split on CR LF, an empty line read as "-", the text ending at its
// first zero byte). With `decode` the lines are UTF-8; without, they are the stored code page 949
// bytes, which is all a reader of ASCII lines (section markers) needs: a byte of a double-byte
// character is never below 0x41, so CR, LF and ASCII lines read the same either way.
// False, without calling `visit`, for a zero-length file; false also when a read fails.
bool ForEachScrambledLine(const platform::LockedFile& file, bool decode, const LineVisitor& visit);

}  // namespace scx
