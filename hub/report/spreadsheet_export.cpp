#include "hub/report/spreadsheet_export.h"

#include <cerrno>
#include <cstdio>

#include "core/text_util.h"
#include "hub/report/html_text.h"

namespace scx {

std::string ExportHead(std::string_view title, int titleSpan) {
    std::string head = "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=euc-kr\">";
    head += Format("<table><tr><td colspan=%d align=left><font size=4><bold>", titleSpan);
    AppendEscaped(head, title);
    head += "</td></tr></table>";
    return head;
}

void AppendExportHeaderRow(std::string& body, const std::vector<std::string_view>& captions) {
    body += "<tr>";
    for (std::string_view caption : captions) {
        body += "<td bgcolor=ffbf02>";
        body += caption;
        body += "</td>";
    }
    body += "</tr>";
}

void AppendExportDataRow(std::string& body, const std::vector<std::string_view>& values, std::string_view rowEnd) {
    body += "<tr>";
    for (std::string_view value : values) {
        body += "<td>";
        AppendEscaped(body, value);
        body += "</td>";
    }
    body += "</tr>";
    body += rowEnd;
}

std::string ExportFileName(const std::string& folder, std::string_view title, const std::tm& when) {
    std::string dir = folder;
    if (!dir.empty() && dir.back() != '/') dir += '/';
    return dir + std::string(title) + "_" +
           Format("%d년%02d월%02d일", when.tm_year + 1900, when.tm_mon + 1, when.tm_mday) +
           Format("%02d시%02d분%02d초.xls", when.tm_hour, when.tm_min, when.tm_sec);
}

namespace {

// Creates `path` only when no file of that name exists and writes `bytes`; a failed write
// removes the partial file. EEXIST in errno tells the caller to try the next name.
bool WriteNewFile(const std::string& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wbx");
    if (!file) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = std::fclose(file) == 0 && ok;
    if (!ok) {
        std::remove(path.c_str());
        errno = EIO;
    }
    return ok;
}

}  // namespace

std::string SaveSpreadsheetExport(const std::string& folder, std::string_view title, std::string_view text,
                                  Prompter& prompter, std::time_t now) {
    std::tm local{};
    localtime_r(&now, &local);
    std::string first = ExportFileName(folder, title, local);
    std::string stem = first.substr(0, first.size() - 4);  // without ".xls"
    std::string bytes = PageBytes(text);
    for (int attempt = 1; attempt < 1000; ++attempt) {
        std::string path = attempt == 1 ? first : stem + Format("_%d.xls", attempt);
        errno = 0;
        if (WriteNewFile(path, bytes)) {
            prompter.ShowMessage(kExportSaved);
            return path;
        }
        if (errno != EEXIST) break;
    }
    prompter.ShowMessage(kExportFailed);
    return {};
}

}  // namespace scx
