#pragma once
// The examiner's edits of one PC's inspection result: the new document's first rows, the user
// information, programs typed in, deleted rows, and the texts the IPT list shows.

#include <string>
#include <string_view>
#include <vector>

namespace scx {

class CFileIPT;
class Prompter;

// GUBUN values the workstation writes, and the one it never shows.
inline constexpr std::string_view kGubunPackage = "0";
inline constexpr std::string_view kGubunCheckList = "1";
inline constexpr std::string_view kGubunTyped = "3";
inline constexpr std::string_view kGubunHidden = "99";
// ScrutinexVer of files the workstation makes.
inline constexpr std::string_view kIptFileVersion = "2";

struct IptUserInfo {
    std::string groupName;  // 회사(부서)명
    std::string pcName;     // 컴퓨터명
    std::string userName;   // 사용자명
    int pcKind = -1;        // 0 brand PC, 1 assembled PC, -1 none chosen
    bool operator==(const IptUserInfo&) const = default;
};

// The header row ("2", now, "-") and the user row of a new document.
void InitNewIpt(CFileIPT& file, const IptUserInfo& info);
IptUserInfo ReadIptUserInfo(const CFileIPT& file);
// Writes the four values into the user row when any differs (CPU_KINDS, OS_KINDS and PC_IP keep
// what the agent stored). True when the row changed.
bool UpdateIptUserInfo(CFileIPT& file, const IptUserInfo& info);

// A program typed in by the examiner.
struct SwInput {
    std::string company, program, price, exeFile, path;
};
struct DirectInputOutcome {
    enum Kind { Added, Duplicate, Refused } kind;
    int row;  // the new row, or the existing one for Duplicate; -1 for Refused
};
// Adds the row (GUBUN 3) unless a row of the same company and program name exists without
// regard to case; shows "<program>는 이미 존재합니다." or the refusal message.
DirectInputOutcome AddDirectInput(CFileIPT& file, SwInput input, Prompter& prompter);

// Deletes the #SWLIST rows of those indices, highest first.
void DeleteSwRows(CFileIPT& file, std::vector<int> indices);

// Adds #SWLIST rows given as TAB-joined texts (rows dragged from another document); the indices
// of the rows added are appended to `added`.
void AddSwRowTexts(CFileIPT& file, const std::vector<std::string>& rows, std::vector<int>& added);

// Width of the zero-padded row number: 3, or the digit count of the row count above 999.
int RowNumberWidth(int rowCount);
// SW_TYPE as the lists show it: 상용, 쉐어, 프리, 폰트, Conditional, otherwise "-".
std::string SwTypeCaption(std::string_view swType);

// The eleven texts the IPT list shows for #SWLIST row `row`, numbered `number` (1-based).
inline constexpr int kIptListColumns = 11;
std::vector<std::string> IptListTexts(const CFileIPT& file, int row, int number, int numberWidth);

// The name save-as proposes: GROUP_NAME_USER_NAME_today ("총무팀_사용자1_20170418").
std::string DefaultIptSaveName(const CFileIPT& file);

}  // namespace scx
