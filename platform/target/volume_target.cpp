// An offline Windows volume (a mounted partition or disk image), read only. The volume given
// first as C: (or the one holding Windows\System32\config) gives the registry: the SOFTWARE and
// SYSTEM hives, and the NTUSER.DAT of the profile used last (newest file) as the current user.

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>

#include "core/text_util.h"
#include "platform/folders.h"
#include "platform/registry/hive_registry.h"
#include "platform/target/backends.h"
#include "platform/target/host_path.h"

namespace scx::target {
namespace {

class VolumeTarget : public Target {
public:
    VolumeTarget(std::string name, std::vector<Drive> drives, std::unique_ptr<reg::Registry> registry,
                 std::string userName)
        : name_(std::move(name)), drives_(std::move(drives)), registry_(std::move(registry)),
          userName_(std::move(userName)) {}

    TargetKind Kind() const override { return TargetKind::Volume; }
    std::string Name() const override { return name_; }
    const std::vector<Drive>& Drives() const override { return drives_; }
    const reg::Registry* Registry() const override { return registry_.get(); }
    std::string ComputerName() const override {
        if (!registry_) return {};
        auto name = registry_->ReadText(reg::RegRoot::LocalMachine,
                                        "SYSTEM\\CurrentControlSet\\Control\\ComputerName\\ComputerName",
                                        "ComputerName");
        return name.value_or("");
    }
    std::string LogonUserName() const override { return userName_; }
    bool SharesHostNetwork() const override { return false; }

private:
    std::string name_;
    std::vector<Drive> drives_;
    std::unique_ptr<reg::Registry> registry_;
    std::string userName_;
};

bool IsServiceProfile(std::string_view name) {
    for (std::string_view skip : {"Default", "Default User", "Public", "All Users", "defaultuser0",
                                  "LocalService", "NetworkService", "systemprofile"})
        if (IsSameText(name, skip, true)) return true;
    return false;
}

struct Profile {
    std::string name;
    std::string hive;
};

// The profile whose NTUSER.DAT changed last, from Users\ or Documents and Settings\.
std::optional<Profile> LastUsedProfile(const std::string& root) {
    std::optional<Profile> best;
    long long bestTime = -1;
    for (std::string_view folderName : {"Users", "Documents and Settings"}) {
        auto folder = ResolveComponents(root, {folderName}, false);
        if (!folder) continue;
        DIR* dir = opendir(folder->c_str());
        if (!dir) continue;
        while (dirent* entry = readdir(dir)) {
            std::string_view name = entry->d_name;
            if (name == "." || name == ".." || IsServiceProfile(name)) continue;
            auto hive = ResolveComponents(*folder, {name, "NTUSER.DAT"}, false);
            struct stat st;
            if (!hive || stat(hive->c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
            if (st.st_mtime > bestTime) {
                bestTime = st.st_mtime;
                best = Profile{std::string(name), *hive};
            }
        }
        closedir(dir);
    }
    return best;
}

}  // namespace

std::unique_ptr<Target> OpenVolumeTarget(const std::vector<VolumeMount>& mounts, std::string* error) {
    std::vector<Drive> drives;
    std::string name;
    for (const auto& mount : mounts) {
        std::string root = mount.mountPoint;
        while (root.size() > 1 && root.back() == '/') root.pop_back();
        if (!platform::FolderExists(root)) {
            if (error) *error = root + ": no such mount point";
            return nullptr;
        }
        char letter = mount.letter;
        if (!letter) {
            letter = 'C';
            while (std::any_of(drives.begin(), drives.end(), [&](const Drive& d) { return d.letter == letter; }))
                ++letter;
        }
        if (letter > 'Z' || std::any_of(drives.begin(), drives.end(), [&](const Drive& d) { return d.letter == letter; })) {
            if (error) *error = Format("%s: drive letter %c is taken or beyond Z", root.c_str(), letter);
            return nullptr;
        }
        drives.push_back(Drive{letter, root, true});
        name += (name.empty() ? "volume:" : " volume:") + root + "=" + letter;
    }
    std::sort(drives.begin(), drives.end(), [](const Drive& a, const Drive& b) { return a.letter < b.letter; });

    std::unique_ptr<reg::Registry> registry;
    std::string userName;
    for (const auto& drive : drives) {
        auto config = ResolveComponents(drive.hostRoot, {"Windows", "System32", "config"}, false);
        if (!config) continue;
        reg::HiveFiles files;
        files.software = ResolveComponents(*config, {"SOFTWARE"}, false).value_or("");
        files.system = ResolveComponents(*config, {"SYSTEM"}, false).value_or("");
        if (files.software.empty() && files.system.empty()) continue;
        if (auto profile = LastUsedProfile(drive.hostRoot)) {
            files.user = profile->hive;
            userName = profile->name;
        }
        registry = reg::OpenHiveRegistry(files, error);
        if (!registry) return nullptr;
        break;
    }
    return std::make_unique<VolumeTarget>(name, std::move(drives), std::move(registry), userName);
}

}  // namespace scx::target
