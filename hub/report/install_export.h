#pragma once
// The result's spreadsheet exports: install records per software ("SW별 설치내역") or per PC
// ("PC별 설치내역"), one block per chosen item, each headed by the item's names, with the orange
// caption row and one numbered row per install record.

#include <string>
#include <string_view>
#include <vector>

#include "core/docs/file_rst.h"
#include "core/prompter.h"

namespace scx {

enum class InstallExportKind { kPerSoftware, kPerPc };

// "SW별 설치내역" or "PC별 설치내역".
std::string_view InstallExportTitle(InstallExportKind kind);

// The blocks of the items: `rows` are #SWLIST rows (per software) or #USERINFO rows (per PC), in
// the order given; a row number outside the table is passed over.
std::string BuildInstallExportBody(InstallExportKind kind, const CFileRST& result, const std::vector<int>& rows);

// An export into `folder` (the folder the user chose): without items "대상을 선택하세요."; else the
// file is written (SaveSpreadsheetExport) and its path returned. Empty text when nothing was written.
std::string ExportInstallRecords(InstallExportKind kind, const CFileRST& result, const std::vector<int>& rows,
                                 const std::string& folder, Prompter& prompter);

// The table row behind an upper-list row number ("001" is row 0); -1 when there is none.
int TableRowOfRowNumber(std::string_view rowNumber);

}  // namespace scx
