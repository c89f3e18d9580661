#include "core/dbupdate/db_update.h"

#include <unistd.h>

#include <cstdio>

#include "core/folders.h"
#include "core/trace.h"
#include "platform/file.h"

namespace scx {
namespace {

bool Rename(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace

std::string_view DbUpdateStepText(int step) {
    switch (step) {
        case kStepVersionCheck: return "버전 체크중입니다.";
        case kStepWindowCheckList: return "체크리스트 DB를 업데이트 중입니다.";
        case kStepPackage: return "패키지 DB를 업데이트 중입니다.";
        case kStepFilter: return "필터 DB를 업데이트 중입니다.";
        case kStepFontCheckList: return "폰트리스트 DB를 업데이트 중입니다.";
        case kStepUserCheckList: return "유저체크리스트 DB를 업데이트 중입니다.";
        default: return "업데이트가 완료되었습니다.";
    }
}

std::string_view DownloadOutcomeText(DownloadOutcome outcome) {
    switch (outcome) {
        case DownloadOutcome::Replaced: return "replaced";
        case DownloadOutcome::Failed: return "download failed";
        case DownloadOutcome::Invalid: return "not a valid database file";
        case DownloadOutcome::NotMoved: return "could not be put in place";
        case DownloadOutcome::NotAttempted: return "not attempted";
    }
    return "";
}

DbUpdateConfig DbUpdateConfigFromSettings() {
    DbUpdateConfig config;
    if (auto server = ParseServerAddress(ReadChecklistHost())) config.server = *server;
    config.folder = GetProgramFolder();
    return config;
}

bool DbUpdateSummary::AllReplaced() const {
    for (auto outcome : outcomes)
        if (outcome != DownloadOutcome::Replaced) return false;
    return connected;
}

std::string DbDownloadUrl(const ServerAddress& server, std::string_view fileName) {
    return "http://" + server.Authority() + "/cmmn/download.nis?type=file&filename=" +
           std::string(fileName);
}

bool IsServerReachable(const DbUpdateConfig& config) {
    return !config.server.host.empty() &&
           platform::CanConnect(config.server.host, config.server.port, config.connectTimeoutMs);
}

DownloadOutcome DownloadDatabaseFile(const DbUpdateConfig& config, const DbFileInfo& file,
                                     CheckListDatabaseAccess& databases,
                                     const std::atomic<int>& runFlag, std::string* detail) {
    const std::string name(CheckListFileName(file.file));
    const std::string path = config.folder + name;
    const std::string tmp = path + ".tmp";
    const std::string bak = path + ".bak";

    platform::HttpRequest request;
    request.url = DbDownloadUrl(config.server, name);
    // No cache between here and the server may answer with an old copy.
    request.headers = {"Cache-Control: no-cache", "Pragma: no-cache"};
    request.connectTimeoutMs = config.connectTimeoutMs;
    request.stallTimeoutS = config.stallTimeoutS;
    request.runFlag = &runFlag;
    platform::HttpResult result = platform::HttpGetToFile(request, tmp);
    if (!result.ok) {
        if (detail) *detail = result.error;
        return DownloadOutcome::Failed;
    }
    // An answer that is not a record file of its kind (an error page, a cut-off body) would leave
    // the programs without a loadable database: it is dropped like a failed download.
    if (!databases.IsValidFile(file.file, tmp)) {
        std::remove(tmp.c_str());
        if (detail) *detail = "the answer is not a valid " + name;
        return DownloadOutcome::Invalid;
    }
    std::remove(bak.c_str());
    // The backup is made as a second name of the current file, so the file never goes missing
    // while it is replaced; where the file system has no hard links it is renamed instead.
    bool linked = ::link(path.c_str(), bak.c_str()) == 0;
    bool moved = !linked && Rename(path, bak);
    if (!Rename(tmp, path)) {
        if (moved) Rename(bak, path);
        if (detail) *detail = "cannot rename " + tmp + ": " + platform::LastErrorText();
        return DownloadOutcome::NotMoved;
    }
    // The file and its backup are meant to be hidden from the user. Ordinary Linux files have no
    // hidden attribute (a leading dot would change the names the programs look for), so there is
    // nothing to set here.
    return DownloadOutcome::Replaced;
}

DbUpdateSummary RunDbUpdate(const DbUpdateConfig& config, CheckListDatabaseAccess& databases,
                            DbUpdateObserver& observer, std::atomic<int>& runFlag) {
    DbUpdateSummary summary;
    summary.outcomes.fill(DownloadOutcome::NotAttempted);
    observer.OnStep(kStepVersionCheck, DbUpdateStepText(kStepVersionCheck));
    if (!IsServerReachable(config)) {
        Trace("인터넷 연결 오류");
        observer.OnNoConnection();
        runFlag = 0;
        return summary;
    }
    summary.connected = true;
    databases.ReleaseAll();
    if (runFlag != 0) {
        for (size_t i = 0; i < kDbDownloadOrder.size(); ++i) {
            const DbFileInfo& file = kDbDownloadOrder[i];
            observer.OnStep(file.step, DbUpdateStepText(file.step));
            if (runFlag == 0) continue;
            std::string detail;
            summary.outcomes[i] = DownloadDatabaseFile(config, file, databases, runFlag, &detail);
            if (summary.outcomes[i] != DownloadOutcome::Replaced)
                Trace("%s: %s", std::string(CheckListFileName(file.file)).c_str(), detail.c_str());
            observer.OnFileDone(file, summary.outcomes[i], detail);
        }
    }
    observer.OnStep(kStepComplete, DbUpdateStepText(kStepComplete));
    for (CheckListFile reload : kDbReloadOrder) {
        for (size_t i = 0; i < kDbDownloadOrder.size(); ++i)
            if (kDbDownloadOrder[i].file == reload && summary.outcomes[i] == DownloadOutcome::Replaced)
                databases.Reload(reload);
    }
    runFlag = 0;
    return summary;
}

}  // namespace scx
