#include "agent/search/file_search.h"

#include <cstdio>

#include "platform/target/file_facts.h"

namespace scx {
namespace {

using target::FileEntry;

bool Skipped(const FileEntry& entry) {
    return (entry.facts.attributes & (target::kAttrSystem | target::kAttrTemporary)) != 0;
}
bool IsFolder(const FileEntry& entry) { return (entry.facts.attributes & target::kAttrDirectory) != 0; }
bool IsLink(const FileEntry& entry) { return (entry.facts.attributes & target::kAttrReparsePoint) != 0; }

class Search {
public:
    Search(const FileSearchRequest& request, const std::atomic<int>& searching, FileSearchObserver& observer)
        : request_(request), searching_(searching), observer_(observer) {}

    bool Running() const { return searching_.load(std::memory_order_relaxed) == 1; }

    int CountUnits(const std::string& root) const {
        int units = 0;
        for (const auto& entry : target::ListFolder(*request_.target, root, "*.*"))
            if (IsFolder(entry) && !Skipped(entry)) ++units;
        return units;
    }

    // `folder` ends with a backslash.
    void SearchFolder(const std::string& folder) {
        for (const auto& entry : target::ListFolder(*request_.target, folder, request_.pattern)) {
            if (!Running()) return;
            if (IsFolder(entry) || Skipped(entry)) continue;
            observer_.OnFound({entry.name, FileSizeText(entry.facts.size), folder});
        }
        const bool atRoot = folder.size() == 3;  // "C:\"
        for (const auto& entry : target::ListFolder(*request_.target, folder, "*.*")) {
            if (!Running()) return;
            if (!IsFolder(entry) || Skipped(entry)) continue;
            if (atRoot) observer_.OnStep();
            if (IsLink(entry)) continue;
            SearchFolder(folder + entry.name + "\\");
        }
    }

private:
    const FileSearchRequest& request_;
    const std::atomic<int>& searching_;
    FileSearchObserver& observer_;
};

std::string RootOf(const std::string& disk) { return disk.substr(0, 3); }

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
    Search search(request, searching, observer);
    if (request.target) {
        int units = 0;
        for (const auto& disk : request.disks) units += search.CountUnits(RootOf(disk));
        observer.OnTotal(units);
        for (const auto& disk : request.disks) {
            if (!search.Running()) break;
            search.SearchFolder(RootOf(disk));
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
