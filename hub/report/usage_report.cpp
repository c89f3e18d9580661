#include "hub/report/usage_report.h"

#include "core/folders.h"
#include "platform/codepage.h"
#include "platform/file.h"

namespace scx {

namespace report {
std::string BuildSwUsagePage(const CFileRST& result, const std::vector<bool>& on);
std::string BuildPcUsagePage(const CFileRST& result, const std::vector<bool>& on);
}  // namespace report

ReportLayout DefaultReportLayout(UsageReportKind kind) {
    if (kind == UsageReportKind::kSoftware)
        return {{"순번", "유형(비상용포함)", "SW명", "저작사", "설치", "정품", "복제", "소비자가", "비고"},
                {true, false, true, true, true, true, true, false, true}};
    return {{"회사(부서)명", "사용자", "유형(비상용포함)", "SW명", "저작사", "제품시리얼", "소비자가"},
            {true, true, false, true, true, false, false}};
}

std::string_view UsageReportName(UsageReportKind kind) {
    return kind == UsageReportKind::kSoftware ? "SW별 사용현황" : "PC별 사용현황";
}

std::string BuildUsageReportPage(UsageReportKind kind, const CFileRST& result, const std::vector<bool>& flags) {
    std::vector<bool> on = flags;
    on.resize(kind == UsageReportKind::kSoftware ? int{kSwColumnCount} : int{kPcColumnCount}, false);
    return kind == UsageReportKind::kSoftware ? report::BuildSwUsagePage(result, on)
                                              : report::BuildPcUsagePage(result, on);
}

std::string WriteUsageReport(UsageReportKind kind, const CFileRST& result, const std::vector<bool>& flags,
                             Prompter& prompter, const std::string& folder) {
    std::string dir = folder.empty() ? GetCheckOutFolder("RST") : folder;
    if (!dir.empty() && dir.back() != '/') dir += '/';
    if (!EnsureFolder(dir)) return {};
    std::string path = dir + std::string(UsageReportName(kind)) + ".html";
    std::string bytes = platform::Cp949FromUtf8(BuildUsageReportPage(kind, result, flags));
    // Written all or nothing, so a failed write leaves the previous page in place.
    std::string error;
    if (!platform::WriteFileAtomically(path, bytes, &error)) {
        prompter.ShowMessage(path + ": " + error);
        return {};
    }
    return path;
}

}  // namespace scx
