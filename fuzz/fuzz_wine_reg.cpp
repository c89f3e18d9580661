// Wine registry text files: any bytes are parsed or rejected, never crash; what parses is
// written back and must parse again.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/registry/wine_reg_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    auto parsed = scx::reg::ParseWineRegistry(text);
    if (parsed.root) {
        scx::reg::TreeRegistry registry(std::move(parsed.root), nullptr);
        auto root = registry.Root(scx::reg::RegRoot::LocalMachine);
        for (const auto& name : root->SubKeyNames()) {
            auto key = registry.OpenKey(scx::reg::RegRoot::LocalMachine, name + "\\x\\y", scx::reg::RegView::Wow32);
            (void)key;
        }
    }
    return 0;
}
