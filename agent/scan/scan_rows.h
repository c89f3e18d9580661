#pragma once
// The #SWLIST rows the scan writes, and the small text rules their values follow.

#include <string>
#include <string_view>

#include "core/table.h"

namespace scx::scan {

inline constexpr std::string_view kConditionalEtc = "기업유료/개인무료";
inline constexpr std::string_view kFontEtc = "폰트";

// Values joined by TAB: the text form of a row.
template <typename Values>
std::string JoinWithTabs(const Values& values) {
    std::string out;
    bool first = true;
    for (const auto& value : values) {
        if (!first) out += '\t';
        out += value;
        first = false;
    }
    return out;
}

// Major part of a version: trimmed, "," made ".", cut before the first "." unless that "." comes
// first ("10, 0, 1, 2" -> "10", "6.1.7600" -> "6", ".5" -> ".5").
std::string MajorVersion(std::string_view version);

// The text as code page 949 bytes read back as UTF-8, malformed bytes becoming U+FFFD. ASCII text
// comes back unchanged; the checklist keeps company names in ASCII for this reason.
std::string RedecodeText(std::string_view text);

// The facts of one found file that its row carries.
struct FoundFile {
    std::string folder;        // Windows folder with trailing backslash
    std::string fileName;      // as found
    std::string accessDate;    // last access of the file
    std::string folderCreated; // creation of the folder
    std::string folderAccess;  // last access of the folder (application paths)
};

// A checklist or user-checklist row matched (origin "1" or "2").
std::string MatchedRowText(const CTable& db, int row, std::string_view origin, const FoundFile& file,
                           std::string_view serialNo);
// A font of the font checklist; DB_ID is the font's row index.
std::string FontRowText(const CTable& fonts, int row, const FoundFile& file);
// The Windows product.
std::string WindowsRowText(std::string_view dbId, std::string_view productName, std::string_view price,
                           std::string_view windowsFolder, std::string_view accessDate,
                           std::string_view productId, std::string_view createdDate);
// A registered application path; `key` holds company, product, major version and original file.
std::string AppPathRowText(const std::string& key, const FoundFile& file);

}  // namespace scx::scan
