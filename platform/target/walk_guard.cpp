#include "platform/target/walk_guard.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace scx::target {
namespace {

struct PlaceId {
    std::uint64_t mount;   // mount id, or the device when the kernel gives no mount id
    bool byMountId;
    std::pair<std::uint64_t, std::uint64_t> node;  // (device, inode)
};

// Where a host path (links followed) is: its mount and its device and inode.
std::optional<PlaceId> PlaceOf(const std::string& hostPath) {
    struct statx sx;
    if (statx(AT_FDCWD, hostPath.empty() ? "/" : hostPath.c_str(), 0, STATX_INO | STATX_MNT_ID, &sx) != 0)
        return std::nullopt;
    std::uint64_t device = makedev(sx.stx_dev_major, sx.stx_dev_minor);
    bool byMountId = (sx.stx_mask & STATX_MNT_ID) != 0;
    return PlaceId{byMountId ? sx.stx_mnt_id : device, byMountId, {device, sx.stx_ino}};
}

std::optional<std::string> RealPath(const std::string& hostPath) {
    char* real = realpath(hostPath.empty() ? "/" : hostPath.c_str(), nullptr);
    if (!real) return std::nullopt;
    std::string path = real;
    free(real);
    return path;
}

}  // namespace

std::optional<DriveBounds> DriveBounds::Of(const Drive& drive) {
    auto real = RealPath(drive.hostRoot);
    if (!real) return std::nullopt;
    auto place = PlaceOf(*real);
    if (!place) return std::nullopt;
    DriveBounds bounds;
    bounds.realRoot_ = std::move(*real);
    bounds.mount_ = place->mount;
    bounds.byMountId_ = place->byMountId;
    return bounds;
}

bool DriveBounds::IsRootMount(std::uint64_t mount, bool byMountId) const {
    return byMountId == byMountId_ && mount == mount_;
}

bool DriveBounds::Contains(const std::string& hostPath) const {
    auto real = RealPath(hostPath);
    if (!real) return false;
    bool inside = realRoot_ == "/" || *real == realRoot_ ||
                  (real->size() > realRoot_.size() && real->compare(0, realRoot_.size(), realRoot_) == 0 &&
                   (*real)[realRoot_.size()] == '/');
    if (!inside) return false;
    auto place = PlaceOf(*real);
    return place && IsRootMount(place->mount, place->byMountId);
}

const Drive* WalkGuard::BeginDrive(char letter) {
    bounds_.reset();
    const Drive* drive = target_.FindDrive(letter);
    if (!drive) return nullptr;
    bounds_ = DriveBounds::Of(*drive);
    if (!bounds_) return nullptr;
    auto place = PlaceOf(drive->hostRoot);
    if (!place || !entered_.insert(place->node).second) return nullptr;
    return drive;
}

std::optional<FileFacts> WalkGuard::EntryFacts(const std::string& hostPath, unsigned char type) const {
    bool link = type == DT_LNK;
    if (type == DT_UNKNOWN) {
        struct stat st;
        if (lstat(hostPath.c_str(), &st) != 0) return std::nullopt;
        link = S_ISLNK(st.st_mode);
    }
    if (link && (!bounds_ || !bounds_->Contains(hostPath))) return std::nullopt;
    return HostFileFacts(hostPath);
}

bool WalkGuard::EnterFolder(const std::string& hostPath) {
    if (!bounds_) return false;
    auto place = PlaceOf(hostPath);
    if (!place || !bounds_->IsRootMount(place->mount, place->byMountId)) return false;
    return entered_.insert(place->node).second;
}

std::vector<FileEntry> WalkGuard::List(const std::string& hostFolder, std::string_view pattern) const {
    std::vector<FileEntry> entries;
    for (const HostEntry& entry : ReadHostFolder(hostFolder)) {
        if (!MatchesPattern(entry.name, pattern)) continue;
        if (auto facts = EntryFacts(HostChildPath(hostFolder, entry.name), entry.type))
            entries.push_back(FileEntry{entry.name, *facts});
    }
    return entries;
}

}  // namespace scx::target
