#include "hub/shell/aggregation_run.h"

#include <thread>

#include "core/db/checklist_database.h"
#include "core/docs/file_tls.h"
#include "core/docs/table_order.h"
#include "core/folders.h"
#include "core/text_util.h"
#include "platform/folders.h"

namespace scx {

std::string CountLabel(int index, int count) { return Format("%d/%d", index, count); }

std::string PercentLabel(int index, int count) {
    double percent = count > 0 ? static_cast<double>(index) / count * 100.0 : 0.0;
    return Format("%.2f%%", percent);
}

bool GoOnWithoutPackageFile(Prompter& prompter) {
    std::string path = GetProgramFolder() + std::string(CheckListFileName(CheckListFile::Package));
    if (platform::FileExists(path)) return true;
    return !prompter.AskYesNo(kAskStopWithoutPackages);
}

AggregationMessage RunAggregation(const AggregationRequest& request, const std::atomic<int>& runFlag,
                                  AggregationReporter& reporter, Prompter& prompter) {
    std::this_thread::sleep_for(request.pause);
    reporter.Status("패키지 작업을 준비 중입니다.");
    // Held for the whole run: the merges read it.
    std::shared_ptr<const CFilePackage> packages = request.usePackages ? GetPackageList() : nullptr;

    CFileTLS total(&prompter);
    total.SetPackageList(packages.get());
    total.Header().AddRowText("2", "\t");

    const int count = static_cast<int>(request.names.size());
    for (int i = 1; i <= count; ++i) {
        if (runFlag.load() == 0) return AggregationMessage::Abort;
        const std::string& name = request.names[i - 1];
        reporter.Status(name);
        reporter.Progress(i, count, name);
        CFileIPT ipt;
        if (!LoadInspectionResult(ipt, name)) {
            prompter.ShowMessage("IPT open fail.");
            continue;
        }
        if (!total.MergeIpt(ipt) &&
            prompter.AskYesNo(Format("%s 파일을 취합할 수 없습니다. 중지하시겠습니까?", name.c_str())))
            return AggregationMessage::Abort;
    }
    SortSoftwareRows(total, "GUBUN", true, "COMPANY");
    if (!total.SaveAs(request.targetPath, true)) {
        reporter.Status("저장실패");
        return AggregationMessage::Abort;
    }
    reporter.Status("취합 완료");
    std::this_thread::sleep_for(request.pause);
    return AggregationMessage::Finished;
}

}  // namespace scx
