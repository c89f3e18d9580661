#include "tests/support/hive_writer.h"

#include <hivex.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/file.h"

namespace scx::test {
namespace {

void Put32(std::string& b, size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}
void Put16(std::string& b, size_t at, std::uint16_t v) {
    b[at] = static_cast<char>(v & 0xFF);
    b[at + 1] = static_cast<char>(v >> 8);
}

bool AddKeys(hive_h* h, hive_node_h node, const reg::RegTreeKey& key, std::string* error) {
    if (!key.Values().empty()) {
        std::vector<hive_set_value> values;
        for (const auto& value : key.Values())
            values.push_back(hive_set_value{const_cast<char*>(value.name.c_str()),
                                            static_cast<hive_type>(value.type), value.data.size(),
                                            const_cast<char*>(value.data.data())});
        if (hivex_node_set_values(h, node, values.size(), values.data(), 0) != 0) {
            if (error) *error = "setting values of " + key.Name() + ": " + std::strerror(errno);
            return false;
        }
    }
    for (const auto& sub : key.SubKeys()) {
        hive_node_h child = hivex_node_add_child(h, node, sub->Name().c_str());
        if (!child) {
            if (error) *error = "adding key " + sub->Name() + ": " + std::strerror(errno);
            return false;
        }
        if (!AddKeys(h, child, *sub, error)) return false;
    }
    return true;
}

}  // namespace

std::string EmptyHiveBytes() {
    std::string b(0x2000, '\0');
    // Base block.
    std::memcpy(&b[0], "regf", 4);
    Put32(b, 0x04, 1);       // sequence numbers equal: the hive was closed cleanly
    Put32(b, 0x08, 1);
    Put32(b, 0x14, 1);       // version 1.3
    Put32(b, 0x18, 3);
    Put32(b, 0x20, 1);       // format: memory image
    Put32(b, 0x24, 0x20);    // root key cell, from the first bin
    Put32(b, 0x28, 0x1000);  // size of the bins
    Put32(b, 0x2C, 1);
    std::uint32_t sum = 0;
    for (size_t i = 0; i < 0x1FC; i += 4)
        sum ^= static_cast<std::uint32_t>(static_cast<unsigned char>(b[i])) |
               (static_cast<std::uint32_t>(static_cast<unsigned char>(b[i + 1])) << 8) |
               (static_cast<std::uint32_t>(static_cast<unsigned char>(b[i + 2])) << 16) |
               (static_cast<std::uint32_t>(static_cast<unsigned char>(b[i + 3])) << 24);
    Put32(b, 0x1FC, sum);

    // One bin: header, root key cell, security cell, and a free cell for the rest.
    const size_t bin = 0x1000;
    std::memcpy(&b[bin], "hbin", 4);
    Put32(b, bin + 0x04, 0);
    Put32(b, bin + 0x08, 0x1000);

    const std::string rootName = "ROOT";
    const size_t nk = bin + 0x20, nkSize = 0x50 + 8;  // cell size word + record + name, 8-aligned
    const size_t sk = nk + nkSize, skSize = 0x30;
    Put32(b, nk, static_cast<std::uint32_t>(-static_cast<std::int32_t>(nkSize)));
    std::memcpy(&b[nk + 4], "nk", 2);
    Put16(b, nk + 0x06, 0x2C);                 // hive root, cannot delete, ASCII name
    Put32(b, nk + 0x14, 0xFFFFFFFF);           // parent: none
    Put32(b, nk + 0x20, 0xFFFFFFFF);           // sub-key lists
    Put32(b, nk + 0x24, 0xFFFFFFFF);
    Put32(b, nk + 0x2C, 0xFFFFFFFF);           // value list
    Put32(b, nk + 0x30, static_cast<std::uint32_t>(sk - bin));
    Put32(b, nk + 0x34, 0xFFFFFFFF);           // class name
    Put16(b, nk + 0x4C, static_cast<std::uint16_t>(rootName.size()));
    std::memcpy(&b[nk + 0x50], rootName.data(), rootName.size());

    Put32(b, sk, static_cast<std::uint32_t>(-static_cast<std::int32_t>(skSize)));
    std::memcpy(&b[sk + 4], "sk", 2);
    Put32(b, sk + 0x08, static_cast<std::uint32_t>(sk - bin));  // a ring of one
    Put32(b, sk + 0x0C, static_cast<std::uint32_t>(sk - bin));
    Put32(b, sk + 0x10, 1);                                   // references
    Put32(b, sk + 0x14, 20);                                  // descriptor: bare header
    b[sk + 0x18] = 1;
    Put16(b, sk + 0x1A, 0x8000);                              // self-relative

    const size_t freeCell = sk + skSize;
    Put32(b, freeCell, static_cast<std::uint32_t>(bin + 0x1000 - freeCell));
    return b;
}

bool WriteHive(const std::string& path, const reg::RegTreeKey& root, std::string* error) {
    if (!platform::WriteFileAtomically(path, EmptyHiveBytes(), error)) return false;
    hive_h* h = hivex_open(path.c_str(), HIVEX_OPEN_WRITE);
    if (!h) {
        if (error) *error = path + ": " + std::strerror(errno);
        return false;
    }
    bool ok = AddKeys(h, hivex_root(h), root, error);
    if (ok && hivex_commit(h, nullptr, 0) != 0) {
        if (error) *error = path + ": commit: " + std::strerror(errno);
        ok = false;
    }
    hivex_close(h);
    return ok;
}

}  // namespace scx::test
