#include "hub/report/usage_report.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/folders.h"
#include "hub/report/html_text.h"

namespace scx {

namespace report {
void BuildSwUsagePage(const CFileRST& result, const std::vector<bool>& on, PageOut& out);
void BuildPcUsagePage(const CFileRST& result, const std::vector<bool>& on, PageOut& out);
}  // namespace report

namespace {

void BuildPage(UsageReportKind kind, const CFileRST& result, const std::vector<bool>& flags, PageOut& out) {
    std::vector<bool> on = flags;
    on.resize(kind == UsageReportKind::kSoftware ? int{kSwColumnCount} : int{kPcColumnCount}, false);
    if (kind == UsageReportKind::kSoftware)
        report::BuildSwUsagePage(result, on, out);
    else
        report::BuildPcUsagePage(result, on, out);
}

}  // namespace

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
    std::string page;
    PageOut out([&page](std::string_view text) { page += text; });
    BuildPage(kind, result, flags, out);
    return page;
}

std::string WriteUsageReport(UsageReportKind kind, const CFileRST& result, const std::vector<bool>& flags,
                             Prompter& prompter, const std::string& folder) {
    std::string dir = folder.empty() ? GetCheckOutFolder("RST") : folder;
    if (!dir.empty() && dir.back() != '/') dir += '/';
    if (!EnsureFolder(dir)) return {};
    std::string path = dir + std::string(UsageReportName(kind)) + ".html";
    // The page goes to a file beside the target, slice by slice, and takes the report's name
    // only when complete, so a failed write leaves the previous page in place. It is not flushed
    // to disk: the page is made again from the result whenever it is wanted.
    std::string part = path + ".part";
    std::FILE* file = std::fopen(part.c_str(), "wb");
    bool ok = file != nullptr;
    if (ok) {
        PageEncoder encoder;
        std::string bytes;
        PageOut out([&](std::string_view text) {
            bytes.clear();
            encoder.Append(bytes, text);
            ok = ok && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
        });
        BuildPage(kind, result, flags, out);
        ok = std::fclose(file) == 0 && ok;
        ok = ok && std::rename(part.c_str(), path.c_str()) == 0;
    }
    if (!ok) {
        std::string reason = std::strerror(errno);
        if (file) std::remove(part.c_str());
        prompter.ShowMessage(path + ": " + reason);
        return {};
    }
    return path;
}

}  // namespace scx
