#include "tests/support/pe_writer.h"

#include <cstdio>

#include "core/utf8.h"
#include "core/version/little_endian.h"
#include "platform/file.h"

namespace scx::test {
namespace {

constexpr std::uint32_t kSectionAlignment = 0x1000;
constexpr std::uint32_t kFileAlignment = 0x200;
constexpr std::uint32_t kHeadersSize = 0x400;
constexpr std::uint32_t kPeOffset = 0x80;

void Put64(std::string& b, std::size_t at, std::uint64_t v) {
    PutLe32(b, at, static_cast<std::uint32_t>(v));
    PutLe32(b, at + 4, static_cast<std::uint32_t>(v >> 32));
}
void Append16(std::string& b, std::uint32_t v) {
    b.append(2, '\0');
    PutLe16(b, b.size() - 2, v);
}
void Append32(std::string& b, std::uint32_t v) {
    b.append(4, '\0');
    PutLe32(b, b.size() - 4, v);
}
void Pad(std::string& b, std::size_t alignment) {
    while (b.size() % alignment) b += '\0';
}
std::uint32_t AlignUp(std::size_t v, std::uint32_t a) {
    return static_cast<std::uint32_t>((v + a - 1) / a * a);
}

// One node of the version block: header, UTF-16 name, value, children, each on a 4-byte boundary.
std::string Node(const std::string& name, bool isText, std::uint32_t valueLength,
                 const std::string& value, const std::vector<std::string>& children) {
    std::string b(6, '\0');
    b += Utf16LeFromUtf8(name);
    b.append(2, '\0');
    Pad(b, 4);
    b += value;
    for (const auto& child : children) {
        Pad(b, 4);
        b += child;
    }
    PutLe16(b, 0, static_cast<std::uint32_t>(b.size()));
    PutLe16(b, 2, valueLength);
    PutLe16(b, 4, isText ? 1 : 0);
    return b;
}

std::string TextNode(const std::string& name, const std::string& text) {
    std::string value = Utf16LeFromUtf8(text) + std::string(2, '\0');
    return Node(name, true, static_cast<std::uint32_t>(value.size() / 2), value, {});
}

std::string FixedInfo(const PeOptions& o) {
    std::string b;
    for (std::uint32_t v : {0xFEEF04BDu, 0x00010000u, static_cast<std::uint32_t>(o.fileVersion >> 32),
                            static_cast<std::uint32_t>(o.fileVersion),
                            static_cast<std::uint32_t>(o.productVersion >> 32),
                            static_cast<std::uint32_t>(o.productVersion), 0x3Fu, 0u, 0x40004u, 1u, 0u, 0u,
                            0u})
        Append32(b, v);
    return b;
}

}  // namespace

std::string BuildVersionBlock(const VersionStrings& strings, const PeOptions& options) {
    std::vector<PeStringTable> tables = options.tables;
    if (tables.empty()) {
        char name[9] = "040904b0";
        if (!options.translations.empty())
            std::snprintf(name, sizeof name, "%08x", options.translations.front());
        tables.push_back({name, strings});
    }
    std::vector<std::string> tableNodes;
    for (const auto& table : tables) {
        std::vector<std::string> texts;
        for (const auto& [key, text] : table.strings) texts.push_back(TextNode(key, text));
        tableNodes.push_back(Node(table.name, true, 0, "", texts));
    }
    std::vector<std::string> children = {Node("StringFileInfo", true, 0, "", tableNodes)};
    if (!options.translations.empty()) {
        std::string list;
        for (std::uint32_t t : options.translations) {
            Append16(list, t >> 16);
            Append16(list, t & 0xFFFF);
        }
        children.push_back(Node("VarFileInfo", true, 0, "",
                                {Node("Translation", false, static_cast<std::uint32_t>(list.size()), list, {})}));
    }
    std::string fixed = FixedInfo(options);
    return Node("VS_VERSION_INFO", false, static_cast<std::uint32_t>(fixed.size()), fixed, children);
}

std::string BuildPeImage(const VersionStrings& strings, const PeOptions& o, PeLayout* layout) {
    const bool plus = o.pe32Plus;
    const std::uint32_t optionalSize = plus ? 240 : 224;
    const std::uint32_t sectionCount = o.versionResource ? 2 : 1;

    std::string code = "\xC3";  // ret: the program ends at once
    code.append(o.paddingBytes, '\xCC');
    const std::uint32_t codeRva = kSectionAlignment;
    const std::uint32_t codeRaw = AlignUp(code.size(), kFileAlignment);
    const std::uint32_t rsrcRva = codeRva + AlignUp(code.size(), kSectionAlignment);
    const std::uint32_t rsrcOffset = kHeadersSize + codeRaw;

    // Resource tree: type 16 -> name 1 -> one language -> data entry -> the block.
    std::string rsrc;
    std::string block;
    constexpr std::uint32_t kDataAt = 96;
    if (o.versionResource) {
        block = BuildVersionBlock(strings, o);
        auto directory = [&rsrc](std::uint32_t id, std::uint32_t target) {
            rsrc.append(14, '\0');
            Append16(rsrc, 1);  // one entry with a numeric id
            Append32(rsrc, id);
            Append32(rsrc, target);
        };
        directory(16, 0x80000000u | 24);
        directory(1, 0x80000000u | 48);
        directory(o.resourceLanguage, 72);
        Append32(rsrc, rsrcRva + kDataAt);
        Append32(rsrc, static_cast<std::uint32_t>(block.size()));
        Append32(rsrc, 0);
        Append32(rsrc, 0);
        Pad(rsrc, kDataAt);
        rsrc += block;
    }
    const std::uint32_t rsrcRaw = AlignUp(rsrc.size(), kFileAlignment);
    const std::uint32_t imageSize = rsrcRva + AlignUp(rsrc.size(), kSectionAlignment);

    std::string b(kHeadersSize, '\0');
    b[0] = 'M';
    b[1] = 'Z';
    PutLe16(b, 0x02, 0x90);
    PutLe16(b, 0x04, 3);
    PutLe16(b, 0x08, 4);
    PutLe16(b, 0x0C, 0xFFFF);
    PutLe16(b, 0x10, 0xB8);
    PutLe16(b, 0x18, 0x40);
    PutLe32(b, 0x3C, kPeOffset);

    std::size_t pe = kPeOffset;
    b.replace(pe, 4, std::string("PE\0\0", 4));
    PutLe16(b, pe + 4, plus ? 0x8664 : 0x14C);
    PutLe16(b, pe + 6, sectionCount);
    PutLe16(b, pe + 20, optionalSize);
    PutLe16(b, pe + 22, plus ? 0x0022 : 0x0102);  // executable; large-address aware or 32-bit

    std::size_t opt = pe + 24;
    PutLe16(b, opt, plus ? 0x20B : 0x10B);
    b[opt + 2] = 2;  // linker version
    PutLe32(b, opt + 4, codeRaw);
    PutLe32(b, opt + 8, rsrcRaw);
    PutLe32(b, opt + 16, codeRva);  // entry point
    PutLe32(b, opt + 20, codeRva);
    if (plus) {
        Put64(b, opt + 24, 0x140000000ULL);
    } else {
        PutLe32(b, opt + 24, rsrcRva);  // base of data
        PutLe32(b, opt + 28, 0x400000);
    }
    PutLe32(b, opt + 32, kSectionAlignment);
    PutLe32(b, opt + 36, kFileAlignment);
    PutLe16(b, opt + 40, 6);  // operating system 6.0
    PutLe16(b, opt + 48, 6);  // subsystem 6.0
    PutLe32(b, opt + 56, imageSize);
    PutLe32(b, opt + 60, kHeadersSize);
    PutLe16(b, opt + 68, 3);  // console subsystem
    PutLe16(b, opt + 70, 0x8100);  // NX compatible, terminal-server aware
    std::size_t sizes = opt + 72;
    if (plus) {
        Put64(b, sizes, 0x100000);
        Put64(b, sizes + 8, 0x1000);
        Put64(b, sizes + 16, 0x100000);
        Put64(b, sizes + 24, 0x1000);
    } else {
        PutLe32(b, sizes, 0x100000);
        PutLe32(b, sizes + 4, 0x1000);
        PutLe32(b, sizes + 8, 0x100000);
        PutLe32(b, sizes + 12, 0x1000);
    }
    std::size_t count = opt + (plus ? 108 : 92);
    PutLe32(b, count, 16);
    if (o.versionResource) {
        PutLe32(b, count + 4 + 16, rsrcRva);
        PutLe32(b, count + 4 + 20, static_cast<std::uint32_t>(rsrc.size()));
    }

    std::size_t table = opt + optionalSize;
    auto section = [&b](std::size_t at, const char* name, std::uint32_t virtualSize, std::uint32_t rva,
                        std::uint32_t rawSize, std::uint32_t rawOffset, std::uint32_t flags) {
        b.replace(at, 8, std::string(name, 8));
        PutLe32(b, at + 8, virtualSize);
        PutLe32(b, at + 12, rva);
        PutLe32(b, at + 16, rawSize);
        PutLe32(b, at + 20, rawOffset);
        PutLe32(b, at + 36, flags);
    };
    section(table, ".text\0\0\0", static_cast<std::uint32_t>(code.size()), codeRva, codeRaw, kHeadersSize,
            0x60000020);  // code, execute, read
    if (o.versionResource)
        section(table + 40, ".rsrc\0\0\0", static_cast<std::uint32_t>(rsrc.size()), rsrcRva, rsrcRaw,
                rsrcOffset, 0x40000040);  // initialised data, read

    b += code;
    Pad(b, kFileAlignment);
    b += rsrc;
    Pad(b, kFileAlignment);
    if (layout) *layout = {pe, table, rsrcOffset, rsrcOffset + kDataAt, block.size()};
    return b;
}

bool WritePeFile(const std::string& path, const VersionStrings& strings, const PeOptions& options) {
    return platform::WriteFileAtomically(path, BuildPeImage(strings, options));
}

}  // namespace scx::test
