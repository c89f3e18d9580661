#pragma once
// Wine's registry text format ("WINE REGISTRY Version 2"): keys in brackets with escaped
// backslashes, values as "name"=data or @=data, data as "string", str(N):"string", dword:,
// hex: and hex(N): byte lists continued over lines ending in a backslash, and the #time, #class
// and #link lines Wine writes after a key.

#include <memory>
#include <string>
#include <string_view>

#include "platform/registry/reg_tree.h"

namespace scx::reg {

struct WineRegParse {
    std::unique_ptr<RegTreeKey> root;  // null when the text was rejected
    std::string error;                 // why, with the line number
};

// Parses a whole file. Anything that is not of the format rejects the file.
WineRegParse ParseWineRegistry(std::string_view text);

// The text of a tree in the same format; `relativeTo` is the header's comment line naming the
// tree's place (for example "REGISTRY\\User"). Keys without values are written only when they
// have no sub-keys, as Wine does.
std::string WriteWineRegistry(const RegTreeKey& root, std::string_view relativeTo);

}  // namespace scx::reg
