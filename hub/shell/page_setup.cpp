#include "hub/shell/page_setup.h"

#include "core/settings/profile_file.h"
#include "core/text_util.h"
#include "platform/folders.h"
#include "platform/registry/user_registry.h"

namespace scx {
namespace {

constexpr std::uint32_t kRegSz = 1;
constexpr std::string_view kPrintSection = "Print";
constexpr int kDefaultMarginMm = 19;
constexpr size_t kFooterHeaderMaxChars = 399;

void WriteValue(std::string_view name, std::string_view value) {
    RegCreateKey(kPageSetupKey);
    RegWriteString(kPageSetupKey, name, value, kRegSz);
}

}  // namespace

PageSetupValues ReadPageSetup() {
    PageSetupValues saved;
    for (size_t i = 0; i < kPageSetupNames.size(); ++i)
        saved.present[i] = RegReadString(kPageSetupKey, kPageSetupNames[i], saved.values[i]) != 0;
    return saved;
}

void RestorePageSetup(const PageSetupValues& saved) {
    for (size_t i = 0; i < kPageSetupNames.size(); ++i)
        if (saved.present[i]) WriteValue(kPageSetupNames[i], saved.values[i]);
}

std::string MillimetresToInchText(int millimetres) {
    return Format("%.5f", millimetres / 10.0 / 2.54);
}

bool ApplyPropertyIni(const std::string& propertyIniPath) {
    if (!platform::FileExists(propertyIniPath)) return false;
    for (size_t i = 0; i < 4; ++i) {
        int mm = ReadProfileInt(kPrintSection, kPageSetupNames[i], kDefaultMarginMm, propertyIniPath);
        WriteValue(kPageSetupNames[i], MillimetresToInchText(mm));
    }
    for (size_t i = 4; i < 6; ++i)
        WriteValue(kPageSetupNames[i], ReadProfileString(kPrintSection, kPageSetupNames[i], "",
                                                         kFooterHeaderMaxChars, propertyIniPath));
    return true;
}

}  // namespace scx
