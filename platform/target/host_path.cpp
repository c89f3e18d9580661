#include "platform/target/host_path.h"

#include <dirent.h>
#include <sys/stat.h>

#include "core/text_util.h"

namespace scx::target {

std::optional<std::vector<std::string_view>> WindowsPathComponents(std::string_view path) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find_first_of("\\/", start);
        if (end == std::string_view::npos) end = path.size();
        std::string_view part = path.substr(start, end - start);
        if (part == "." || part == "..") return std::nullopt;
        if (!part.empty()) parts.push_back(part);
        start = end + 1;
    }
    return parts;
}

std::optional<std::string> FindEntryIgnoringCase(const std::string& folder, std::string_view name) {
    DIR* dir = opendir(folder.c_str());
    if (!dir) return std::nullopt;
    std::optional<std::string> found;
    std::string wanted = LowerCase(name);
    while (dirent* entry = readdir(dir)) {
        std::string_view candidate = entry->d_name;
        if (candidate == "." || candidate == "..") continue;
        if (LowerCase(candidate) == wanted) {
            found = std::string(candidate);
            break;
        }
    }
    closedir(dir);
    return found;
}

std::optional<std::string> ResolveComponents(const std::string& base,
                                             const std::vector<std::string_view>& components,
                                             bool lastMayBeMissing) {
    std::string exact = base;
    for (auto part : components) (exact += '/') += part;
    struct stat st;
    if (lstat(exact.c_str(), &st) == 0) return exact;

    std::string path = base;
    for (size_t i = 0; i < components.size(); ++i) {
        std::string next = path + "/" + std::string(components[i]);
        if (lstat(next.c_str(), &st) != 0) {
            auto entry = FindEntryIgnoringCase(path, components[i]);
            if (entry) {
                next = path + "/" + *entry;
            } else if (!(lastMayBeMissing && i + 1 == components.size())) {
                return std::nullopt;
            }
        }
        path = std::move(next);
    }
    return path;
}

}  // namespace scx::target
