#include "agent/search/file_search_export.h"

#include "core/text_util.h"
#include "platform/codepage.h"
#include "platform/file.h"

namespace scx {

std::string ExportFilePath(const std::string& folder, const std::string& title, std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    std::string separator = !folder.empty() && folder.back() == '/' ? "" : "/";
    return folder + separator +
           Format("%s_%d년%02d월%02d일%02d시%02d분%02d초.xls", title.c_str(), local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
}

std::string FileSearchExportText(const std::vector<FoundFileRow>& rows) {
    std::string text = "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=euc-kr\">";
    text += Format("<table><tr><td colspan=8 align=left><font size=4><bold>%s</td></tr></table>",
                   kFileSearchExportTitle);
    std::string body;
    for (const auto& row : rows)
        body += "<tr><td>" + row.name + "</td><td>" + row.size + "</td><td>" + row.folder + "</td></tr>\r\n";
    text += "<table border=1><tr><td bgcolor=ffbf02>파일명</td><td bgcolor=ffbf02>크기</td>"
            "<td bgcolor=ffbf02>위치</td></tr>" +
            body + "</table>\n\r";
    return text;
}

std::string WriteFileSearchExport(const std::string& folder, const std::vector<FoundFileRow>& rows, std::time_t when) {
    std::string path = ExportFilePath(folder, kFileSearchExportTitle, when);
    return platform::WriteFileAtomically(path, platform::Cp949FromUtf8(FileSearchExportText(rows))) ? path : std::string();
}

}  // namespace scx
