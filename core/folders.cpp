#include "core/folders.h"

#include "platform/folders.h"

namespace scx {

std::string GetProgramFolder() { return platform::DataFolder(); }

std::string GetCheckOutFolder(std::string_view sub) {
    std::string folder = GetProgramFolder() + "CheckOut/";
    if (!sub.empty()) folder.append(sub).append("/");
    return folder;
}

bool EnsureCheckOutFolders(bool withLogs) {
    bool ok = EnsureFolder(GetCheckOutFolder()) != 0;
    for (const char* sub : {"IPT", "TLS", "RST", "TMP_IPT", "TMP_TLS", "TMP_RST"})
        ok = EnsureFolder(GetCheckOutFolder(sub)) != 0 && ok;
    if (withLogs) ok = EnsureFolder(GetCheckOutFolder("LOGS")) != 0 && ok;
    return ok;
}

std::string GetFileNameOf(std::string_view path) {
    size_t cut = path.find_last_of("/\\");
    return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

int EnsureFolder(const std::string& path) {
    if (platform::FolderExists(path)) return 1;
    if (platform::MakeFolder(path)) return 1;
    // A path with a trailing "/" has its last level made inside the loop of CreateFolderPath,
    // whose final step then fails; what counts is that the folder now exists.
    return CreateFolderPath(path) || platform::FolderExists(path) ? 1 : 0;
}

int CreateFolderPath(const std::string& path) {
    for (size_t i = 0; i < path.size(); ++i) {
        if (path[i] != '/') continue;
        std::string prefix = path.substr(0, i);
        if (!prefix.empty() && !platform::FolderExists(prefix) && !platform::MakeFolder(prefix)) return 0;
    }
    return platform::MakeFolder(path) ? 1 : 0;
}

}  // namespace scx
