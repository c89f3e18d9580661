#pragma once
// The file search's spreadsheet export, in the frame of every spreadsheet export
// (hub/report/spreadsheet_export.h): a title table spanning 8 columns and one table of the rows.

#include <ctime>
#include <string>
#include <vector>

#include "agent/search/file_search.h"
#include "core/prompter.h"

namespace scx {

inline constexpr const char* kFileSearchExportTitle = "파일검색결과";

// The export's text (UTF-8): meta line, title table, one table of the rows (values escaped).
std::string FileSearchExportText(const std::vector<FoundFileRow>& rows);

// With no rows, "저장할 내용이 없습니다." and nothing is written. Otherwise the export is saved in
// `folder` and the prompter hears "엑셀 저장완료" or "엑셀 저장실패"; the path written, or empty.
std::string SaveFileSearchExport(const std::string& folder, const std::vector<FoundFileRow>& rows, Prompter& prompter,
                                 std::time_t now = std::time(nullptr));

}  // namespace scx
