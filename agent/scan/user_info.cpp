#include "agent/scan/user_info.h"

#include "core/folders.h"
#include "platform/folders.h"
#include "platform/registry/reg_value.h"
#include "platform/registry/user_registry.h"

namespace scx::scan {
namespace {

void Trim(std::string& text) {
    size_t b = text.find_first_not_of(' ');
    if (b == std::string::npos) {
        text.clear();
        return;
    }
    text = text.substr(b, text.find_last_not_of(' ') - b + 1);
}

std::string IptFolder() {
    std::string folder = GetCheckOutFolder("IPT");
    if (!folder.empty() && folder.back() == '/') folder.pop_back();
    return folder;
}

}  // namespace

std::string FilterName(std::string_view text, bool* removed) {
    std::string out;
    bool any = false;
    for (char c : text) {
        if (kNameFilterChars.find(c) != std::string_view::npos)
            any = true;
        else
            out += c;
    }
    if (removed) *removed = any;
    return out;
}

std::string ResultFilePath(std::string_view group, std::string_view user, std::string_view suffix) {
    return IptFolder() + "/" + std::string(group) + "_" + std::string(user) + "_" + std::string(suffix) + ".ipt";
}

UserInfoCheck CheckUserInfo(UserInfo& info, Prompter& prompter, std::string_view resultPath) {
    for (auto* text : {&info.pcName, &info.groupName, &info.userName, &info.suffix}) Trim(*text);
    if (info.groupName.empty()) {
        prompter.ShowMessage(kGroupMissingMessage);
        return UserInfoCheck::GroupName;
    }
    if (info.userName.empty()) {
        prompter.ShowMessage(kUserMissingMessage);
        return UserInfoCheck::UserName;
    }
    if (info.pcKind != 0 && info.pcKind != 1) {
        prompter.ShowMessage(kPcKindMessage);
        return UserInfoCheck::PcKind;
    }
    if (info.disks.empty()) {
        prompter.ShowMessage(kDisksMissingMessage);
        return UserInfoCheck::Disks;
    }
    std::string path =
        resultPath.empty() ? ResultFilePath(info.groupName, info.userName, info.suffix) : std::string(resultPath);
    if (platform::FileExists(path) && !prompter.AskYesNo(path + std::string(kOverwriteQuestion)))
        return UserInfoCheck::Overwrite;
    WriteUserInfoValues(info.groupName, info.userName, info.suffix);
    return UserInfoCheck::Accepted;
}

void WriteUserInfoValues(std::string_view group, std::string_view user, std::string_view suffix) {
    RegCreateKey(kScrutinexKey);
    std::string fileName = std::string(group) + "_" + std::string(user) + "_" + std::string(suffix);
    RegWriteString(kScrutinexKey, "FileName", fileName, reg::kRegSz);
    RegWriteString(kScrutinexKey, "FilePath", IptFolder(), reg::kRegSz);
    RegWriteString(kScrutinexKey, "GroupName", group, reg::kRegSz);
    RegWriteString(kScrutinexKey, "UserName", user, reg::kRegSz);
}

std::string DriveLettersOf(const std::vector<std::string>& disks) {
    std::string letters;
    for (const auto& disk : disks)
        if (!disk.empty()) letters += disk[0];
    return letters;
}

}  // namespace scx::scan
