#include "agent/search/file_search_export.h"

#include "hub/report/spreadsheet_export.h"

namespace scx {

std::string FileSearchExportText(const std::vector<FoundFileRow>& rows) {
    std::string body = "<table border=1>";
    AppendExportHeaderRow(body, {"파일명", "크기", "위치"});
    for (const auto& row : rows) AppendExportDataRow(body, {row.name, row.size, row.folder}, "\r\n");
    body += "</table>\n\r";
    return ExportHead(kFileSearchExportTitle, 8) + body;
}

std::string SaveFileSearchExport(const std::string& folder, const std::vector<FoundFileRow>& rows, Prompter& prompter,
                                 std::time_t now) {
    if (rows.empty()) {
        prompter.ShowMessage(kExportNothingToSave);
        return {};
    }
    return SaveSpreadsheetExport(folder, kFileSearchExportTitle, FileSearchExportText(rows), prompter, now);
}

}  // namespace scx
