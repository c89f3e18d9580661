#pragma once
// The rules of the user-information entries an inspection starts with: the name filter, the
// checks of OK in their order, the result file's path, and the values recorded in the system's
// registry. The dialog shows and asks; these decide.

#include <string>
#include <string_view>
#include <vector>

#include "core/prompter.h"

namespace scx::scan {

// Characters that cannot stand in a group or user name ("_" separates the file name's parts).
inline constexpr std::string_view kNameFilterChars = "\\/:*?\"<>|_";
inline constexpr std::string_view kNameFilterMessage =
    "파일 이름에는 다음 문자를 사용할 수 없습니다.\r\n\\ / : * ? \" < > | _";
inline constexpr std::string_view kGroupMissingMessage = "회사(부서)명을 입력해 주세요";
inline constexpr std::string_view kUserMissingMessage = "사용자명을 입력해 주세요";
inline constexpr std::string_view kPcKindMessage = "PC 종류를 선택해 주세요";
inline constexpr std::string_view kDisksMissingMessage = "점검 디스크를 선택해 주세요";
inline constexpr std::string_view kOverwriteQuestion = "는(은) 이미 있습니다.\n바꾸시겠습니까?";
inline constexpr std::string_view kScrutinexKey = "Software\\Scrutinex";

// Removes the filter's characters; true in `removed` when any went (the caller then shows
// kNameFilterMessage once).
std::string FilterName(std::string_view text, bool* removed = nullptr);

struct UserInfo {
    std::string pcName;
    std::string groupName;
    std::string userName;
    int pcKind = 0;                  // 0 brand PC, 1 assembled PC
    std::string suffix;              // today's date "%Y%m%d" at first; may be empty
    std::string ipAddress;
    std::vector<std::string> disks;  // chosen disk item texts in list order ("C:\ - 로컬디스크[465GB]")
};

// Where the checks of OK send the operator back to; Accepted when they all passed.
enum class UserInfoCheck { Accepted, GroupName, UserName, PcKind, Disks, Overwrite };

// The checks of OK in their order, on trimmed values (written back): group name, user name, PC
// kind, disks, then the question whether to replace an existing result file (`resultPath`, or
// the system's name when empty). Each failing check shows its message through the prompter.
// Accepted also writes the registry values.
UserInfoCheck CheckUserInfo(UserInfo& info, Prompter& prompter, std::string_view resultPath = {});

// "<program folder>/CheckOut/IPT/GROUP_USER_SUFFIX.ipt".
std::string ResultFilePath(std::string_view group, std::string_view user, std::string_view suffix);

// FileName, FilePath, GroupName and UserName under HKEY_CURRENT_USER\Software\Scrutinex, the key
// made when missing; failures are not reported.
void WriteUserInfoValues(std::string_view group, std::string_view user, std::string_view suffix);

// The drive letters of chosen disk texts: the first character of each.
std::string DriveLettersOf(const std::vector<std::string>& disks);

}  // namespace scx::scan
