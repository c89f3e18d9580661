#include "platform/registry/user_registry.h"

#include "core/trace.h"
#include "platform/file.h"
#include "platform/folders.h"
#include "platform/registry/reg_tree.h"
#include "platform/registry/wine_reg_file.h"

namespace scx {
namespace {

constexpr std::size_t kValueBufferBytes = 510;  // 255 wide characters
constexpr std::size_t kMaxNameChars = 254;
constexpr std::string_view kRelativeTo = "REGISTRY\\\\User";

// The file's tree; an empty tree when the file does not exist yet, none when it is unreadable.
std::unique_ptr<reg::RegTreeKey> LoadTree() {
    std::string path = UserRegistryPath();
    if (!platform::FileExists(path)) return std::make_unique<reg::RegTreeKey>("");
    auto bytes = platform::ReadFileBytes(path);
    if (!bytes) return nullptr;
    auto parsed = reg::ParseWineRegistry(*bytes);
    if (!parsed.root) Trace("%s: %s", path.c_str(), parsed.error.c_str());
    return std::move(parsed.root);
}

reg::RegTreeKey* FindKey(reg::RegTreeKey* root, std::string_view subKey) {
    for (auto part : reg::SplitKeyPath(subKey)) {
        if (!root) break;
        root = root->FindChild(part);
    }
    return root;
}

bool SaveTree(const reg::RegTreeKey& root) {
    std::string path = UserRegistryPath();
    std::string folder = path.substr(0, path.rfind('/'));
    std::string parent = folder.substr(0, folder.rfind('/'));
    platform::MakeFolder(parent);
    platform::MakeFolder(folder);
    std::string error;
    if (platform::WriteFileAtomically(path, reg::WriteWineRegistry(root, kRelativeTo), &error)) return true;
    Trace("%s: %s", path.c_str(), error.c_str());
    return false;
}

bool NamesFit(std::string_view subKey, std::string_view valueName) {
    return subKey.size() <= kMaxNameChars * 3 && valueName.size() <= kMaxNameChars * 3 &&
           reg::Utf16FromUtf8(subKey).size() <= kMaxNameChars * 2 &&
           reg::Utf16FromUtf8(valueName).size() <= kMaxNameChars * 2;
}

}  // namespace

std::string UserRegistryPath() {
    return platform::XdgBaseFolder("XDG_CONFIG_HOME", ".config") + "/scrutinex/user.reg";
}

int RegReadString(std::string_view subKey, std::string_view valueName, std::string& value) {
    if (!NamesFit(subKey, valueName)) return 0;
    auto root = LoadTree();
    const reg::RegTreeKey* key = root ? FindKey(root.get(), subKey) : nullptr;
    const reg::RegValue* stored = key ? key->FindValue(valueName) : nullptr;
    if (!stored || stored->type == reg::kRegDword) return 0;
    auto text = reg::ValueText(*stored, kValueBufferBytes);
    if (!text) return 0;
    value = std::move(*text);
    return 1;
}

int RegWriteString(std::string_view subKey, std::string_view valueName, std::string_view value,
                   std::uint32_t type) {
    if (!NamesFit(subKey, valueName)) return 0;
    if (type != reg::kRegSz && type != reg::kRegExpandSz) return 0;
    auto root = LoadTree();
    reg::RegTreeKey* key = root ? FindKey(root.get(), subKey) : nullptr;
    if (!key || key == root.get()) return 0;
    key->SetValue(reg::RegValue{std::string(valueName), type, reg::Utf16FromUtf8(value)});
    return SaveTree(*root) ? 1 : 0;
}

int RegCreateKey(std::string_view subKey) {
    auto parts = reg::SplitKeyPath(subKey);
    if (parts.empty() || !NamesFit(subKey, "")) return 0;
    auto root = LoadTree();
    if (!root) return 0;
    if (FindKey(root.get(), subKey)) return 1;
    reg::RegTreeKey* key = root.get();
    for (auto part : parts) key = key->AddChild(part);
    return SaveTree(*root) ? 1 : 0;
}

}  // namespace scx
