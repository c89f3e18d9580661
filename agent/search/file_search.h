#pragma once
// The agent's file search: every file of the chosen disks whose name matches a pattern, with its
// size and folder, found on a worker thread that the window stops through a run flag.

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "platform/target/target.h"

namespace scx {

struct FoundFileRow {
    std::string name;    // file name with extension
    std::string size;    // FileSizeText
    std::string folder;  // the folder holding it, with a trailing backslash ("C:\Docs\")
};

// "%.1f KB" of the length / 1024 as a float, or "%.1f MB" of that / 1024 from 1024 KB on.
std::string FileSizeText(std::uint64_t bytes);

// Called on the search thread, in order.
class FileSearchObserver {
public:
    virtual ~FileSearchObserver() = default;
    virtual void OnTotal(int units) = 0;  // top-level folders of the chosen disks
    virtual void OnStep() = 0;            // one top-level folder entered
    virtual void OnFound(const FoundFileRow& row) = 0;
    virtual void OnDone() = 0;            // the last report, also after a stop
};

struct FileSearchRequest {
    const target::Target* target = nullptr;
    std::vector<std::string> disks;  // disk item texts; their first three characters are the root
    std::string pattern;             // "*.hwp", or an exact name
};

// Runs the search while `searching` is 1; the folder listing follows the target's order. Files
// and folders with the system or temporary attribute are skipped (hidden ones are found). Links,
// other file systems and folders met before are handled as the scan handles them
// (target::WalkGuard): a link is followed only inside its drive, each folder is searched once.
void RunFileSearch(const FileSearchRequest& request, const std::atomic<int>& searching, FileSearchObserver& observer);

// The search on its own std::thread. Stop clears the flag; the destructor stops and joins, so the
// window that owns it never goes away under a running search.
class FileSearchThread {
public:
    FileSearchThread(FileSearchRequest request, FileSearchObserver& observer);
    ~FileSearchThread();
    FileSearchThread(const FileSearchThread&) = delete;
    FileSearchThread& operator=(const FileSearchThread&) = delete;

    void Stop() { searching_.store(0); }
    void Join();
    bool Searching() const { return searching_.load() == 1; }

private:
    FileSearchRequest request_;
    std::atomic<int> searching_{1};
    std::thread thread_;
};

}  // namespace scx
