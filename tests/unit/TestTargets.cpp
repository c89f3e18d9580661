// Opening targets by name and reading their registry and identity: a Wine prefix and an offline
// Windows volume laid out by the target builder, and the host.

#include <gtest/gtest.h>

#include <cstdlib>

#include "agent/identify/pc_identity.h"
#include "platform/target/target.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/target_builder.h"
#include "tests/support/temp_home.h"

namespace scx::target {
namespace {

using reg::RegRoot;
constexpr const char* kAppPaths = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths";

void AddAcme(test::TargetBuilder& builder) {
    builder.SetWindows10Pro("ACME-PC");
    builder.AddFile("C:\\Program Files\\Acme\\acme.exe", "MZ");
    builder.SetString(RegRoot::LocalMachine, std::string(kAppPaths) + "\\acme.exe", "",
                      "\"C:\\Program Files\\Acme\\acme.exe\"");
    builder.SetString(RegRoot::LocalMachine, std::string(kAppPaths) + "\\zed.exe", "", "C:\\zed.exe");
    builder.SetString(RegRoot::LocalMachine,
                      "SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\App Paths\\old32.exe", "",
                      "C:\\old32.exe");
    builder.SetString(RegRoot::CurrentUser, "Software\\Acme\\Serials\\v1", "Serial", "ABC-123");
}

// What every backend with a registry must answer the same way.
void ExpectAcmeRegistry(const Target& target) {
    const reg::Registry* registry = target.Registry();
    ASSERT_TRUE(registry);
    test::ScriptedPrompter prompter;
    EXPECT_EQ(GetWindowsProductName(target, prompter), "Windows 10(Professional)");
    EXPECT_EQ(GetPcName(target), "ACME-PC");
    auto appPaths = registry->OpenKey(RegRoot::LocalMachine, kAppPaths);
    ASSERT_TRUE(appPaths);
    EXPECT_EQ(appPaths->SubKeyNames(), (std::vector<std::string>{"acme.exe", "zed.exe"}));
    EXPECT_EQ(registry->ReadText(RegRoot::LocalMachine, std::string(kAppPaths) + "\\ACME.EXE", "", 260),
              "\"C:\\Program Files\\Acme\\acme.exe\"");
    auto wow = registry->OpenKey(RegRoot::LocalMachine, kAppPaths, reg::RegView::Wow32);
    ASSERT_TRUE(wow);
    EXPECT_EQ(wow->SubKeyNames(), (std::vector<std::string>{"old32.exe"}));
    EXPECT_EQ(registry->ReadText(RegRoot::CurrentUser, "Software\\Acme\\Serials\\v1", "Serial"), "ABC-123");
    EXPECT_EQ(registry->ReadText(RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
                                 "ProductId"),
              "00330-80000-00000-AA123");
    EXPECT_TRUE(target.HostPath("C:\\program files\\acme\\ACME.exe"));
}

TEST(Targets, WinePrefix) {
    test::TargetBuilder builder;
    AddAcme(builder);
    std::string error;
    auto target = OpenTarget({"wine:" + builder.WriteWinePrefix() + "/"}, &error);
    ASSERT_TRUE(target) << error;
    EXPECT_EQ(target->Kind(), TargetKind::Wine);
    EXPECT_EQ(target->Name(), "wine:" + builder.Root());
    ASSERT_EQ(target->Drives().size(), 1u);
    EXPECT_EQ(target->Drives()[0].letter, 'C');
    ExpectAcmeRegistry(*target);
    EXPECT_TRUE(target->SharesHostNetwork());
}

TEST(Targets, OfflineVolume) {
    test::TargetBuilder builder;
    AddAcme(builder);
    std::string mount = builder.WriteVolume("kim");
    ASSERT_FALSE(mount.empty());
    test::TempHome data;
    std::string error;
    auto target = OpenTarget({"volume:" + mount, "volume:" + data.Path() + "=f", "volume:" + data.Path()}, &error);
    ASSERT_TRUE(target) << error;
    EXPECT_EQ(target->Kind(), TargetKind::Volume);
    ASSERT_EQ(target->Drives().size(), 3u);
    EXPECT_EQ(target->Drives()[0].letter, 'C');
    EXPECT_EQ(target->Drives()[1].letter, 'D');
    EXPECT_EQ(target->Drives()[2].letter, 'F');
    ExpectAcmeRegistry(*target);
    EXPECT_EQ(GetLogonUserName(*target), "kim");
    EXPECT_EQ(GetPcAddress(*target, "localhost"), "");
    EXPECT_EQ(GetAdapterAddress(*target), "");
    // The control set in use is the one SYSTEM\Select\Current names.
    auto system = target->Registry()->OpenKey(RegRoot::LocalMachine, "SYSTEM");
    ASSERT_TRUE(system);
    EXPECT_EQ(system->SubKeyNames(), (std::vector<std::string>{"ControlSet001", "Select", "CurrentControlSet"}));
}

TEST(Targets, BadRegistryFilesAreRejectedWithTheReason) {
    {
        test::TargetBuilder builder;
        std::string mount = builder.WriteVolume();
        ASSERT_FALSE(mount.empty());
        test::WriteBytes(mount + "/Windows/System32/config/SOFTWARE", "regf but not a hive at all");
        std::string error;
        EXPECT_FALSE(OpenTarget({"volume:" + mount}, &error));
        EXPECT_NE(error.find("SOFTWARE: not a readable registry hive"), std::string::npos) << error;
    }
    {
        test::TargetBuilder builder;
        std::string prefix = builder.WriteWinePrefix();
        test::WriteBytes(prefix + "/system.reg", "WINE REGISTRY Version 2\n[Software]\n\"x\"=dword:\n");
        std::string error;
        EXPECT_FALSE(OpenTarget({"wine:" + prefix}, &error));
        EXPECT_EQ(error, prefix + "/system.reg: line 3: bad dword data");
    }
}

TEST(Targets, NamesThatAreRefused) {
    test::TempHome empty;
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"windows"}, "unknown target \"windows\""},
        {{"wine:" + empty.Path() + "nowhere"}, "no such Wine prefix"},
        {{"wine:" + empty.Path()}, "system.reg: missing"},
        {{"volume:" + empty.Path() + "nowhere"}, "no such mount point"},
        {{"volume:" + empty.Path() + "=1"}, "bad drive letter"},
        {{"volume:" + empty.Path() + "=C", "volume:" + empty.Path() + "=c"}, "drive letter C is taken"},
        {{"host", "volume:/"}, "only volume: targets can be combined"},
    };
    for (const auto& [names, why] : cases) {
        std::string error;
        EXPECT_FALSE(OpenTarget(names, &error)) << names[0];
        EXPECT_NE(error.find(why), std::string::npos) << error;
    }
}

TEST(Targets, HostAndTheDefaultChoice) {
    std::string error;
    auto host = OpenTarget({"host"}, &error);
    ASSERT_TRUE(host) << error;
    EXPECT_FALSE(host->Registry());
    EXPECT_EQ(host->Drives()[0].hostRoot, "/");
    test::ScriptedPrompter prompter;
    EXPECT_EQ(GetWindowsProductName(*host, prompter), "");
    EXPECT_FALSE(GetPcName(*host).empty());
    EXPECT_EQ(PcIpText("10.0.0.7", ""), "10.0.0.7()");

    test::TargetBuilder builder;
    std::string prefix = builder.WriteWinePrefix();
    const char* old = std::getenv("WINEPREFIX");
    std::string saved = old ? old : "";
    setenv("WINEPREFIX", prefix.c_str(), 1);
    EXPECT_EQ(DefaultTargetName(), "wine:" + prefix);
    setenv("WINEPREFIX", (prefix + "/none").c_str(), 1);
    EXPECT_NE(DefaultTargetName(), "wine:" + prefix + "/none");
    if (old) setenv("WINEPREFIX", saved.c_str(), 1);
    else unsetenv("WINEPREFIX");
}

}  // namespace
}  // namespace scx::target
