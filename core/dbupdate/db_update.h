#pragma once
// The checklist database update: fetch the five database files from the database server, put
// each good one in place of the local copy (keeping the previous copy as ".bak"), and load the
// replaced databases again. The run goes in numbered steps that a progress display shows.

#include <array>
#include <atomic>
#include <string>
#include <string_view>

#include "core/db/checklist_database.h"
#include "core/settings/scx_setting.h"
#include "platform/http.h"

namespace scx {

// The step message of the update: the worker hands each step number to its receiver and waits
// until the receiver has handled it.
enum DbUpdateMessage : unsigned { WM_DB_UPDATE_STEP = 0x0400 + 400 };

// Step numbers. They are sent in the order 0, 1, 2, 3, 5, 4, 6 (the user checklist is fetched
// before the font checklist), so a progress bar over 0..6 moves back from 5 to 4 before 6.
enum DbUpdateStep : int {
    kStepVersionCheck = 0,
    kStepWindowCheckList = 1,
    kStepPackage = 2,
    kStepFilter = 3,
    kStepFontCheckList = 4,
    kStepUserCheckList = 5,
    kStepComplete = 6,
};
inline constexpr int kLastDbUpdateStep = kStepComplete;

// The status text of a step; any step other than 0 to 5 shows the completion text.
std::string_view DbUpdateStepText(int step);

// Shown when the database server cannot be reached, before the run or inside it.
inline constexpr std::string_view kCheckConnectionText = "인터넷 연결 상태를 확인해 주세요.";

// A database file and the step that announces its download.
struct DbFileInfo {
    CheckListFile file;
    DbUpdateStep step;
};
// In download order.
inline constexpr std::array<DbFileInfo, 5> kDbDownloadOrder = {{
    {CheckListFile::Window, kStepWindowCheckList},
    {CheckListFile::Package, kStepPackage},
    {CheckListFile::Filter, kStepFilter},
    {CheckListFile::User, kStepUserCheckList},
    {CheckListFile::Font, kStepFontCheckList},
}};
// The order in which the replaced databases are loaded again.
inline constexpr std::array<CheckListFile, 5> kDbReloadOrder = {
    CheckListFile::Window, CheckListFile::User, CheckListFile::Package, CheckListFile::Filter,
    CheckListFile::Font};

// What the update needs of the process's checklist databases. CheckListDatabaseFiles
// (checklist_database_files.h) is the process's own; a program with another home for its
// databases brings its own.
class CheckListDatabaseAccess {
public:
    virtual ~CheckListDatabaseAccess() = default;
    // Drops every loaded database object, so no database file is held while it is replaced.
    virtual void ReleaseAll() = 0;
    // True when the file at `path` loads as a record file of that database's kind.
    virtual bool IsValidFile(CheckListFile file, const std::string& path) = 0;
    // Loads that database again through its accessor.
    virtual void Reload(CheckListFile file) = 0;
};

// How one file's download ended.
enum class DownloadOutcome {
    Replaced,      // the new file is in place, the old one (if any) is its ".bak"
    Failed,        // no answer, an HTTP error status, or stopped: nothing changed
    Invalid,       // the answer is not a record file of its kind: nothing changed
    NotMoved,      // the new file could not be put in place: the old file stays
    NotAttempted,  // the run was stopped before this file
};
std::string_view DownloadOutcomeText(DownloadOutcome outcome);

// What the update reports to its display. Every call comes from the worker's thread and the
// worker waits until it returns; a window re-posts each call to its own thread and blocks until
// it has been handled.
class DbUpdateObserver {
public:
    virtual ~DbUpdateObserver() = default;
    // One step: its number and its status text. Step 6 is the last; a display ends one second
    // after it.
    virtual void OnStep(int step, std::string_view text) = 0;
    // The server could not be reached inside the run: no file was touched and no further step
    // comes. A display shows kCheckConnectionText and ends.
    virtual void OnNoConnection() = 0;
    // One file's result, for displays that name failed files (the dialog does not).
    virtual void OnFileDone(const DbFileInfo& /*file*/, DownloadOutcome /*outcome*/,
                            std::string_view /*detail*/) {}
};

struct DbUpdateConfig {
    ServerAddress server;
    std::string folder;  // where the database files live, with a trailing "/"
    int connectTimeoutMs = 3000;
    int stallTimeoutS = 30;
};

// The update as the programs run it: the server of ChecklistHost in ScxSetting.ini (an empty host,
// which no connection test passes, when the key is missing or not a server address) and the
// program folder.
DbUpdateConfig DbUpdateConfigFromSettings();

struct DbUpdateSummary {
    bool connected = false;
    std::array<DownloadOutcome, 5> outcomes{};  // in kDbDownloadOrder
    bool AllReplaced() const;
};

// "http://" + host + ":" + port + "/cmmn/download.nis?type=file&filename=" + name.
std::string DbDownloadUrl(const ServerAddress& server, std::string_view fileName);

// True when the server accepts a connection within the configured timeout.
bool IsServerReachable(const DbUpdateConfig& config);

// Fetches one file into name + ".tmp", checks it with its class's loader, and rotates it into
// place: ".bak" removed, the file renamed to ".bak", ".tmp" renamed to the file. `detail` tells
// why a file was not replaced.
DownloadOutcome DownloadDatabaseFile(const DbUpdateConfig& config, const DbFileInfo& file,
                                     CheckListDatabaseAccess& databases,
                                     const std::atomic<int>& runFlag, std::string* detail);

// The worker's whole run, on the calling thread. Expects `runFlag` set to 1 by the caller;
// downloads only while it stays 1; clears it as its last action.
DbUpdateSummary RunDbUpdate(const DbUpdateConfig& config, CheckListDatabaseAccess& databases,
                            DbUpdateObserver& observer, std::atomic<int>& runFlag);

}  // namespace scx
