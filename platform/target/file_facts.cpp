#include "platform/target/file_facts.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>

#include <ctime>

#include "core/text_util.h"
#include "core/utf8.h"

namespace scx::target {
namespace {

std::u32string FoldedCodePoints(std::string_view text) {
    std::u32string out;
    ForEachCodePoint(text, [&](char32_t cp, std::string_view) { out.push_back(FoldCase(cp)); });
    return out;
}

// DOS attributes kept in extended attributes; none when the file has none.
std::optional<std::uint32_t> StoredDosAttributes(const std::string& path) {
    char buffer[64];
    ssize_t n = getxattr(path.c_str(), "user.DOSATTRIB", buffer, sizeof buffer - 1);
    if (n > 2 && buffer[0] == '0' && (buffer[1] == 'x' || buffer[1] == 'X')) {
        buffer[n] = '\0';
        return static_cast<std::uint32_t>(std::strtoul(buffer + 2, nullptr, 16));
    }
    n = getxattr(path.c_str(), "system.ntfs_attrib_be", buffer, sizeof buffer);
    if (n == 4) {
        auto b = reinterpret_cast<unsigned char*>(buffer);
        return (std::uint32_t{b[0]} << 24) | (std::uint32_t{b[1]} << 16) | (std::uint32_t{b[2]} << 8) | b[3];
    }
    return std::nullopt;
}

std::string BaseName(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

bool MatchesPattern(std::string_view name, std::string_view pattern) {
    if (pattern == "*" || pattern == "*.*") return true;
    std::u32string n = FoldedCodePoints(name), p = FoldedCodePoints(pattern);
    size_t i = 0, j = 0, star = std::u32string::npos, mark = 0;
    while (i < n.size()) {
        if (j < p.size() && (p[j] == U'?' || p[j] == n[i])) {
            ++i;
            ++j;
        } else if (j < p.size() && p[j] == U'*') {
            star = j++;
            mark = i;
        } else if (star != std::u32string::npos) {
            j = star + 1;
            i = ++mark;
        } else {
            return false;
        }
    }
    while (j < p.size() && p[j] == U'*') ++j;
    return j == p.size();
}

std::optional<FileFacts> HostFileFacts(const std::string& hostPath) {
    struct statx sx;
    if (statx(AT_FDCWD, hostPath.c_str(), AT_SYMLINK_NOFOLLOW, STATX_BASIC_STATS | STATX_BTIME, &sx) != 0)
        return std::nullopt;
    FileFacts facts;
    std::uint32_t extra = 0;
    if (S_ISLNK(sx.stx_mode)) {
        extra = kAttrReparsePoint;
        if (statx(AT_FDCWD, hostPath.c_str(), 0, STATX_BASIC_STATS | STATX_BTIME, &sx) != 0) {
            facts.attributes = kAttrReparsePoint | kAttrSystem;
            return facts;
        }
    }
    bool folder = S_ISDIR(sx.stx_mode);
    facts.size = folder ? 0 : sx.stx_size;
    facts.created = (sx.stx_mask & STATX_BTIME) ? sx.stx_btime.tv_sec : sx.stx_ctime.tv_sec;
    facts.accessed = sx.stx_atime.tv_sec;

    if (auto stored = StoredDosAttributes(hostPath)) {
        facts.attributes = *stored & ~std::uint32_t{kAttrDirectory | kAttrNormal};
        if (folder) facts.attributes |= kAttrDirectory;
        if (facts.attributes == 0) facts.attributes = kAttrNormal;
    } else if (folder) {
        facts.attributes = kAttrDirectory;
    } else {
        facts.attributes = S_ISREG(sx.stx_mode) ? kAttrArchive : kAttrSystem;
    }
    std::string name = BaseName(hostPath);
    if (!name.empty() && name[0] == '.') facts.attributes |= kAttrHidden;
    facts.attributes |= extra;
    return facts;
}

std::vector<HostEntry> ReadHostFolder(const std::string& hostFolder) {
    std::vector<HostEntry> entries;
    DIR* dir = opendir(hostFolder.empty() ? "/" : hostFolder.c_str());
    if (!dir) return entries;
    while (dirent* entry = readdir(dir)) {
        std::string_view name = entry->d_name;
        if (name == "." || name == "..") continue;
        entries.push_back(HostEntry{std::string(name), entry->d_type});
    }
    closedir(dir);
    return entries;
}

std::string HostChildPath(const std::string& hostFolder, std::string_view name) {
    std::string path = hostFolder;
    if (path.empty() || path.back() != '/') path += '/';
    path += name;
    return path;
}

std::vector<FileEntry> ListFolder(const Target& target, std::string_view windowsFolder,
                                  std::string_view pattern) {
    std::vector<FileEntry> entries;
    auto folder = target.HostPath(windowsFolder);
    if (!folder) return entries;
    for (const HostEntry& entry : ReadHostFolder(*folder)) {
        if (!MatchesPattern(entry.name, pattern)) continue;
        if (auto facts = HostFileFacts(HostChildPath(*folder, entry.name)))
            entries.push_back(FileEntry{entry.name, *facts});
    }
    return entries;
}

std::optional<FileFacts> GetFileFacts(const Target& target, std::string_view windowsPath) {
    auto path = target.HostPath(windowsPath);
    if (!path) return std::nullopt;
    return HostFileFacts(*path);
}

std::string LocalDateText(std::optional<std::int64_t> time) {
    if (!time) return {};
    std::time_t t = static_cast<std::time_t>(*time);
    std::tm local;
    if (!localtime_r(&t, &local)) return {};
    return Format("%d-%02d-%02d", local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

std::string CreationDateText(const Target& target, std::string_view windowsPath) {
    if (windowsPath.empty()) return {};
    auto facts = GetFileFacts(target, windowsPath);
    return facts ? LocalDateText(facts->created) : std::string();
}

std::string LastAccessDateText(const Target& target, std::string_view windowsPath) {
    if (windowsPath.empty()) return {};
    auto facts = GetFileFacts(target, windowsPath);
    return facts ? LocalDateText(facts->accessed) : std::string();
}

}  // namespace scx::target
