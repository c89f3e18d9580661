#include "platform/target/disks.h"

#include <dirent.h>
#include <sys/statvfs.h>

#include <climits>
#include <cstdlib>

#include "core/text_util.h"
#include "platform/file.h"
#include "platform/target/host_facts.h"

namespace scx::target {
namespace {

std::string RealPath(const std::string& path) {
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) ? std::string(resolved) : std::string();
}

// /dev/disk/by-label names escape characters such as space as \x20.
std::string UnescapeLabel(std::string_view name) {
    std::string out;
    for (size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x') {
            out += static_cast<char>(std::strtol(std::string(name.substr(i + 2, 2)).c_str(), nullptr, 16));
            i += 3;
        } else {
            out += name[i];
        }
    }
    return out;
}

std::string DeviceOf(const std::string& hostRoot) {
    std::string root = RealPath(hostRoot);
    std::string device;
    size_t best = 0;
    for (const auto& mount : ReadMounts()) {
        const std::string& point = mount.mountPoint;
        bool contains = root == point || point == "/" ||
                        (root.starts_with(point) && root.size() > point.size() && root[point.size()] == '/');
        if (contains && point.size() >= best) {
            best = point.size();
            device = mount.device;
        }
    }
    return device;
}

}  // namespace

std::string VolumeLabelOf(const std::string& hostRoot) {
    if (auto label = platform::ReadFileBytes(hostRoot + "/.windows-label")) {
        std::string text = *label;
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
        if (!text.empty()) return text;
    }
    std::string device = DeviceOf(hostRoot);
    if (!device.starts_with("/dev/")) return {};
    device = RealPath(device);
    DIR* dir = opendir("/dev/disk/by-label");
    if (!dir) return {};
    std::string label;
    while (dirent* entry = readdir(dir)) {
        std::string_view name = entry->d_name;
        if (name == "." || name == "..") continue;
        if (RealPath("/dev/disk/by-label/" + std::string(name)) == device) {
            label = UnescapeLabel(name);
            break;
        }
    }
    closedir(dir);
    return label;
}

std::vector<DiskItem> FixedDisks(const Target& target) {
    std::vector<DiskItem> items;
    for (const auto& drive : target.Drives()) {
        if (!drive.fixed) continue;
        DiskItem item;
        item.letter = drive.letter;
        item.root = std::string(1, drive.letter) + ":\\";
        item.label = VolumeLabelOf(drive.hostRoot);
        if (item.label.empty()) item.label = kDefaultDiskLabel;
        struct statvfs fs;
        if (statvfs(drive.hostRoot.c_str(), &fs) == 0)
            item.totalBytes = static_cast<std::uint64_t>(fs.f_blocks) * fs.f_frsize;
        items.push_back(std::move(item));
    }
    return items;
}

std::string DiskItemText(const DiskItem& item) {
    if (!item.totalBytes) return item.root + " - " + item.label;
    return Format("%s - %s[%llu", item.root.c_str(), item.label.c_str(),
                  static_cast<unsigned long long>(*item.totalBytes >> 30)) + "GB]";
}

}  // namespace scx::target
