#include "platform/folders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace scx::platform {
namespace {

std::string WithSlash(std::string dir) {
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}

std::string XdgDataFolder() { return WithSlash(XdgBaseFolder("XDG_DATA_HOME", ".local/share")) + "scrutinex/"; }

void MakeFolders(const std::string& path) {
    for (size_t i = 1; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == '/') {
            std::string prefix = path.substr(0, i);
            if (!FolderExists(prefix)) MakeFolder(prefix);
        }
    }
}

}  // namespace

std::string XdgBaseFolder(const char* variable, const char* underHome) {
    const char* xdg = std::getenv(variable);
    if (xdg && *xdg) return xdg;
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : "/tmp") + "/" + underHome;
}

bool FolderExists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool MakeFolder(const std::string& path) { return mkdir(path.c_str(), 0777) == 0; }

std::string ExecutableFolder() {
    char buf[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return "./";
    std::string exe(buf, static_cast<size_t>(n));
    return exe.substr(0, exe.rfind('/') + 1);
}

std::string InstalledShareFolder() {
    std::string exeFolder = ExecutableFolder();
    if (exeFolder.size() < 5 || exeFolder.compare(exeFolder.size() - 5, 5, "/bin/") != 0) return {};
    std::string share = exeFolder.substr(0, exeFolder.size() - 4) + "share/scrutinex/";
    return FolderExists(share) ? share : std::string();
}

std::string DataFolder() {
    const char* home = std::getenv("SCX_HOME");
    if (home && *home) return WithSlash(home);
    std::string exeFolder = ExecutableFolder();
    // An installed program keeps nothing beside itself even where it could write there (run by
    // root, or installed into a prefix the user owns): bin/ is for programs only.
    if (InstalledShareFolder().empty() && access(exeFolder.c_str(), W_OK) == 0) return exeFolder;
    std::string xdg = XdgDataFolder();
    MakeFolders(xdg);
    return xdg;
}

void SetDataFolder(const std::string& dir) { setenv("SCX_HOME", dir.c_str(), 1); }

}  // namespace scx::platform
