#include "agent/scan/serial_number.h"

#include <vector>

#include "core/text_util.h"

namespace scx::scan {
namespace {

// Values of at most 254 characters are read.
constexpr size_t kSerialMaxBytes = 254 * 3;

std::string_view Trimmed(std::string_view text) {
    size_t b = text.find_first_not_of(" \t\r\n");
    if (b == std::string_view::npos) return {};
    return text.substr(b, text.find_last_not_of(" \t\r\n") - b + 1);
}

std::optional<std::string> ValueText(const reg::RegKey& key, std::string_view name) {
    auto value = key.Value(name);
    if (!value) return std::nullopt;
    auto text = reg::ValueText(*value);
    if (!text || text->size() > kSerialMaxBytes) return std::nullopt;
    return text;
}

// Depth first, in stored order: the first key below `key` holding the value.
std::optional<std::string> SearchSubKeys(const reg::RegKey& key, std::string_view name, int depth) {
    if (depth > 64) return std::nullopt;  // a registry file may link keys into a cycle
    for (const auto& childName : key.SubKeyNames()) {
        auto child = key.OpenChild(childName);
        if (!child) continue;
        if (auto text = ValueText(*child, name)) return text;
        if (auto text = SearchSubKeys(*child, name, depth + 1)) return text;
    }
    return std::nullopt;
}

}  // namespace

std::string ReadSerialNumber(const reg::Registry* registry, std::string_view regPath) {
    std::vector<std::string> parts = SplitFields(Trimmed(regPath), "\\");
    if (!registry || parts.size() < 2) return std::string(kMissing);
    auto root = reg::RootFromName(parts.front());
    if (!root) return std::string(kMissing);
    const std::string& valueName = parts.back();
    bool variable = parts.size() >= 3 && parts[parts.size() - 2] == kVariableKey;
    std::string keyPath;
    for (size_t i = 1; i + 1 < parts.size(); ++i) {
        if (variable && i + 2 == parts.size()) break;
        if (!keyPath.empty()) keyPath += '\\';
        keyPath += parts[i];
    }
    auto key = registry->OpenKey(*root, keyPath);
    if (!key) return std::string(kMissing);
    if (auto text = ValueText(*key, valueName)) return *text;
    if (variable)
        if (auto text = SearchSubKeys(*key, valueName, 0)) return *text;
    return std::string(kMissing);
}

std::string EnvironmentVariable(const reg::Registry* registry, std::string_view name) {
    if (!registry) return {};
    if (auto text = registry->ReadText(reg::RegRoot::CurrentUser, "Environment", name)) return *text;
    if (auto text = registry->ReadText(reg::RegRoot::LocalMachine,
                                       "System\\CurrentControlSet\\Control\\Session Manager\\Environment", name))
        return *text;
    return {};
}

std::string ExpandAppPath(const reg::Registry* registry, std::string_view text) {
    std::string path;
    for (char c : text)
        if (c != '"') path += c;
    size_t first = path.find('%');
    if (first == std::string::npos) return path;
    size_t second = path.find('%', first + 1);
    if (second == std::string::npos) return path;
    std::string value = EnvironmentVariable(registry, path.substr(first + 1, second - first - 1));
    return value + path.substr(second + 1);
}

}  // namespace scx::scan
