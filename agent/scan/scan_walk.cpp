// The walk over a drive's folders and the examination of their files.
//
// Each folder is read once (one readdir pass); files are looked at only when their name fits the
// pattern, folders by their directory type, so a normal scan costs little more than listing the
// tree. Windows paths are carried beside host paths: nothing is resolved by name again.
//
// What the walk may enter on a host tree (links, other file systems, folders met before) is
// decided by target::WalkGuard, the rule the file search shares (platform/target/walk_guard.h).

#include <dirent.h>

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

size_t CharCount(std::string_view text) {
    size_t n = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

bool EndsWithExe(std::string_view name) {
    return name.size() >= 4 && IsSameText(name.substr(name.size() - 4), ".exe", true);
}

}  // namespace

void ScanEngine::WalkDrive(char letter) {
    // The drive's root is entered here, every other folder by the loop of its parent.
    if (const Drive* drive = walk_->BeginDrive(letter))
        WalkFolder(Folder{std::string(1, letter) + ":\\", drive->hostRoot});
}

void ScanEngine::WalkFolder(const Folder& folder) {
    std::vector<HostEntry> entries = ReadHostFolder(folder.hostPath);
    if (entries.empty()) return;
    ExamineFolderFiles(folder, entries);

    const bool fontScan = settings_.isFont || settings_.isFontOnly;
    for (const HostEntry& entry : entries) {
        if (!Running()) return;
        if (entry.type != DT_DIR && entry.type != DT_LNK && entry.type != DT_UNKNOWN) continue;
        std::string path = folder.windowsPath + entry.name;
        if (CharCount(path) > kMaxPathChars) continue;
        std::string host = HostChildPath(folder.hostPath, entry.name);
        auto facts = walk_->EntryFacts(host, entry.type);
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
        if (!walk_->EnterFolder(host)) continue;
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
        std::string host = HostChildPath(folder.hostPath, entry.name);
        auto facts = walk_->EntryFacts(host, entry.type);
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
