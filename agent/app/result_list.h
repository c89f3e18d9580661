#pragma once
// The agent's result list without its window: the cells of a #SWLIST row, the row numbers, the
// CSV export and the message for a row whose folder is gone.

#include <string>
#include <string_view>
#include <vector>

namespace scx {

inline constexpr int kResultListColumns = 11;
// Headings and widths of the list's columns, "순번" first.
struct ResultListColumn {
    const char* heading;
    int width;
};
extern const ResultListColumn kResultListColumnSpec[kResultListColumns];

// "상용", "쉐어", "프리", "폰트", "Conditional" for SW_TYPE "0" to "4"; anything else as stored.
std::string SwTypeName(std::string_view swType);

// Columns 1 to 10 of the list (구분 … 비고) from the 19 fields of a #SWLIST row; empty with fewer.
std::vector<std::string> ResultListCells(const std::vector<std::string>& fields);

// The width of row numbers: 3 below 1000, else the number of digits of `count`.
int RowNumberWidth(long long count);

// The export text: per row columns 0 to 9, "," inside a cell turned into ".", cells joined by ","
// and each row ended by a line feed. No heading line.
std::string ResultListCsvText(const std::vector<std::vector<std::string>>& rows);

// Appends the text, then " " and a line feed, to PATH.csv in code page 949 with CR LF line ends;
// the file is created when missing and kept when it exists. False when it cannot be written.
bool AppendResultListCsv(const std::string& chosenPath, std::string_view text);

// "C:\App\\app.exe 가 존재하지 않습니다." (the file name only when it is neither empty nor "-").
std::string MissingFolderMessage(std::string_view path, std::string_view exeFile);

}  // namespace scx
