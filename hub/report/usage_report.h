#pragma once
// The two printable usage reports of a result: "SW별 사용현황" (one row per software with install,
// licence and copy counts, optional prices, totals and the copy ratio) and "PC별 사용현황" (one
// table per PC with its software). Pages are HTML in code page 949, one long line each, written
// under fixed names into CheckOut/RST. The report dialog and `scx report` both call this.

#include <string>
#include <string_view>
#include <vector>

#include "core/docs/file_rst.h"
#include "core/prompter.h"

namespace scx {

enum class UsageReportKind { kSoftware = 0, kPc = 1 };

// Columns of the SW report, in the order of their check boxes.
enum SwReportColumn {
    kSwColNumber, kSwColType, kSwColName, kSwColCompany, kSwColInstall, kSwColLicence, kSwColCopy,
    kSwColPrice, kSwColRemark, kSwColumnCount
};
// Columns of the PC report, in the order of their check boxes.
enum PcReportColumn {
    kPcColGroup, kPcColUser, kPcColType, kPcColName, kPcColCompany, kPcColSerial, kPcColPrice,
    kPcColumnCount
};

// A report's columns: the check-box captions and their flags (true = shown).
struct ReportLayout {
    std::vector<std::string_view> captions;
    std::vector<bool> flags;
};
// The layout with its default flags (a fresh report dialog starts with these).
ReportLayout DefaultReportLayout(UsageReportKind kind);

// The report's display name ("SW별 사용현황" or "PC별 사용현황"), also its file name's stem.
std::string_view UsageReportName(UsageReportKind kind);
// The full page as UTF-8 text; `flags` as in the layout (missing flags read as off).
std::string BuildUsageReportPage(UsageReportKind kind, const CFileRST& result, const std::vector<bool>& flags);

// Writes the page to `folder` (empty: CheckOut/RST of the program folder) as "<name>.html" and
// returns its full path; the empty text when the folder cannot be made or the file not written
// (the latter after telling the prompter why).
std::string WriteUsageReport(UsageReportKind kind, const CFileRST& result, const std::vector<bool>& flags,
                             Prompter& prompter, const std::string& folder = {});

// Shown by the dialog when a regeneration gives no file.
inline constexpr std::string_view kReportFailed = "인쇄 페이지 생성에 실패하였습니다.";

}  // namespace scx
