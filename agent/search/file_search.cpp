#include "agent/search/file_search.h"

#include <cstdio>

#include "platform/target/file_facts.h"
#include "platform/target/walk_guard.h"

namespace scx {
namespace {

using target::FileEntry;

bool Skipped(const FileEntry& entry) {
    return (entry.facts.attributes & (target::kAttrSystem | target::kAttrTemporary)) != 0;
}
bool IsFolder(const FileEntry& entry) { return (entry.facts.attributes & target::kAttrDirectory) != 0; }

class Search {
public:
    Search(const FileSearchRequest& request, const std::atomic<int>& searching, FileSearchObserver& observer)
        : request_(request), searching_(searching), observer_(observer), walk_(*request.target) {}

    bool Running() const { return searching_.load(std::memory_order_relaxed) == 1; }

    int CountUnits(char letter) const {
        target::WalkGuard guard(*request_.target);
        const target::Drive* drive = guard.BeginDrive(letter);
        if (!drive) return 0;
        int units = 0;
        for (const auto& entry : guard.List(drive->hostRoot, "*.*"))
            if (IsFolder(entry) && !Skipped(entry)) ++units;
        return units;
    }

    void SearchDrive(char letter) {
        if (const target::Drive* drive = walk_.BeginDrive(letter))
            SearchFolder(std::string(1, letter) + ":\\", drive->hostRoot);
    }

private:
    // `folder` is the Windows path, ending with a backslash; `host` the host folder it maps to.
    void SearchFolder(const std::string& folder, const std::string& host) {
        for (const auto& entry : walk_.List(host, request_.pattern)) {
            if (!Running()) return;
            if (IsFolder(entry) || Skipped(entry)) continue;
            observer_.OnFound({entry.name, FileSizeText(entry.facts.size), folder});
        }
        const bool atRoot = folder.size() == 3;  // "C:\"
        for (const auto& entry : walk_.List(host, "*.*")) {
            if (!Running()) return;
            if (!IsFolder(entry) || Skipped(entry)) continue;
            if (atRoot) observer_.OnStep();
            std::string child = target::HostChildPath(host, entry.name);
            if (!walk_.EnterFolder(child)) continue;
            SearchFolder(folder + entry.name + "\\", child);
        }
    }

    const FileSearchRequest& request_;
    const std::atomic<int>& searching_;
    FileSearchObserver& observer_;
    target::WalkGuard walk_;  // links, other file systems and folders met before
};

// The drive letter of a disk item text ("C:\ - 로컬디스크"); 0 when it names none.
char LetterOf(const std::string& disk) { return disk.size() >= 2 && disk[1] == ':' ? disk[0] : '\0'; }
}  // namespace

std::string FileSizeText(std::uint64_t bytes) {
    float k = static_cast<float>(bytes / 1024.0);
    char text[64];
    if (k < 1024)
        std::snprintf(text, sizeof text, "%.1f KB", static_cast<double>(k));
    else
        std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(k / 1024));
    return text;
}

void RunFileSearch(const FileSearchRequest& request, const std::atomic<int>& searching, FileSearchObserver& observer) {
    if (request.target) {
        Search search(request, searching, observer);
        int units = 0;
        for (const auto& disk : request.disks) units += search.CountUnits(LetterOf(disk));
        observer.OnTotal(units);
        for (const auto& disk : request.disks) {
            if (!search.Running()) break;
            search.SearchDrive(LetterOf(disk));
        }
    }
    observer.OnDone();
}

FileSearchThread::FileSearchThread(FileSearchRequest request, FileSearchObserver& observer)
    : request_(std::move(request)), thread_([this, &observer] { RunFileSearch(request_, searching_, observer); }) {}

FileSearchThread::~FileSearchThread() {
    Stop();
    Join();
}

void FileSearchThread::Join() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace scx
