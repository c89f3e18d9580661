#include "platform/registry/registry.h"

#include "core/text_util.h"

namespace scx::reg {

std::optional<RegRoot> RootFromName(std::string_view name) {
    if (name == "HKEY_LOCAL_MACHINE") return RegRoot::LocalMachine;
    if (name == "HKEY_CURRENT_USER") return RegRoot::CurrentUser;
    return std::nullopt;
}

std::vector<std::string_view> SplitKeyPath(std::string_view path) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('\\', start);
        if (end == std::string_view::npos) end = path.size();
        if (end > start) parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

std::unique_ptr<RegKey> RegKey::OpenSubKey(std::string_view path) const {
    auto parts = SplitKeyPath(path);
    if (parts.empty()) return OpenChild("");
    std::unique_ptr<RegKey> key = OpenChild(parts[0]);
    for (size_t i = 1; key && i < parts.size(); ++i) key = key->OpenChild(parts[i]);
    return key;
}

std::unique_ptr<RegKey> Registry::OpenKey(RegRoot root, std::string_view path, RegView view) const {
    auto rootKey = Root(root);
    if (!rootKey) return nullptr;
    auto parts = SplitKeyPath(path);
    if (view == RegView::Wow32 && root == RegRoot::LocalMachine && !parts.empty() &&
        IsSameText(parts[0], "SOFTWARE", true) &&
        !(parts.size() > 1 && IsSameText(parts[1], "Wow6432Node", true))) {
        if (auto software = rootKey->OpenChild(parts[0])) {
            if (auto wow = software->OpenChild("Wow6432Node")) {
                std::unique_ptr<RegKey> key = std::move(wow);
                for (size_t i = 1; key && i < parts.size(); ++i) key = key->OpenChild(parts[i]);
                return key;
            }
        }
    }
    std::unique_ptr<RegKey> key = std::move(rootKey);
    for (size_t i = 0; key && i < parts.size(); ++i) key = key->OpenChild(parts[i]);
    return key;
}

std::optional<std::string> Registry::ReadText(RegRoot root, std::string_view path,
                                              std::string_view name, std::size_t maxBytes,
                                              RegView view) const {
    auto key = OpenKey(root, path, view);
    if (!key) return std::nullopt;
    auto value = key->Value(name);
    if (!value) return std::nullopt;
    return ValueText(*value, maxBytes);
}

std::optional<std::uint32_t> Registry::ReadDword(RegRoot root, std::string_view path,
                                                 std::string_view name) const {
    auto key = OpenKey(root, path);
    if (!key) return std::nullopt;
    auto value = key->Value(name);
    if (!value) return std::nullopt;
    return ValueDword(*value);
}

}  // namespace scx::reg
