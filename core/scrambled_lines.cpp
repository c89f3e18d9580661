#include "core/scrambled_lines.h"

#include <algorithm>

#include "core/codec.h"
#include "core/text_util.h"
#include "platform/codepage.h"
#include "platform/file.h"

namespace scx {
namespace {

constexpr size_t kSlice = 1 << 20;

// Splits a block of whole lines (each ending in CR LF, but for the text's last line) and visits
// them.
void VisitBlock(std::string_view block, bool decode, int& index, const LineVisitor& visit) {
    std::string decoded;
    if (decode) {
        decoded = platform::Utf8FromCp949(block);
        block = decoded;
    }
    size_t pos = 0;
    while (pos < block.size()) {
        size_t end = block.find("\r\n", pos);
        if (end == std::string_view::npos) end = block.size();
        std::string_view line = block.substr(pos, end - pos);
        visit(index++, line.empty() ? kMissing : line);
        pos = end + 2;
    }
}

}  // namespace

bool ForEachScrambledLine(const platform::LockedFile& file, bool decode, const LineVisitor& visit) {
    auto size = file.Size();
    if (!size || *size == 0) return false;
    // The stored file is the text XOR-ed with the key and then reversed: text position p lies at
    // file offset size-1-p. Slices are read from the file's end towards its start.
    const std::uint64_t total = *size;
    std::string slice, pending;
    int index = 0;
    for (std::uint64_t p = 0; p < total;) {
        size_t n = static_cast<size_t>(std::min<std::uint64_t>(kSlice, total - p));
        if (!file.ReadAt(total - p - n, n, slice) || slice.size() != n) return false;
        std::reverse(slice.begin(), slice.end());
        for (size_t i = 0; i < n; ++i)
            slice[i] = static_cast<char>(slice[i] ^ kCodecKey[(p + i) % 16]);
        p += n;
        size_t zero = slice.find('\0');
        if (zero != std::string::npos) {
            slice.resize(zero);
            p = total;  // a zero byte ends the text
        }
        size_t searchFrom =
            pending.empty() ? 0 : pending.size() - 1;  // a CR LF may straddle slices
        pending += slice;
        size_t cut = std::string_view(pending).substr(searchFrom).rfind("\r\n");
        if (cut == std::string_view::npos) continue;
        cut += searchFrom + 2;
        VisitBlock(std::string_view(pending).substr(0, cut), decode, index, visit);
        pending.erase(0, cut);
    }
    VisitBlock(pending, decode, index, visit);
    return true;
}

}  // namespace scx
