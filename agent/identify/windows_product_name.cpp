#include "agent/identify/windows_product_name.h"

#include "core/text_util.h"
#include "platform/registry/reg_value.h"

namespace scx {
namespace {

std::string Win9xName(const VersionFacts& facts) {
    if (facts.major != 4) return {};
    char release = facts.servicePackText.size() > 1 ? facts.servicePackText[1] : '\0';
    if (facts.minor == 0) return release == 'C' || release == 'B' ? "Windows95 OSR2" : "Windows95";
    if (facts.minor == 10) return release == 'A' || release == 'B' ? "Windows98(SE)" : "Windows98";
    if (facts.minor == 90) return "WindowsME";
    return {};
}

// Base name of an NT-family version; none for a version the table does not know.
std::optional<std::string> NtBaseName(int major, int minor, bool workstation, int architecture) {
    if (major == 10 && minor == 0) return workstation ? "Windows 10" : "Windows Server 2016 Technical Preview";
    if (major == 6 && minor == 3) return workstation ? "Windows 8.1" : "Windows Server 2012 R2";
    if (major == 6 && minor == 2) return workstation ? "Windows 8" : "Windows Server 2012";
    if (major == 6 && minor == 1) return workstation ? "Windows 7" : "Windows Server 2008 R2";
    if (major == 6 && minor == 0) return workstation ? "Windows-Vista" : "Windows Server Longhorn";
    if (major == 5 && minor == 2)
        return workstation && architecture == kArchAmd64 ? "WindowsXP(Pro)" : "Windows2003 Server";
    if (major == 5 && minor == 1) return "WindowsXP";
    if (major == 5 && minor == 0) return "Windows2000";
    if (major <= 4) return "Windows NT";
    return std::nullopt;
}

std::string EditionSuffix(std::optional<std::uint32_t> productInfoType) {
    switch (productInfoType.value_or(0)) {
        case 1: return "(Ultimate)";
        case 2: return "(Home-Basic)";
        case 3: return "(Home-Pre)";
        case 4: return "(Ent)";
        case 6: return "(Business)";
        case 11: return "(Starter)";
        case 48: return "(Professional)";
        default: return {};
    }
}

std::string ServerSuffix(int major, int minor, unsigned suite, int architecture) {
    bool datacenter = suite & kSuiteDatacenter, enterprise = suite & kSuiteEnterprise;
    if (major == 5 && minor == 2) {
        if (datacenter) return "(Datacenter)";
        if (enterprise) return "(Ent)";
        if (architecture == kArchIa64) return {};
        if (architecture == kArchAmd64) return "(Std)";
        return suite & kSuiteBlade ? "(Web)" : "(Std)";
    }
    if (major == 5 && minor == 0)
        return datacenter ? " Server(Datacenter)" : enterprise ? " Server(Adv)" : " Server";
    if (major == 6 && minor == 0) return {};
    return enterprise ? " Server 4.0(Ent)" : " Server 4.0";
}

// Suffix from the ProductType text when the extended information is missing; none when that
// text is missing or longer than the 160-byte buffer it is read into.
std::optional<std::string> ProductOptionsSuffix(const std::optional<std::string>& productOptions) {
    if (!productOptions || reg::Utf16FromUtf8(*productOptions).size() + 2 > 160) return std::nullopt;
    if (IsSameText(*productOptions, "WINNT", true)) return "(Workstation)";
    if (IsSameText(*productOptions, "LANMANNT", true)) return " Server";
    if (IsSameText(*productOptions, "SERVERNT", true)) return " Server(Adv)";
    return "";
}

}  // namespace

std::string GetWindowsProductName(const std::optional<VersionFacts>& given, Prompter& prompter) {
    if (!given) return {};
    const VersionFacts& facts = *given;
    if (facts.platformKind == kPlatformWin32s) return "Win32s";
    if (facts.platformKind == kPlatformWin9x) return Win9xName(facts);
    if (facts.platformKind != kPlatformNt) return {};

    int major = facts.workstationVersion ? facts.workstationVersion->first : facts.major;
    int minor = facts.workstationVersion ? facts.workstationVersion->second : facts.minor;
    bool workstation = facts.productType == kProductWorkstation;
    auto base = NtBaseName(major, minor, workstation, facts.processorArchitecture);
    if (!base) {
        prompter.ShowMessage(Format("%d-%d-%d", major, minor, facts.productType));
        base = "";
    }
    if (!facts.extended) {
        auto suffix = ProductOptionsSuffix(facts.productOptions);
        return suffix ? *base + *suffix : std::string();
    }
    switch (facts.productType) {
        case kProductWorkstation:
            if (major == 4) return *base + " 4.0(Workstation)";
            if (major >= 6) return *base + EditionSuffix(facts.productInfoType);
            if (major == 5) return *base + (facts.suiteMask & kSuitePersonal ? "(Home)" : "(Pro)");
            return *base;
        case kProductDomainController:
        case kProductServer:
            return *base + ServerSuffix(major, minor, facts.suiteMask, facts.processorArchitecture);
        default:
            return *base;
    }
}

}  // namespace scx
