#include "hub/shell/ipt_edit.h"

#include <algorithm>
#include <functional>

#include "core/docs/file_ipt.h"
#include "core/prompter.h"
#include "core/text_util.h"

namespace scx {
namespace {

std::string OrMissing(std::string_view text) { return text.empty() ? std::string(kMissing) : std::string(text); }

}  // namespace

void InitNewIpt(CFileIPT& file, const IptUserInfo& info) {
    file.Header().AddRow({std::string(kIptFileVersion), NowStamp(true), std::string(kMissing)});
    file.UserInfo().AddRowText(Format("%s\t%s\t%s\t%s\t%s\t%d", OrMissing(info.groupName).c_str(),
                                      OrMissing(info.pcName).c_str(), OrMissing(info.userName).c_str(), "-",
                                      "-", info.pcKind),
                               "\t");
}

IptUserInfo ReadIptUserInfo(const CFileIPT& file) {
    const CTableSingle& user = file.UserInfo();
    IptUserInfo info;
    info.groupName = user.GetCell(0, "GROUP_NAME");
    info.pcName = user.GetCell(0, "PC_NAME");
    info.userName = user.GetCell(0, "USER_NAME");
    info.pcKind = static_cast<int>(ParseDigits(user.GetCell(0, "PC_KINDS")));
    return info;
}

bool UpdateIptUserInfo(CFileIPT& file, const IptUserInfo& info) {
    if (ReadIptUserInfo(file) == info) return false;
    const CTableSingle& user = file.UserInfo();
    Row row = {OrMissing(info.groupName), OrMissing(info.pcName), OrMissing(info.userName),
               user.GetRowCount() ? user.GetCell(0, "CPU_KINDS") : "-",
               user.GetRowCount() ? user.GetCell(0, "OS_KINDS") : "-", std::to_string(info.pcKind),
               user.GetRowCount() ? user.GetCell(0, "PC_IP") : "-"};
    file.UserInfo().AddRow(row);
    return true;
}

DirectInputOutcome AddDirectInput(CFileIPT& file, SwInput input, Prompter& prompter) {
    input.company = OrMissing(input.company);
    input.program = OrMissing(input.program);
    input.exeFile = OrMissing(input.exeFile);
    input.path = OrMissing(input.path);
    if (input.price.empty()) input.price = "0";
    CTableMulti& list = file.SwList();
    for (int row = 0; row < list.GetRowCount(); ++row) {
        if (IsSameText(list.GetCell(row, "DISP_COMPANY"), input.company, true) &&
            IsSameText(list.GetCell(row, "DISP_PRODUCT"), input.program, true)) {
            prompter.ShowMessage(input.program + "는 이미 존재합니다.");
            return {DirectInputOutcome::Duplicate, row};
        }
    }
    int row = list.AddRowText(Format("3\t0\t-\t-\t-\t-\t%s\t%s\t%s\t%s\t%s\t-\t-\t-\t-\t-\t-\t-\t-",
                                     input.exeFile.c_str(), input.company.c_str(), input.program.c_str(),
                                     input.price.c_str(), input.path.c_str()),
                              "\t");
    if (row < 0) {
        prompter.ShowMessage("SW를 추가하지 못하였습니다. 다시 시도해 주십시요.");
        return {DirectInputOutcome::Refused, -1};
    }
    return {DirectInputOutcome::Added, row};
}

void DeleteSwRows(CFileIPT& file, std::vector<int> indices) {
    std::sort(indices.begin(), indices.end(), std::greater<int>());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    for (int index : indices) file.SwList().DeleteRow(index);
}

void AddSwRowTexts(CFileIPT& file, const std::vector<std::string>& rows, std::vector<int>& added) {
    for (const std::string& text : rows) {
        int row = file.SwList().AddRowText(text, "\t");
        if (row >= 0) added.push_back(row);
    }
}

int RowNumberWidth(int rowCount) {
    return rowCount > 999 ? static_cast<int>(std::to_string(rowCount).size()) : 3;
}

std::string SwTypeCaption(std::string_view swType) {
    static const char* const kCaptions[] = {"상용", "쉐어", "프리", "폰트", "Conditional"};
    long long code = ParseDigits(swType);
    if (swType.empty() || code < 0 || code > 4) return std::string(kMissing);
    return kCaptions[code];
}

std::vector<std::string> IptListTexts(const CFileIPT& file, int row, int number, int numberWidth) {
    const CTableMulti& list = file.SwList();
    std::string etc = list.GetCell(row, "ETC");
    return {ZeroPad(numberWidth, number),
            list.GetCell(row, "GUBUN"),
            SwTypeCaption(list.GetCell(row, "SW_TYPE")),
            list.GetCell(row, "DISP_COMPANY"),
            list.GetCell(row, "DISP_PRODUCT"),
            list.GetCell(row, "SERIAL_NO"),
            list.GetCell(row, "INSTALL_DATE"),
            list.GetCell(row, "CREATE_DATE"),
            list.GetCell(row, "EXE_FILE"),
            list.GetCell(row, "PATH"),
            etc == kMissing ? std::string() : etc};
}

std::string DefaultIptSaveName(const CFileIPT& file) {
    return Format("%s_%s_%s", file.UserInfo().GetCell(0, "GROUP_NAME").c_str(),
                  file.UserInfo().GetCell(0, "USER_NAME").c_str(), NowStamp(false).c_str());
}

}  // namespace scx
