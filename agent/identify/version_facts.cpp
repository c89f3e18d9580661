// Version facts read from a target's registry, in the form the PC itself reports them.

#include <charconv>

#include "agent/identify/windows_product_name.h"
#include "core/text_util.h"

namespace scx {
namespace {

using reg::RegRoot;

constexpr std::string_view kNtVersionKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
constexpr std::string_view k9xVersionKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
constexpr std::string_view kProductOptionsKey = "SYSTEM\\CurrentControlSet\\Control\\ProductOptions";
constexpr std::string_view kEnvironmentKey = "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment";

// "6.1" or "4.10.2222": the first two numbers.
bool ParseVersion(std::string_view text, int& major, int& minor) {
    const char* end = text.data() + text.size();
    auto first = std::from_chars(text.data(), end, major);
    if (first.ec != std::errc() || first.ptr == end || *first.ptr != '.') return false;
    auto second = std::from_chars(first.ptr + 1, end, minor);
    return second.ec == std::errc();
}

int ProductTypeOf(std::string_view text) {
    if (IsSameText(text, "WinNT", true)) return kProductWorkstation;
    if (IsSameText(text, "LanmanNT", true)) return kProductDomainController;
    if (IsSameText(text, "ServerNT", true)) return kProductServer;
    return 0;
}

unsigned SuiteMaskOf(const std::vector<std::string>& suites) {
    unsigned mask = 0;
    for (const auto& suite : suites) {
        if (IsSameText(suite, "Enterprise", true)) mask |= kSuiteEnterprise;
        if (IsSameText(suite, "DataCenter", true)) mask |= kSuiteDatacenter;
        if (IsSameText(suite, "Personal", true)) mask |= kSuitePersonal;
        if (IsSameText(suite, "Blade", true)) mask |= kSuiteBlade;
    }
    return mask;
}

int ArchitectureOf(std::string_view text) {
    if (IsSameText(text, "AMD64", true)) return kArchAmd64;
    if (IsSameText(text, "IA64", true)) return kArchIa64;
    return kArchIntel;
}

}  // namespace

std::optional<std::uint32_t> ProductInfoTypeOfEdition(std::string_view editionId) {
    static const std::pair<std::string_view, std::uint32_t> kEditions[] = {
        {"Ultimate", 0x01}, {"HomeBasic", 0x02}, {"HomePremium", 0x03}, {"Enterprise", 0x04},
        {"HomeBasicN", 0x05}, {"Business", 0x06}, {"ServerStandard", 0x07}, {"ServerDatacenter", 0x08},
        {"ServerEnterprise", 0x0A}, {"Starter", 0x0B}, {"BusinessN", 0x10}, {"HomePremiumN", 0x1A},
        {"EnterpriseN", 0x1B}, {"UltimateN", 0x1C}, {"StarterN", 0x2F}, {"Professional", 0x30},
        {"ProfessionalN", 0x31}, {"CoreN", 0x62}, {"CoreCountrySpecific", 0x63},
        {"CoreSingleLanguage", 0x64}, {"Core", 0x65}, {"Education", 0x79}, {"EducationN", 0x7A},
        {"EnterpriseS", 0x7D}, {"EnterpriseSN", 0x7E}, {"ProfessionalWorkstation", 0xA1},
        {"ProfessionalEducation", 0xA4},
    };
    for (const auto& [name, type] : kEditions)
        if (IsSameText(name, editionId, true)) return type;
    return std::nullopt;
}

std::optional<VersionFacts> ReadVersionFacts(const reg::Registry* registry) {
    if (!registry) return std::nullopt;
    VersionFacts facts;
    auto ntVersion = registry->ReadText(RegRoot::LocalMachine, kNtVersionKey, "CurrentVersion");
    if (!ntVersion || !ParseVersion(*ntVersion, facts.major, facts.minor)) {
        auto version = registry->ReadText(RegRoot::LocalMachine, k9xVersionKey, "VersionNumber");
        if (!version || !ParseVersion(*version, facts.major, facts.minor)) return std::nullopt;
        facts.platformKind = kPlatformWin9x;
        facts.servicePackText =
            registry->ReadText(RegRoot::LocalMachine, k9xVersionKey, "SubVersionNumber").value_or("");
        return facts;
    }
    auto runningMajor = registry->ReadDword(RegRoot::LocalMachine, kNtVersionKey, "CurrentMajorVersionNumber");
    auto runningMinor = registry->ReadDword(RegRoot::LocalMachine, kNtVersionKey, "CurrentMinorVersionNumber");
    if (runningMajor && runningMinor)
        facts.workstationVersion = std::make_pair(static_cast<int>(*runningMajor), static_cast<int>(*runningMinor));

    facts.productOptions = registry->ReadText(RegRoot::LocalMachine, kProductOptionsKey, "ProductType");
    facts.productType = facts.productOptions ? ProductTypeOf(*facts.productOptions) : 0;
    facts.extended = facts.productType != 0;
    if (auto options = registry->OpenKey(RegRoot::LocalMachine, kProductOptionsKey)) {
        if (auto suite = options->Value("ProductSuite")) facts.suiteMask = SuiteMaskOf(reg::ValueStrings(*suite));
    }
    facts.processorArchitecture = ArchitectureOf(
        registry->ReadText(RegRoot::LocalMachine, kEnvironmentKey, "PROCESSOR_ARCHITECTURE").value_or(""));
    if (auto edition = registry->ReadText(RegRoot::LocalMachine, kNtVersionKey, "EditionID"))
        facts.productInfoType = ProductInfoTypeOfEdition(*edition);
    return facts;
}

}  // namespace scx
