#include "core/settings/scx_setting.h"

#include <cctype>

#include "core/folders.h"
#include "core/settings/profile_file.h"
#include "core/text_util.h"

namespace scx {
namespace {

bool ReadOnOff(std::string_view key, bool defaultOn) {
    return ReadProfileInt(kSettingSection, key, defaultOn ? 1 : 0, GetSettingFilePath()) != 0;
}

std::string Digits(long long value) { return std::to_string(value); }

std::string TrimSpaces(std::string_view text) {
    size_t begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos) return {};
    return std::string(text.substr(begin, text.find_last_not_of(' ') - begin + 1));
}

bool IsHostChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '_';
}

}  // namespace

std::string GetSettingFilePath() { return GetProgramFolder() + std::string(kSettingFileName); }

InspectionOptions ReadInspectionOptions(OptionsReader reader) {
    InspectionOptions o;
    o.isDetail = ReadOnOff("IsDetail", false);
    o.isFont = ReadOnOff("IsFont", false);
    o.isFontOnly = ReadOnOff("IsFontOnly", false);
    o.isClose = ReadOnOff("IsClose", false);
    o.straight = ReadOnOff("Straight", reader == OptionsReader::SettingDialog);
    o.isExist = ReadOnOff("IsExist", true);
    o.packaging = ReadOnOff("Packaging", false);
    o.hashCompare = ReadOnOff("HashCompare", false);
    o.monitoringLog = ReadOnOff("MonitoringLog", true);
    return o;
}

ResultPresets ReadResultPresets(PresetsReader reader) {
    const std::string path = GetSettingFilePath();
    ResultPresets p;
    p.area = ReadProfileInt(kRstSection, "Area", 0, path);
    p.reguForm = ReadProfileInt(kRstSection, "ReguForm", 0, path);
    p.reguOrgan = ReadProfileInt(kRstSection, "ReguOrgan", reader == PresetsReader::BaseInfoForm ? 2 : 0, path);
    p.regulator = ReadProfileString(kRstSection, "Regulator", "", kRegulatorMaxChars, path);
    return p;
}

bool WriteSettingDialogValues(const InspectionOptions& o, const ResultPresets& p) {
    ProfileFile file(GetSettingFilePath());
    auto onOff = [&](std::string_view key, bool on) { file.Set(kSettingSection, key, on ? "1" : "0"); };
    onOff("IsDetail", o.isDetail);
    onOff("IsFont", o.isFont);
    onOff("IsFontOnly", o.isFontOnly);
    onOff("IsClose", o.isClose);
    onOff("Straight", o.straight);
    onOff("IsExist", o.isExist);
    onOff("Packaging", o.packaging);
    onOff("HashCompare", o.hashCompare);
    onOff("MonitoringLog", o.monitoringLog);
    file.Set(kRstSection, "Area", Digits(p.area));
    file.Set(kRstSection, "ReguForm", Digits(p.reguForm));
    file.Set(kRstSection, "ReguOrgan", Digits(p.reguOrgan));
    file.Set(kRstSection, "Regulator", TrimSpaces(p.regulator));
    return file.Save();
}

bool ReadSearchCaseSensitive() {
    return ReadProfileInt(kRstSection, "SearchCaseSensitive", 0, GetSettingFilePath()) != 0;
}

bool WriteSearchCaseSensitive(bool on) {
    return WriteProfileString(kRstSection, "SearchCaseSensitive", on ? "1" : "0", GetSettingFilePath());
}

std::string ReadUpdateFlag() {
    return ReadProfileString(kSettingSection, "UpdateFlag", "", 0, GetSettingFilePath());
}

std::string ReadLatestUpdateDate() {
    return ReadProfileString(kSettingSection, "LatestUpdateDate", "", kLatestUpdateDateMaxChars,
                             GetSettingFilePath());
}

bool WriteUpdateFlag(std::string_view flag) {
    return WriteProfileString(kSettingSection, "UpdateFlag", flag, GetSettingFilePath());
}

bool WriteLatestUpdateDate(std::string_view date) {
    return WriteProfileString(kSettingSection, "LatestUpdateDate", date, GetSettingFilePath());
}

std::string ServerAddress::Authority() const {
    std::string name = host.find(':') != std::string::npos ? "[" + host + "]" : host;
    return name + ":" + std::to_string(port);
}

std::optional<ServerAddress> ParseServerAddress(std::string_view text) {
    ServerAddress address;
    std::string_view rest;
    if (!text.empty() && text.front() == '[') {
        size_t close = text.find(']');
        if (close == std::string_view::npos) return std::nullopt;
        address.host = std::string(text.substr(1, close - 1));
        for (char c : address.host)
            if (!std::isxdigit(static_cast<unsigned char>(c)) && c != ':' && c != '.') return std::nullopt;
        rest = text.substr(close + 1);
    } else {
        size_t colon = text.find(':');
        address.host = std::string(text.substr(0, colon));
        for (char c : address.host)
            if (!IsHostChar(c)) return std::nullopt;
        if (colon != std::string_view::npos) rest = text.substr(colon);
    }
    if (address.host.empty()) return std::nullopt;
    if (!rest.empty()) {
        if (rest.front() != ':') return std::nullopt;
        long long port = ParseDigits(rest.substr(1));
        if (rest.size() == 1 || port < 1 || port > 65535) return std::nullopt;
        address.port = static_cast<int>(port);
    }
    return address;
}

std::string ReadChecklistHost() {
    return ReadProfileString(kServerSection, "ChecklistHost", "", 0, GetSettingFilePath());
}

std::string ReadNoticeHost() {
    return ReadProfileString(kServerSection, "NoticeHost", "", 0, GetSettingFilePath());
}

bool WriteChecklistHost(std::string_view host) {
    return WriteProfileString(kServerSection, "ChecklistHost", host, GetSettingFilePath());
}

bool WriteNoticeHost(std::string_view host) {
    return WriteProfileString(kServerSection, "NoticeHost", host, GetSettingFilePath());
}

}  // namespace scx
