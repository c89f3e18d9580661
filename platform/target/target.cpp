#include "platform/target/target.h"

#include <cstdlib>

#include "core/text_util.h"
#include "platform/folders.h"
#include "platform/target/backends.h"
#include "platform/target/host_path.h"

namespace scx::target {

const Drive* Target::FindDrive(char letter) const {
    char upper = static_cast<char>(letter >= 'a' && letter <= 'z' ? letter - 32 : letter);
    for (const auto& drive : Drives())
        if (drive.letter == upper) return &drive;
    return nullptr;
}

std::optional<std::string> Target::HostPath(std::string_view windowsPath, bool lastMayBeMissing) const {
    if (windowsPath.size() < 2 || windowsPath[1] != ':') return std::nullopt;
    const Drive* drive = FindDrive(windowsPath[0]);
    if (!drive) return std::nullopt;
    auto components = WindowsPathComponents(windowsPath.substr(2));
    if (!components) return std::nullopt;
    return ResolveComponents(drive->hostRoot, *components, lastMayBeMissing);
}

std::string DefaultTargetName() {
    const char* prefix = std::getenv("WINEPREFIX");
    if (prefix && *prefix && platform::FileExists(std::string(prefix) + "/system.reg"))
        return std::string("wine:") + prefix;
    const char* home = std::getenv("HOME");
    if (home && *home && platform::FileExists(std::string(home) + "/.wine/system.reg"))
        return std::string("wine:") + home + "/.wine";
    return "host";
}

std::unique_ptr<Target> OpenTarget(const std::vector<std::string>& names, std::string* error) {
    std::vector<std::string> given = names;
    if (given.empty()) given.push_back(DefaultTargetName());
    std::string dummy;
    std::string& why = error ? *error : dummy;

    std::vector<VolumeMount> volumes;
    for (const auto& name : given) {
        if (name.starts_with("volume:")) {
            VolumeMount mount{name.substr(7), 0};
            size_t eq = mount.mountPoint.rfind('=');
            if (eq != std::string::npos && eq + 2 == mount.mountPoint.size()) {
                char letter = mount.mountPoint.back();
                if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 32);
                if (letter < 'A' || letter > 'Z') {
                    why = "bad drive letter in target " + name;
                    return nullptr;
                }
                mount.letter = letter;
                mount.mountPoint.resize(eq);
            }
            if (mount.mountPoint.empty()) {
                why = "target " + name + " names no mount point";
                return nullptr;
            }
            volumes.push_back(std::move(mount));
        } else if (given.size() > 1) {
            why = "only volume: targets can be combined (" + name + ")";
            return nullptr;
        }
    }
    if (!volumes.empty()) return OpenVolumeTarget(volumes, error);
    const std::string& name = given[0];
    if (name.starts_with("wine:") && name.size() > 5) return OpenWineTarget(name.substr(5), error);
    if (name == "host") return OpenHostTarget(error);
    why = "unknown target \"" + name + "\" (wine:PREFIX, volume:MOUNT_POINT[=D] or host)";
    return nullptr;
}

}  // namespace scx::target
