// This machine without Windows: "/" is C:, further local disk file systems follow as D:, E:, ...
// in the order of the mount table. No registry.

#include <algorithm>

#include "platform/folders.h"
#include "platform/target/backends.h"
#include "platform/target/host_facts.h"

namespace scx::target {
namespace {

class HostTarget : public Target {
public:
    explicit HostTarget(std::vector<Drive> drives) : drives_(std::move(drives)) {}

    TargetKind Kind() const override { return TargetKind::Host; }
    std::string Name() const override { return "host"; }
    const std::vector<Drive>& Drives() const override { return drives_; }
    const reg::Registry* Registry() const override { return nullptr; }
    std::string ComputerName() const override { return HostComputerName(); }
    std::string LogonUserName() const override { return HostLogonUserName(); }
    bool SharesHostNetwork() const override { return true; }

private:
    std::vector<Drive> drives_;
};

bool IsDiskFileSystem(const MountEntry& mount) {
    static const char* const kTypes[] = {"ext2", "ext3", "ext4", "xfs", "btrfs", "vfat", "exfat", "ntfs",
                                         "ntfs3", "fuseblk", "f2fs", "jfs", "reiserfs", "zfs"};
    if (!mount.device.starts_with("/dev/")) return false;
    for (const char* type : kTypes)
        if (mount.fsType == type) return true;
    return false;
}

bool IsSystemArea(const std::string& mountPoint) {
    for (const char* area : {"/proc", "/sys", "/dev", "/run", "/boot", "/snap"})
        if (mountPoint == area || mountPoint.starts_with(std::string(area) + "/")) return true;
    return false;
}

}  // namespace

std::unique_ptr<Target> OpenHostTarget(std::string*) {
    std::vector<Drive> drives{Drive{'C', "/", true}};
    std::vector<std::string> devices;
    char next = 'D';
    for (const auto& mount : ReadMounts()) {
        if (mount.mountPoint == "/") continue;
        if (next > 'Z' || !IsDiskFileSystem(mount) || IsSystemArea(mount.mountPoint)) continue;
        // Files bound into containers and second mounts of one device are not disks of their own.
        if (!platform::FolderExists(mount.mountPoint)) continue;
        if (std::find(devices.begin(), devices.end(), mount.device) != devices.end()) continue;
        devices.push_back(mount.device);
        drives.push_back(Drive{next++, mount.mountPoint, true});
    }
    return std::make_unique<HostTarget>(std::move(drives));
}

}  // namespace scx::target
