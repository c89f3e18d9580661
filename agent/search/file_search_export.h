#pragma once
// The file search's spreadsheet export: an HTML table in code page 949 under the extension
// ".xls", named after its title and the moment of export, in a folder the operator chose.

#include <ctime>
#include <string>
#include <vector>

#include "agent/search/file_search.h"

namespace scx {

inline constexpr const char* kFileSearchExportTitle = "파일검색결과";
inline constexpr const char* kExportDone = "엑셀 저장완료";
inline constexpr const char* kExportFailed = "엑셀 저장실패";
inline constexpr const char* kNothingToExport = "저장할 내용이 없습니다.";

// "FOLDER/TITLE_2017년04월18일09시30분15초.xls" for the local time `when`.
std::string ExportFilePath(const std::string& folder, const std::string& title, std::time_t when);

// The export's text (UTF-8): meta line, title table, one table of the rows.
std::string FileSearchExportText(const std::vector<FoundFileRow>& rows);

// Writes the text in code page 949 to the export path (replacing a file of that name); the path
// written, or the empty text when it could not be written.
std::string WriteFileSearchExport(const std::string& folder, const std::vector<FoundFileRow>& rows, std::time_t when);

}  // namespace scx
