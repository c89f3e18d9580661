#pragma once
// The frame of every spreadsheet export: an HTML fragment holding tables, in code page 949 under
// the extension ".xls", which spreadsheet programs open as a sheet. The workstation's install-record
// exports and the agent's file-search export both build their body with these pieces and save it
// with SaveSpreadsheetExport.

#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "core/prompter.h"

namespace scx {

inline constexpr std::string_view kExportSaved = "엑셀 저장완료";
inline constexpr std::string_view kExportFailed = "엑셀 저장실패";
inline constexpr std::string_view kExportNoItem = "대상을 선택하세요.";
inline constexpr std::string_view kExportNothingToSave = "저장할 내용이 없습니다.";
// The title of the folder chooser the windows show before an export.
inline constexpr std::string_view kExportFolderTitle = "저장경로 선택";

// "<meta ... charset=euc-kr\">" followed by the title table spanning `titleSpan` columns (4 for
// the workstation's exports, 8 for the file search). The title is escaped.
std::string ExportHead(std::string_view title, int titleSpan);

// "<tr>" + one "<td bgcolor=ffbf02>CAPTION</td>" per caption + "</tr>".
void AppendExportHeaderRow(std::string& body, const std::vector<std::string_view>& captions);
// "<tr>" + one "<td>VALUE</td>" per value (escaped) + "</tr>" + `rowEnd` ("\n\r" for the
// workstation's exports, "\r\n" for the file search).
void AppendExportDataRow(std::string& body, const std::vector<std::string_view>& values,
                         std::string_view rowEnd = "\n\r");

// "FOLDER/TITLE_YYYY년MM월DD일HH시MM분SS초.xls" for the local time `when`.
std::string ExportFileName(const std::string& folder, std::string_view title, const std::tm& when);

// Writes head + body in code page 949 to a new file in `folder` named for `title` and the
// moment `now`, and tells the prompter "엑셀 저장완료" or "엑셀 저장실패". A file of that name is
// never replaced: a second export in the same second gets "_2" before ".xls", then "_3", and so
// on (each name is taken by creating the file exclusively). Returns the path, or the empty text.
std::string SaveSpreadsheetExport(const std::string& folder, std::string_view title, std::string_view text,
                                  Prompter& prompter, std::time_t now = std::time(nullptr));

}  // namespace scx
