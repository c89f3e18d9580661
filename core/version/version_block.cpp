#include "core/version/version_block.h"

#include <algorithm>

#include "core/text_util.h"
#include "core/utf8.h"
#include "core/version/little_endian.h"

namespace scx {
namespace {

constexpr std::uint32_t kFixedInfoSignature = 0xFEEF04BD;
constexpr std::size_t kNodeHeader = 6;  // length, value length, type

// Offsets are aligned relative to the block's start, which the format places on a 4-byte boundary.
std::size_t Align4(std::size_t offset) { return (offset + 3) & ~std::size_t{3}; }

struct Node {
    std::size_t end = 0;  // one past the node, clamped to its parent
    std::string name;     // UTF-8
    std::string_view value;
    bool isText = false;
    std::size_t children = 0;  // first child; == end when none
};

// The node at `start`, bounded by `limit`; none when its header or name do not fit.
std::optional<Node> ParseNode(std::string_view block, std::size_t start, std::size_t limit) {
    if (limit > block.size() || start > limit || limit - start < kNodeHeader) return std::nullopt;
    std::size_t length = Le16(block, start);
    if (length < kNodeHeader) return std::nullopt;
    Node node;
    // A node claiming more than its parent holds is read as far as the parent goes.
    node.end = length > limit - start ? limit : start + length;
    std::size_t valueLength = Le16(block, start + 2);
    node.isText = Le16(block, start + 4) == 1;

    std::size_t nameEnd = start + kNodeHeader;
    while (true) {
        if (node.end - nameEnd < 2) return std::nullopt;  // no terminating NUL inside the node
        if (Le16(block, nameEnd) == 0) break;
        nameEnd += 2;
    }
    node.name = Utf8FromUtf16Le(block.substr(start + kNodeHeader, nameEnd - start - kNodeHeader));

    std::size_t valueStart = std::min(Align4(nameEnd + 2), node.end);
    std::size_t valueBytes = node.isText ? valueLength * 2 : valueLength;
    std::size_t valueEnd = valueBytes > node.end - valueStart ? node.end : valueStart + valueBytes;
    node.value = block.substr(valueStart, valueEnd - valueStart);
    node.children = std::min(Align4(valueStart + valueBytes), node.end);
    return node;
}

std::optional<Node> FindChild(std::string_view block, const Node& parent, std::string_view name) {
    std::size_t at = parent.children;
    // Every child is at least six bytes long, so the walk ends within the parent.
    while (at < parent.end) {
        auto child = ParseNode(block, at, parent.end);
        if (!child) return std::nullopt;
        if (IsSameText(child->name, name, true)) return child;
        at = Align4(child->end);
    }
    return std::nullopt;
}

}  // namespace

std::optional<VersionValue> QueryVersionValue(std::string_view block, std::string_view path) {
    auto node = ParseNode(block, 0, block.size());
    std::size_t pos = 0;
    while (node && pos < path.size()) {
        std::size_t next = path.find('\\', pos);
        if (next == std::string_view::npos) next = path.size();
        if (next > pos) node = FindChild(block, *node, path.substr(pos, next - pos));
        pos = next + 1;
    }
    if (!node) return std::nullopt;
    return VersionValue{node->value, node->isText};
}

std::optional<std::string> QueryVersionText(std::string_view block, std::string_view path) {
    auto value = QueryVersionValue(block, path);
    if (!value) return std::nullopt;
    std::string_view bytes = value->bytes;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        if (Le16(bytes, i) == 0) {
            bytes = bytes.substr(0, i);
            break;
        }
    }
    return Utf8FromUtf16Le(bytes);
}

std::optional<std::uint32_t> QueryTranslation(std::string_view block) {
    auto value = QueryVersionValue(block, "\\VarFileInfo\\Translation");
    if (!value || value->bytes.size() < 4) return std::nullopt;
    return (Le16(value->bytes, 0) << 16) | Le16(value->bytes, 2);
}

std::optional<VersionFixedInfo> QueryFixedInfo(std::string_view block) {
    auto value = QueryVersionValue(block, "\\");
    if (!value || value->bytes.size() < 52 || Le32(value->bytes, 0) != kFixedInfoSignature)
        return std::nullopt;
    auto packed = [&value](std::size_t at) {
        return (std::uint64_t{Le32(value->bytes, at)} << 32) | Le32(value->bytes, at + 4);
    };
    return VersionFixedInfo{packed(8), packed(16)};
}

std::string VersionNumberText(std::uint64_t packed) {
    return Format("%u.%u.%u.%u", static_cast<unsigned>(packed >> 48),
                  static_cast<unsigned>((packed >> 32) & 0xFFFF),
                  static_cast<unsigned>((packed >> 16) & 0xFFFF), static_cast<unsigned>(packed & 0xFFFF));
}

}  // namespace scx
