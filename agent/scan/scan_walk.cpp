// The walk over a drive's folders and the examination of their files.
//
// Each folder is read once (one readdir pass); files are looked at only when their name fits the
// pattern, folders by their directory type, so a normal scan costs little more than listing the
// tree. Windows paths are carried beside host paths: nothing is resolved by name again.
//
// Safety on host trees: a Wine prefix links profile folders into $HOME and maps Z: to "/", so the
// walk enters every folder at most once (device and inode), follows a symbolic link to a folder
// only when it ends inside the drive being walked, and never enters the kernel's pseudo file
// systems (/proc, /sys ...).

#include <dirent.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/vfs.h>

#include <linux/magic.h>

#include <algorithm>
#include <optional>

#include "agent/scan/scan_internal.h"
#include "agent/scan/serial_number.h"
#include "core/text_util.h"
#include "core/version/file_version.h"
#include "platform/target/file_facts.h"
#include "platform/target/file_hash.h"

namespace scx::scan {
namespace {

using namespace target;

constexpr size_t kMaxPathChars = 260;

std::vector<HostEntry> ReadHostFolder(const std::string& hostPath) {
    std::vector<HostEntry> entries;
    DIR* dir = opendir(hostPath.empty() ? "/" : hostPath.c_str());
    if (!dir) return entries;
    while (dirent* entry = readdir(dir)) {
        std::string_view name = entry->d_name;
        if (name == "." || name == "..") continue;
        entries.push_back(HostEntry{std::string(name), entry->d_type});
    }
    closedir(dir);
    return entries;
}

std::string HostChild(const std::string& hostFolder, std::string_view name) {
    std::string path = hostFolder;
    if (path.empty() || path.back() != '/') path += '/';
    path += name;
    return path;
}

size_t CharCount(std::string_view text) {
    size_t n = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

bool EndsWithExe(std::string_view name) {
    return name.size() >= 4 && IsSameText(name.substr(name.size() - 4), ".exe", true);
}

bool IsPseudoFileSystem(const std::string& hostPath) {
    struct statfs fs;
    if (statfs(hostPath.c_str(), &fs) != 0) return true;
    switch (static_cast<unsigned long>(fs.f_type)) {
        case PROC_SUPER_MAGIC: case SYSFS_MAGIC: case DEVPTS_SUPER_MAGIC: case CGROUP_SUPER_MAGIC:
        case CGROUP2_SUPER_MAGIC: case DEBUGFS_MAGIC: case SECURITYFS_MAGIC: case TRACEFS_MAGIC:
        case BPF_FS_MAGIC:
            return true;
        default:
            return false;
    }
}

}  // namespace

void ScanEngine::WalkDrive(char letter) {
    const Drive* drive = settings_.target->FindDrive(letter);
    if (!drive) return;
    char* real = realpath(drive->hostRoot.empty() ? "/" : drive->hostRoot.c_str(), nullptr);
    driveRealRoot_ = real ? real : drive->hostRoot;
    free(real);
    WalkFolder(Folder{std::string(1, letter) + ":\\", drive->hostRoot});
}

bool ScanEngine::EnterFolderOnce(const std::string& hostPath) {
    struct stat st;
    if (stat(hostPath.empty() ? "/" : hostPath.c_str(), &st) != 0) return false;
    return entered_.emplace(static_cast<unsigned long>(st.st_dev), static_cast<unsigned long>(st.st_ino)).second;
}

bool ScanEngine::LinkStaysOnDrive(const std::string& hostPath) const {
    char* real = realpath(hostPath.c_str(), nullptr);
    if (!real) return false;
    std::string path = real;
    free(real);
    if (driveRealRoot_ == "/") return true;
    return path == driveRealRoot_ || path.rfind(driveRealRoot_ + "/", 0) == 0;
}

void ScanEngine::WalkFolder(const Folder& folder) {
    if (!EnterFolderOnce(folder.hostPath)) return;
    std::vector<HostEntry> entries = ReadHostFolder(folder.hostPath);
    if (entries.empty()) return;
    ExamineFolderFiles(folder, entries);

    const bool fontScan = settings_.isFont || settings_.isFontOnly;
    for (const HostEntry& entry : entries) {
        if (!Running()) return;
        if (entry.type != DT_DIR && entry.type != DT_LNK && entry.type != DT_UNKNOWN) continue;
        std::string path = folder.windowsPath + entry.name;
        if (CharCount(path) > kMaxPathChars) continue;
        std::string host = HostChild(folder.hostPath, entry.name);
        auto facts = HostFileFacts(host);
        if (!facts) continue;
        if ((facts->attributes & (kAttrSystem | kAttrTemporary)) &&
            !ContainsAfterFirst(path, "\\windows\\fonts"))
            continue;
        if (LowerCase(ExtensionOf(entry.name)) == ".app" || !(facts->attributes & kAttrDirectory)) continue;

        if (std::count(path.begin(), path.end(), '\\') <= 2 && !ContainsAfterFirst(path, ":\\Windows"))
            Report(WM_SCAN_STEP, 1);
        if (!fontScan) {
            if (IsSameText(path, windowsFolder_, true) || IsSameText(path, profileFolder_, true)) continue;
        } else if (IsSameText(path, profileFolder_, true) ||
                   (ContainsAfterFirst(path, ":\\Windows\\") && !ContainsAfterFirst(path, ":\\Windows\\Fonts"))) {
            continue;
        }
        if ((facts->attributes & kAttrReparsePoint) && !LinkStaysOnDrive(host)) continue;
        if ((entry.type != DT_DIR || folder.windowsPath.size() <= 3) && IsPseudoFileSystem(host)) continue;
        WalkFolder(Folder{path + "\\", host});
    }
}

void ScanEngine::ExamineFolderFiles(const Folder& folder, const std::vector<HostEntry>& entries) {
    const std::string& dir = folder.windowsPath;
    if (ContainsAfterFirst(dir, ":\\Windows") && !ContainsAfterFirst(dir, ":\\Windows\\Fonts")) return;
    const bool fontsFolder = ContainsAfterFirst(dir, "\\windows\\fonts");
    const bool everyFile = settings_.isDetail || fontsFolder || settings_.isFontOnly;
    const bool fontBranch = (settings_.isFont && fontsFolder) || settings_.isFontOnly;
    std::optional<std::string> folderCreated;

    for (const HostEntry& entry : entries) {
        if (!Running()) return;
        if (entry.type == DT_DIR || (!everyFile && !EndsWithExe(entry.name))) continue;
        std::string host = HostChild(folder.hostPath, entry.name);
        auto facts = HostFileFacts(host);
        if (!facts || (facts->attributes & (kAttrDirectory | kAttrSystem | kAttrTemporary | kAttrCompressed)))
            continue;

        // The file's facts as its row carries them; the folder's date is read for the first row.
        auto found = [&] {
            if (!folderCreated) {
                auto folderFacts = HostFileFacts(folder.hostPath.empty() ? "/" : folder.hostPath);
                folderCreated = folderFacts ? LocalDateText(folderFacts->created) : std::string();
            }
            return FoundFile{dir, entry.name, LocalDateText(facts->accessed), *folderCreated, {}};
        };
        std::string lowerName = LowerCase(entry.name);
        std::string sha1;
        if (settings_.hashCompare && (facts->attributes & (kAttrArchive | kAttrNormal)) &&
            facts->size <= kHashSizeLimit)
            sha1 = Sha1OfHostFile(host);

        if (fontBranch) {
            if (!db_->font) return;
            int row = db_->font->FindByExe(lowerName);
            if (row < 0 || (settings_.isExist && IsDuplicateFont(row))) continue;
            AddRow(FontRowText(db_->font->CheckList(), row, found()), sha1);
            continue;
        }
        if (int row = MatchCheckList(host, lowerName); row >= 0) {
            AddMatchedRow(db_->window->CheckList(), row, "1", found(), sha1);
            continue;
        }
        if (!db_->user) continue;
        int row = db_->user->FindByExe(lowerName);
        if (row < 0 && !sha1.empty()) row = db_->user->FindBySha1(sha1);
        if (row >= 0) AddMatchedRow(db_->user->CheckList(), row, "2", found(), sha1);
    }
}

int ScanEngine::MatchCheckList(const std::string& hostPath, const std::string& lowerName) const {
    const CFileCheckList& list = *db_->window;
    CFileVersion version;
    if (settings_.isDetail) {
        if (!version.Open(hostPath)) return -1;
        int missing = 0;
        for (const char* key : {"CompanyName", "ProductName", "ProductVersion", "OriginalFilename"})
            if (version.GetString(key) == kMissing) ++missing;
        if (missing >= 3 && list.FindByExe(lowerName) < 0) return -1;
    } else {
        if (list.FindByExe(lowerName) < 0 || !version.Open(hostPath)) return -1;
    }
    // The company is re-decoded but not stripped, the other three are stripped of symbols.
    std::string company = RedecodeText(version.GetString("CompanyName"));
    std::string product = StripSymbols(version.GetString("ProductName"));
    std::string productVersion = StripSymbols(version.GetString("ProductVersion"));
    std::string original = StripSymbols(version.GetString("OriginalFilename"));
    int row = list.FindByKey(company + "\t" + product + "\t" + productVersion + "\t" + original);
    if (row < 0)
        row = list.FindByKey(company + "\t" + product + "\t" + MajorVersion(productVersion) + "\t" + original);
    return row;
}

void ScanEngine::AddMatchedRow(const CTable& db, int row, std::string_view origin, const FoundFile& file,
                               const std::string& sha1) {
    if (settings_.isExist && IsDuplicateMatch(origin, db, row)) return;
    std::string serial = ReadSerialNumber(settings_.target->Registry(), db.GetCell(row, "REG_PATH"));
    AddRow(MatchedRowText(db, row, origin, file, serial), sha1);
}

}  // namespace scx::scan
