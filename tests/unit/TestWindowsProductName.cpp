// The Windows product name from version facts: the names the checklist database knows.

#include <gtest/gtest.h>

#include "agent/identify/windows_product_name.h"
#include "tests/support/scripted_prompter.h"

namespace scx {
namespace {

struct NameCase {
    const char* what;
    VersionFacts facts;
    const char* name;
};

VersionFacts Nt(int major, int minor, int type, unsigned suite = 0, int arch = kArchIntel,
                std::optional<std::uint32_t> info = std::nullopt) {
    VersionFacts f;
    f.major = major;
    f.minor = minor;
    f.productType = type;
    f.suiteMask = suite;
    f.processorArchitecture = arch;
    f.productInfoType = info;
    return f;
}

VersionFacts Win9x(int minor, const char* servicePack) {
    VersionFacts f;
    f.platformKind = kPlatformWin9x;
    f.major = 4;
    f.minor = minor;
    f.servicePackText = servicePack;
    return f;
}

VersionFacts Replaced(VersionFacts f, int major, int minor) {
    f.workstationVersion = std::make_pair(major, minor);
    return f;
}

VersionFacts WithoutExtended(int major, int minor, std::optional<std::string> productOptions) {
    VersionFacts f = Nt(major, minor, 0);
    f.extended = false;
    f.productOptions = std::move(productOptions);
    return f;
}

TEST(WindowsProductName, NamesOfKnownVersions) {
    const NameCase cases[] = {
        {"10 Pro", Nt(10, 0, 1, 0, kArchAmd64, 48), "Windows 10(Professional)"},
        {"10 Home", Nt(10, 0, 1, 0, kArchAmd64, 101), "Windows 10"},
        {"7 Enterprise", Nt(6, 1, 1, 0, kArchAmd64, 4), "Windows 7(Ent)"},
        {"Vista Home Premium", Nt(6, 0, 1, 0, kArchIntel, 3), "Windows-Vista(Home-Pre)"},
        {"7 without product info", Nt(6, 1, 1), "Windows 7"},
        {"XP Home", Nt(5, 1, 1, kSuitePersonal), "WindowsXP(Home)"},
        {"XP Professional", Nt(5, 1, 1), "WindowsXP(Pro)"},
        {"XP Professional x64", Nt(5, 2, 1, 0, kArchAmd64), "WindowsXP(Pro)(Pro)"},
        {"Server 2003 Enterprise, 32-bit", Nt(5, 2, 3, kSuiteEnterprise), "Windows2003 Server(Ent)"},
        {"Server 2003 Web", Nt(5, 2, 3, kSuiteBlade), "Windows2003 Server(Web)"},
        {"Server 2003 Standard x64", Nt(5, 2, 3, kSuiteBlade, kArchAmd64), "Windows2003 Server(Std)"},
        {"Server 2003 Datacenter IA-64", Nt(5, 2, 3, kSuiteDatacenter, kArchIa64), "Windows2003 Server(Datacenter)"},
        {"Server 2003 IA-64", Nt(5, 2, 3, 0, kArchIa64), "Windows2003 Server"},
        {"2000 Advanced Server", Nt(5, 0, 3, kSuiteEnterprise), "Windows2000 Server(Adv)"},
        {"2000 Datacenter", Nt(5, 0, 2, kSuiteDatacenter | kSuiteEnterprise), "Windows2000 Server(Datacenter)"},
        {"2000 Professional", Nt(5, 0, 1), "Windows2000(Pro)"},
        {"Server 2008", Nt(6, 0, 3, kSuiteEnterprise), "Windows Server Longhorn"},
        {"Server 2012 R2 Standard", Nt(6, 3, 3), "Windows Server 2012 R2 Server 4.0"},
        {"Server 2016 Enterprise", Nt(10, 0, 3, kSuiteEnterprise),
         "Windows Server 2016 Technical Preview Server 4.0(Ent)"},
        {"NT 4 Workstation", Nt(4, 0, 1), "Windows NT 4.0(Workstation)"},
        {"8.1 reported as 8 by the ordinary query", Replaced(Nt(6, 2, 1, 0, kArchAmd64, 48), 6, 3),
         "Windows 8.1(Professional)"},
        {"10 reported as 6.3", Replaced(Nt(6, 3, 1), 10, 0), "Windows 10"},
        {"95", Win9x(0, " A"), "Windows95"},
        {"95 OSR2", Win9x(0, " C"), "Windows95 OSR2"},
        {"98 SE", Win9x(10, " A"), "Windows98(SE)"},
        {"ME", Win9x(90, ""), "WindowsME"},
        {"unknown 9x", Win9x(20, ""), ""},
        {"no extended information, ServerNT", WithoutExtended(5, 0, "ServerNT"), "Windows2000 Server(Adv)"},
        {"no extended information, WinNT", WithoutExtended(5, 1, "winnt"), "WindowsXP(Workstation)"},
        {"no extended information, other text", WithoutExtended(5, 1, "Embedded"), "WindowsXP"},
        {"no extended information, unreadable", WithoutExtended(5, 1, std::nullopt), ""},
        {"no extended information, too long", WithoutExtended(5, 1, std::string(80, 'W')), ""},
    };
    for (const auto& c : cases) {
        test::ScriptedPrompter prompter;
        EXPECT_EQ(GetWindowsProductName(c.facts, prompter), c.name) << c.what;
        EXPECT_TRUE(prompter.shown.empty()) << c.what;
    }
}

TEST(WindowsProductName, UnknownVersionShowsItsNumbersAndHasNoBaseName) {
    test::ScriptedPrompter prompter;
    EXPECT_EQ(GetWindowsProductName(Nt(6, 4, 1), prompter), "");
    EXPECT_EQ(GetWindowsProductName(Nt(10, 1, 3), prompter), " Server 4.0");
    EXPECT_EQ(GetWindowsProductName(Nt(11, 0, 1, 0, kArchAmd64, 48), prompter), "(Professional)");
    EXPECT_EQ(prompter.shown, (std::vector<std::string>{"6-4-1", "10-1-3", "11-0-1"}));
}

TEST(WindowsProductName, NoVersionInformationGivesTheEmptyName) {
    test::ScriptedPrompter prompter;
    EXPECT_EQ(GetWindowsProductName(std::nullopt, prompter), "");
    EXPECT_EQ(ReadVersionFacts(nullptr), std::nullopt);
}

TEST(WindowsProductName, EditionIdsMapToProductInfoTypes) {
    EXPECT_EQ(ProductInfoTypeOfEdition("Professional"), 48u);
    EXPECT_EQ(ProductInfoTypeOfEdition("Core"), 101u);
    EXPECT_EQ(ProductInfoTypeOfEdition("HomePremium"), 3u);
    EXPECT_EQ(ProductInfoTypeOfEdition("enterprise"), 4u);
    EXPECT_EQ(ProductInfoTypeOfEdition("NoSuchEdition"), std::nullopt);
}

}  // namespace
}  // namespace scx
