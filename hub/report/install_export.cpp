#include "hub/report/install_export.h"

#include <unordered_map>

#include "core/docs/record_fields.h"
#include "core/text_util.h"
#include "hub/report/html_text.h"
#include "hub/report/spreadsheet_export.h"

namespace scx {

using namespace scx::fields;

namespace {

constexpr int kBlockColumns = 11;

const std::vector<std::string_view> kPerSoftwareCaptions = {
    "순번", "회사(부서)명", "사용자명", "컴퓨터명", "IP", "실행파일명", "파일경로", "설치일", "최종사용일", "제품시리얼", "PC종류"};
// "실팽파일명" is the caption the sheet has always shown.
const std::vector<std::string_view> kPerPcCaptions = {
    "순번", "구분", "유형", "저작권사", "프로그램명", "실팽파일명", "파일경로", "설치일", "최종사용일", "제품시리얼", "비고"};

std::string_view PcKindName(std::string_view kinds) {
    if (kinds == "0") return "브랜드";
    if (kinds == "1") return "조립";
    return "-";
}

std::string_view SoftwareTypeName(std::string_view swType) {
    if (swType == "0") return "상용";
    if (swType == "1") return "쉐어";
    if (swType == "2") return "프리";
    if (swType == "3") return "폰트";
    if (swType == "4") return "Conditional";
    return "-";
}

std::unordered_map<std::string_view, const Row*> RowsById(const CTableMulti& table) {
    std::unordered_map<std::string_view, const Row*> byId;
    byId.reserve(static_cast<size_t>(table.GetRowCount()));
    for (int i = 0; i < table.GetRowCount(); ++i) byId[(*table.GetRow(i))[0]] = table.GetRow(i);
    return byId;
}

void AppendBlock(std::string& body, std::string_view first, std::string_view second,
                 const std::vector<std::string_view>& captions, const std::string& rows) {
    body += Format("<br><table><tr><td colspan=%d align=left><bold>", kBlockColumns);
    AppendEscaped(body, first);
    body += ' ';
    AppendEscaped(body, second);
    body += "</td></tr></table>\n\r";
    body += "<table border=1>";
    AppendExportHeaderRow(body, captions);
    body += rows;
    body += "</table>\n\r";
}

}  // namespace

std::string_view InstallExportTitle(InstallExportKind kind) {
    return kind == InstallExportKind::kPerSoftware ? "SW별 설치내역" : "PC별 설치내역";
}

int TableRowOfRowNumber(std::string_view rowNumber) {
    long long value = ParseDigits(rowNumber);
    return value <= 0 || value > 0x7fffffff ? -1 : static_cast<int>(value - 1);
}

std::string BuildInstallExportBody(InstallExportKind kind, const CFileRST& result, const std::vector<int>& rows) {
    bool perSoftware = kind == InstallExportKind::kPerSoftware;
    const CTableMulti& items = perSoftware ? static_cast<const CTableMulti&>(result.SwList()) : result.UserInfo();
    const CTableMulti& history = result.PcHistory();
    // Partners by ID, and each item's install records in table order, gathered in one pass.
    auto partners = RowsById(perSoftware ? static_cast<const CTableMulti&>(result.UserInfo()) : result.SwList());
    std::unordered_map<std::string_view, std::vector<std::pair<const Row*, const Row*>>> recordsByItem;
    for (int i = 0; i < history.GetRowCount(); ++i) {
        const Row& record = *history.GetRow(i);
        auto partner = partners.find(record[perSoftware ? kHistUserId : kHistSwId]);
        if (partner == partners.end()) continue;  // its PC or software is gone
        recordsByItem[record[perSoftware ? kHistSwId : kHistUserId]].emplace_back(&record, partner->second);
    }

    std::string body;
    for (int row : rows) {
        if (row < 0 || row >= items.GetRowCount()) continue;
        const Row* item = items.GetRow(row);
        std::string dataRows;
        auto found = recordsByItem.find((*item)[0]);
        if (found != recordsByItem.end()) {
            int n = 0;
            for (const auto& [record, partner] : found->second) {
                std::string number = ZeroPad(3, ++n);
                const Row& r = *record;
                const Row& p = *partner;
                if (perSoftware)
                    AppendExportDataRow(dataRows, {number, p[kUserGroupName], p[kUserUserName], p[kUserPcName],
                                                   p[kUserPcIp], r[kHistExeFile], r[kHistPath], r[kHistInstallDate],
                                                   r[kHistCreateDate], r[kHistSerialNo], PcKindName(p[kUserPcKinds])});
                else
                    AppendExportDataRow(dataRows, {number, p[kSwGubun], SoftwareTypeName(p[kSwType]), p[kSwCompany],
                                                   p[kSwProduct], r[kHistExeFile], r[kHistPath], r[kHistInstallDate],
                                                   r[kHistCreateDate], r[kHistSerialNo],
                                                   p[kSwEtc] == kMissing ? std::string_view() : p[kSwEtc]});
            }
        }
        if (perSoftware)
            AppendBlock(body, (*item)[kSwCompany], (*item)[kSwProduct], kPerSoftwareCaptions, dataRows);
        else
            AppendBlock(body, (*item)[kUserUserName], (*item)[kUserPcIp], kPerPcCaptions, dataRows);
    }
    return body;
}

std::string ExportInstallRecords(InstallExportKind kind, const CFileRST& result, const std::vector<int>& rows,
                                 const std::string& folder, Prompter& prompter) {
    if (folder.empty()) return {};  // the folder chooser was cancelled
    const CTable& items = kind == InstallExportKind::kPerSoftware ? static_cast<const CTable&>(result.SwList())
                                                                   : result.UserInfo();
    bool any = false;
    for (int row : rows) any = any || (row >= 0 && row < items.GetRowCount());
    if (!any) {
        prompter.ShowMessage(kExportNoItem);
        return {};
    }
    std::string_view title = InstallExportTitle(kind);
    std::string text = ExportHead(title, 4) + BuildInstallExportBody(kind, result, rows);
    return SaveSpreadsheetExport(folder, title, text, prompter);
}

}  // namespace scx
