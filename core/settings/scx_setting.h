#pragma once
// ScxSetting.ini, the one settings file both programs share: the agent's inspection options, its
// daily database-update state, the workstation's presets for new results, and the addresses of
// the database and notice-feed servers. Every read goes to the file (nothing is cached); a read
// that fails gives the reader's default, a write that fails reports false and changes nothing.

#include <optional>
#include <string>
#include <string_view>

namespace scx {

inline constexpr std::string_view kSettingFileName = "ScxSetting.ini";
inline constexpr std::string_view kSettingSection = "Setting";
inline constexpr std::string_view kRstSection = "RST";
inline constexpr std::string_view kServerSection = "Server";

// Program folder + "ScxSetting.ini".
std::string GetSettingFilePath();

// The nine on/off keys of section "Setting".
struct InspectionOptions {
    bool isDetail = false;      // IsDetail: examine every file and every version resource
    bool isFont = false;        // IsFont: also match the fonts folder against the font checklist
    bool isFontOnly = false;    // IsFontOnly: match against the font checklist only
    bool isClose = false;       // IsClose: end the agent after the result is saved
    bool straight = false;      // Straight: start an inspection right after the agent starts
    bool isExist = true;        // IsExist: do not add a row equal to one already in the result
    bool packaging = false;     // Packaging: fold packages after saving
    bool hashCompare = false;   // HashCompare: hash examined files for the user checklist
    bool monitoringLog = true;  // MonitoringLog: kept, nothing depends on it
};

// The two readers of the options differ in one default: the settings dialog shows Straight on
// when the key is missing, the agent does not start by itself.
enum class OptionsReader { Agent, SettingDialog };
InspectionOptions ReadInspectionOptions(OptionsReader reader);

// The presets of section "RST" for a new result.
struct ResultPresets {
    int area = 0;           // Area: region list index
    int reguForm = 0;       // ReguForm: regulation-form list index
    int reguOrgan = 0;      // ReguOrgan: organ list index
    std::string regulator;  // Regulator: examiner name, at most 250 characters
};
// The base-information form presets the organ to index 2 when the key is missing, the settings
// dialog to 0.
enum class PresetsReader { SettingDialog, BaseInfoForm };
ResultPresets ReadResultPresets(PresetsReader reader);
inline constexpr size_t kRegulatorMaxChars = 250;

// The settings dialog's save: all thirteen keys in one write, the examiner name trimmed of
// spaces at both ends.
bool WriteSettingDialogValues(const InspectionOptions& options, const ResultPresets& presets);

// The result search dialog's case-sensitivity check box.
bool ReadSearchCaseSensitive();
bool WriteSearchCaseSensitive(bool on);

// The agent's daily update state (see core/dbupdate/daily_check.h).
inline constexpr size_t kLatestUpdateDateMaxChars = 21;
std::string ReadUpdateFlag();
std::string ReadLatestUpdateDate();
bool WriteUpdateFlag(std::string_view flag);
bool WriteLatestUpdateDate(std::string_view date);

// A server: "host" or "host:port" (port 80 when omitted); an IPv6 address in brackets.
struct ServerAddress {
    std::string host;
    int port = 80;
    // "host:port", with brackets around an IPv6 address: what goes after "http://".
    std::string Authority() const;
};
// None for an empty text, a host with characters that have no place in a host name, or a port
// outside 1 to 65535.
std::optional<ServerAddress> ParseServerAddress(std::string_view text);

// Section "Server": the checklist database server and the notice-feed server; empty when unset.
std::string ReadChecklistHost();
std::string ReadNoticeHost();
bool WriteChecklistHost(std::string_view host);
bool WriteNoticeHost(std::string_view host);

}  // namespace scx
