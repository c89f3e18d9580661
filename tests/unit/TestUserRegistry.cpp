// RegReadString, RegWriteString and RegCreateKey on the system's own per-user registry file.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/registry/user_registry.h"
#include "tests/support/temp_home.h"

namespace scx {
namespace {

// XDG_CONFIG_HOME pointed at a fresh folder for one test.
class UserRegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* old = std::getenv("XDG_CONFIG_HOME");
        if (old) previous_ = old;
        hadPrevious_ = old != nullptr;
        setenv("XDG_CONFIG_HOME", (home_.Path() + "config").c_str(), 1);
    }
    void TearDown() override {
        if (hadPrevious_) setenv("XDG_CONFIG_HOME", previous_.c_str(), 1);
        else unsetenv("XDG_CONFIG_HOME");
    }
    test::TempHome home_;
    std::string previous_;
    bool hadPrevious_ = false;
};

TEST_F(UserRegistryTest, WriteNeedsAnExistingKeyAndReadsBack) {
    EXPECT_EQ(UserRegistryPath(), home_.Path() + "config/scrutinex/user.reg");
    EXPECT_EQ(RegWriteString("Software\\Scrutinex", "FileName", "a_b_c", 1), 0);
    EXPECT_FALSE(std::filesystem::exists(UserRegistryPath()));

    EXPECT_EQ(RegCreateKey("Software\\Scrutinex"), 1);
    EXPECT_EQ(RegCreateKey("Software\\Scrutinex"), 1);
    EXPECT_EQ(RegWriteString("Software\\Scrutinex", "FileName", "회사_사용자_20250101", 1), 1);
    EXPECT_EQ(RegWriteString("software\\scrutinex", "GroupName", "회사", 1), 1);
    EXPECT_EQ(RegWriteString("Software\\Scrutinex", "FileName", "replaced", 1), 1);
    EXPECT_EQ(RegWriteString("Software\\Scrutinex", "Bad", "x", 4), 0);  // not a string type

    std::string value = "unchanged";
    EXPECT_EQ(RegReadString("Software\\Scrutinex", "Missing", value), 0);
    EXPECT_EQ(RegReadString("Software\\Other", "FileName", value), 0);
    EXPECT_EQ(value, "unchanged");
    EXPECT_EQ(RegReadString("Software\\Scrutinex", "FileName", value), 1);
    EXPECT_EQ(value, "replaced");
    EXPECT_EQ(RegReadString("Software\\Scrutinex", "GroupName", value), 1);
    EXPECT_EQ(value, "회사");
    // Stored in Wine's format, so Wine's own tools can read it.
    EXPECT_EQ(test::ReadBytes(UserRegistryPath()).substr(0, 23), "WINE REGISTRY Version 2");
}

TEST_F(UserRegistryTest, ValuesLongerThanTheBufferAreNotRead) {
    ASSERT_EQ(RegCreateKey("Software\\Scrutinex"), 1);
    // Written without a terminator: 255 characters fill the 510-byte buffer exactly.
    ASSERT_EQ(RegWriteString("Software\\Scrutinex", "Fits", std::string(255, 'x'), 1), 1);
    ASSERT_EQ(RegWriteString("Software\\Scrutinex", "TooLong", std::string(256, 'x'), 1), 1);
    std::string value;
    EXPECT_EQ(RegReadString("Software\\Scrutinex", "Fits", value), 1);
    EXPECT_EQ(value.size(), 255u);
    EXPECT_EQ(RegReadString("Software\\Scrutinex", "TooLong", value), 0);
}

TEST_F(UserRegistryTest, ACorruptFileIsNeitherReadNorOverwritten) {
    std::filesystem::create_directories(home_.Path() + "config/scrutinex");
    test::WriteBytes(UserRegistryPath(), "WINE REGISTRY Version 2\n[Software\\\\Scrutinex]\n\"v\"=dword:zz\n");
    std::string value;
    EXPECT_EQ(RegReadString("Software\\Scrutinex", "v", value), 0);
    EXPECT_EQ(RegCreateKey("Software\\Other"), 0);
    EXPECT_EQ(RegWriteString("Software\\Scrutinex", "v", "x", 1), 0);
    EXPECT_EQ(test::ReadBytes(UserRegistryPath()),
              "WINE REGISTRY Version 2\n[Software\\\\Scrutinex]\n\"v\"=dword:zz\n");
}

}  // namespace
}  // namespace scx
