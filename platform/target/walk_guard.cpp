#include "platform/target/walk_guard.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <climits>

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

std::optional<std::string> ReadLinkText(const std::string& linkPath) {
    char text[PATH_MAX];
    ssize_t n = readlink(linkPath.c_str(), text, sizeof text);
    if (n <= 0 || n >= static_cast<ssize_t>(sizeof text)) return std::nullopt;
    return std::string(text, static_cast<size_t>(n));
}

// The real path a symbolic link leads to, given the real path of the folder holding it. Only the
// link's own text and what it leads through are resolved (one lstat a component), where realpath
// would resolve the whole path again: a walk meets thousands of links (/usr/lib on Z:). None for
// a dangling link or a loop of links.
std::optional<std::string> ResolveLink(const std::string& realFolder, const std::string& linkPath) {
    std::string path = realFolder == "/" ? std::string() : realFolder;  // "" stands for "/"
    std::vector<std::string> pending;  // components still to walk, the next one last
    auto push = [&](const std::string& text) {
        if (!text.empty() && text[0] == '/') path.clear();
        size_t end = text.size();
        while (end > 0) {
            size_t slash = text.rfind('/', end - 1);
            size_t start = slash == std::string::npos ? 0 : slash + 1;
            if (end > start) pending.push_back(text.substr(start, end - start));
            if (slash == std::string::npos) break;
            end = slash;
        }
    };
    auto text = ReadLinkText(linkPath);
    if (!text) return std::nullopt;
    push(*text);
    for (int hops = 1; !pending.empty();) {
        std::string part = std::move(pending.back());
        pending.pop_back();
        if (part == ".") continue;
        if (part == "..") {
            path.resize(path.empty() ? 0 : path.rfind('/'));
            continue;
        }
        std::string next = path + "/" + part;
        struct stat st;
        if (lstat(next.c_str(), &st) != 0) return std::nullopt;
        if (!S_ISLNK(st.st_mode)) {
            path = std::move(next);
            continue;
        }
        text = ReadLinkText(next);
        if (!text || ++hops > 40) return std::nullopt;
        push(*text);
    }
    return path.empty() ? "/" : path;
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
    return real && ContainsReal(*real);
}

bool DriveBounds::ContainsReal(const std::string& real) const {
    bool inside = realRoot_ == "/" || real == realRoot_ ||
                  (real.size() > realRoot_.size() && real.compare(0, realRoot_.size(), realRoot_) == 0 &&
                   real[realRoot_.size()] == '/');
    if (!inside) return false;
    auto place = PlaceOf(real);
    return place && IsRootMount(place->mount, place->byMountId);
}

bool WalkGuard::LinkInside(const std::string& hostPath) {
    if (!bounds_) return false;
    size_t slash = hostPath.rfind('/');
    std::string folder = slash == 0 ? "/" : hostPath.substr(0, slash);
    if (folder != linkFolder_) {
        // The real path of the folder being listed, kept while its entries are asked about.
        auto real = RealPath(folder);
        if (!real) return false;
        linkFolder_ = folder;
        realLinkFolder_ = std::move(*real);
    }
    auto real = ResolveLink(realLinkFolder_, hostPath);
    return real && bounds_->ContainsReal(*real);
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

std::optional<FileFacts> WalkGuard::EntryFacts(const std::string& hostPath, unsigned char type) {
    bool link = type == DT_LNK;
    if (type == DT_UNKNOWN) {
        struct stat st;
        if (lstat(hostPath.c_str(), &st) != 0) return std::nullopt;
        link = S_ISLNK(st.st_mode);
    }
    if (link && !LinkInside(hostPath)) return std::nullopt;
    return HostFileFacts(hostPath);
}

bool WalkGuard::EnterFolder(const std::string& hostPath) {
    if (!bounds_) return false;
    auto place = PlaceOf(hostPath);
    if (!place || !bounds_->IsRootMount(place->mount, place->byMountId)) return false;
    return entered_.insert(place->node).second;
}

std::vector<FileEntry> WalkGuard::List(const std::string& hostFolder, std::string_view pattern) {
    std::vector<FileEntry> entries;
    for (const HostEntry& entry : ReadHostFolder(hostFolder)) {
        if (!MatchesPattern(entry.name, pattern)) continue;
        if (auto facts = EntryFacts(HostChildPath(hostFolder, entry.name), entry.type))
            entries.push_back(FileEntry{entry.name, *facts});
    }
    return entries;
}

}  // namespace scx::target
