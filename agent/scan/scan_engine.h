#pragma once
// The scan: walks the chosen disks of a target, identifies program files (and fonts) through the
// checklist database, adds one #SWLIST row per product to the result, and saves it.
//
// StartScan takes the settings on the caller's thread; RunScan is the thread body (ScanThread
// starts it). Cancel (any thread) clears the run flag; the scan checks it before every folder,
// file and application path and between stages, and then saves nothing.

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "agent/scan/scan_messages.h"
#include "agent/scan/scan_rows.h"
#include "core/db/checklist_database.h"
#include "core/docs/file_ipt.h"
#include "core/prompter.h"
#include "platform/target/target.h"
#include "platform/target/walk_guard.h"

namespace scx::scan {

inline constexpr size_t kMaxDriveLetters = 32;

struct ScanSettings {
    ScanObserver* observer = nullptr;   // none: no reports
    CFileIPT* result = nullptr;         // lent to the scan until it reports saving or cancelling
    std::string resultPath;             // host path of the .ipt to write
    const target::Target* target = nullptr;
    std::string driveLetters;           // the chosen disks in order ("CD"); at most 32 are used
    bool isDetail = false;
    bool isFont = false;
    bool isFontOnly = false;
    bool isExist = true;
    bool hashCompare = false;
};

class ScanEngine {
public:
    // False, and nothing should be started, without a result, a target or drive letters. The
    // prompter hears of a Windows version the product-name table does not know; none: nobody.
    bool StartScan(const ScanSettings& settings, Prompter* prompter = nullptr);
    void RunScan();
    void Cancel() { runFlag_.store(0); }
    std::atomic<int>& RunFlag() { return runFlag_; }

    const std::string& WindowsFolder() const { return windowsFolder_; }
    const std::string& ProfileFolder() const { return profileFolder_; }

private:
    struct Folder;  // a folder being walked: Windows path and host path
    struct Databases;

    bool Running() const { return runFlag_.load(std::memory_order_relaxed) == 1; }
    void Report(ScanMessage message, long wParam = 0, std::string text = {});
    void AddRow(const std::string& row, const std::string& sha1, bool windowsRow = false);

    int CountProgressUnits() const;
    void AddWindowsRow();
    void WalkDrive(char letter);
    void WalkFolder(const Folder& folder);
    void ExamineFolderFiles(const Folder& folder, const std::vector<target::HostEntry>& entries);
    int MatchCheckList(const std::string& hostPath, const std::string& lowerName) const;
    std::unique_ptr<reg::RegKey> AppPathsKey() const;
    void RunAppPathStage();
    void AddMatchedRow(const CTable& db, int row, std::string_view origin, const FoundFile& file,
                       const std::string& sha1);
    void SaveResult();

    bool IsDuplicateMatch(std::string_view origin, const CTable& db, int row) const;
    bool IsDuplicateFont(int row) const;
    bool IsDuplicateKey(std::string_view key) const;

    ScanSettings settings_;
    std::atomic<int> runFlag_{0};
    std::string windowsFolder_;
    std::string profileFolder_;
    std::string productName_;
    std::shared_ptr<Databases> db_;
    // What the walk of this run may enter (links, other file systems, folders entered before);
    // made and used on the scan thread only.
    std::unique_ptr<target::WalkGuard> walk_;
};

// RunScan of an engine on its own std::thread. The destructor cancels and joins, so a window
// that goes away never leaves the scan running over what it lent.
class ScanThread {
public:
    explicit ScanThread(ScanEngine& engine) : engine_(engine), thread_([this] { engine_.RunScan(); }) {}
    ~ScanThread() {
        engine_.Cancel();
        Join();
    }
    void Join() {
        if (thread_.joinable()) thread_.join();
    }

private:
    ScanEngine& engine_;
    std::thread thread_;
};

}  // namespace scx::scan
