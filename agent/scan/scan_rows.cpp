#include "agent/scan/scan_rows.h"

#include <vector>

#include "core/text_util.h"
#include "core/utf8.h"
#include "platform/codepage.h"

namespace scx::scan {
namespace {

std::string_view Trimmed(std::string_view text) {
    size_t b = text.find_first_not_of(' ');
    if (b == std::string_view::npos) return {};
    size_t e = text.find_last_not_of(' ');
    return text.substr(b, e - b + 1);
}

std::string Join(const std::vector<std::string_view>& values) { return JoinWithTabs(values); }

}  // namespace

std::string MajorVersion(std::string_view version) {
    std::string text(Trimmed(version));
    for (char& c : text)
        if (c == ',') c = '.';
    size_t dot = text.find('.');
    if (dot != std::string::npos && dot != 0) text.resize(dot);
    return text;
}

std::string RedecodeText(std::string_view text) {
    std::string bytes = platform::Cp949FromUtf8(text);
    std::string out;
    ForEachCodePoint(bytes, [&](char32_t cp, std::string_view) { AppendUtf8(out, cp); });
    return out;
}

std::string MatchedRowText(const CTable& db, int row, std::string_view origin, const FoundFile& file,
                           std::string_view serialNo) {
    auto cell = [&](std::string_view column) { return db.GetCell(row, column); };
    std::string etc = cell("SW_TYPE") == "4" ? std::string(kConditionalEtc) : std::string(kMissing);
    return Join({origin, cell("DB_ID"), cell("COMPANY"), cell("PRODUCT"), cell("VERSION"), cell("ORIGINAL_FILE"),
                 cell("EXE_FILE"), cell("DISP_COMPANY"), cell("DISP_PRODUCT"), cell("PRICE"), file.folder,
                 file.accessDate, serialNo, cell("SW_TYPE"), cell("GRP_ID"), cell("GRP_NAME"), cell("GRP_SEQ"),
                 etc, file.folderCreated});
}

std::string FontRowText(const CTable& fonts, int row, const FoundFile& file) {
    auto cell = [&](std::string_view column) { return fonts.GetCell(row, column); };
    std::string lower = LowerCase(file.fileName);
    return Join({"1", Format("%d", row), cell("DISP_COMPANY"), cell("DISP_PRODUCT"), cell("VERSION"), lower, lower,
                 cell("DISP_COMPANY"), cell("PRODUCT"), "-", file.folder, file.accessDate, "-", cell("SW_TYPE"),
                 "0", "-", "0", kFontEtc, file.accessDate});
}

std::string WindowsRowText(std::string_view dbId, std::string_view productName, std::string_view price,
                           std::string_view windowsFolder, std::string_view accessDate,
                           std::string_view productId, std::string_view createdDate) {
    return Join({"1", dbId, "Microsoft Corp.", "Windows", "-", "-", "-", "Microsoft Corp.", productName, price,
                 windowsFolder, accessDate, productId, "0", "-", "-", "-", "OS", createdDate});
}

std::string AppPathRowText(const std::string& key, const FoundFile& file) {
    std::vector<std::string> parts = SplitFields(key, "\t");
    parts.resize(4);
    return Join({"2", "0", parts[0], parts[1], parts[2], parts[3], file.fileName, parts[0], parts[1], "0",
                 file.folder, file.accessDate, "-", "-", "0", "-", "0", "-", file.folderAccess});
}

}  // namespace scx::scan
