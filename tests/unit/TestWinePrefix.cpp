// A real Wine prefix, made by wineboot, read as a target: its computer name, its Windows name and
// its App Paths keys come out as Wine stored them in system.reg. Label "slow": wineboot takes a
// while.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "agent/identify/pc_identity.h"
#include "platform/target/file_facts.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/temp_home.h"

#ifndef SCX_MAKE_WINE_PREFIX
#error "SCX_MAKE_WINE_PREFIX names the script that makes a prefix"
#endif

namespace scx::target {
namespace {

class WinePrefix : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        home_ = new test::TempHome();
        prefix_ = home_->Path() + "prefix";
        std::string command = std::string("bash ") + SCX_MAKE_WINE_PREFIX + " '" + prefix_ + "'";
        made_ = std::system(command.c_str()) == 0;
    }
    static void TearDownTestSuite() {
        delete home_;
        home_ = nullptr;
    }
    void SetUp() override {
        ASSERT_TRUE(made_) << "wineboot could not make a prefix";
        std::string error;
        target_ = OpenTarget({"wine:" + prefix_}, &error);
        ASSERT_TRUE(target_) << error;
        systemReg_ = test::ReadBytes(prefix_ + "/system.reg");
    }

    static test::TempHome* home_;
    static std::string prefix_;
    static bool made_;
    std::unique_ptr<Target> target_;
    std::string systemReg_;
};

test::TempHome* WinePrefix::home_ = nullptr;
std::string WinePrefix::prefix_;
bool WinePrefix::made_ = false;

TEST_F(WinePrefix, ComputerNameAndWindowsNameAsWineStoredThem) {
    const std::string keyLine = R"([System\\CurrentControlSet\\Control\\ComputerName\\ComputerName])";
    const std::string valueStart = "\"ComputerName\"=\"";
    size_t key = systemReg_.find(keyLine);
    ASSERT_NE(key, std::string::npos);
    size_t value = systemReg_.find(valueStart, key);
    ASSERT_NE(value, std::string::npos);
    value += valueStart.size();
    std::string stored = systemReg_.substr(value, systemReg_.find('"', value) - value);
    EXPECT_FALSE(stored.empty());
    EXPECT_EQ(GetPcName(*target_), stored);

    // Debian 12's Wine presents itself as Windows 7 (CurrentVersion 6.1, workstation).
    ASSERT_NE(systemReg_.find("\"CurrentVersion\"=\"6.1\""), std::string::npos);
    test::ScriptedPrompter prompter;
    EXPECT_EQ(GetWindowsProductName(*target_, prompter), "Windows 7");
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(WinePrefix, AppPathsKeysInStoredOrder) {
    // Key lines "[Software\\...\\App Paths\\NAME] time", in file order.
    std::vector<std::string> stored;
    const std::string start = R"(
[Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\)";
    for (size_t at = systemReg_.find(start); at != std::string::npos; at = systemReg_.find(start, at + 1)) {
        size_t name = at + start.size();
        size_t end = systemReg_.find(']', name);
        std::string sub = systemReg_.substr(name, end - name);
        if (sub.find('\\') == std::string::npos) stored.push_back(sub);
    }
    ASSERT_FALSE(stored.empty());

    const reg::Registry* registry = target_->Registry();
    const char* appPaths = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths";
    auto key = registry->OpenKey(reg::RegRoot::LocalMachine, appPaths);
    ASSERT_TRUE(key);
    EXPECT_EQ(key->SubKeyNames(), stored);
    // Wine links the 32-bit view's App Paths to the same key.
    auto wow = registry->OpenKey(reg::RegRoot::LocalMachine, appPaths, reg::RegView::Wow32);
    ASSERT_TRUE(wow);
    EXPECT_EQ(wow->SubKeyNames(), stored);

    // Each default value names a file of the prefix's drive C.
    for (const auto& name : stored) {
        auto path = registry->ReadText(reg::RegRoot::LocalMachine, std::string(appPaths) + "\\" + name, "", 260);
        ASSERT_TRUE(path) << name;
        std::string file = *path;
        std::erase(file, '"');
        auto facts = GetFileFacts(*target_, file);
        ASSERT_TRUE(facts) << file;
        EXPECT_TRUE(facts->attributes & (kAttrArchive | kAttrNormal)) << file;
    }
}

}  // namespace
}  // namespace scx::target
