#include <gtest/gtest.h>

#include "core/settings/profile_file.h"
#include "core/settings/scx_setting.h"
#include "platform/codepage.h"
#include "tests/support/temp_home.h"

using namespace scx;

namespace {

void WriteIni(std::string_view utf8) {
    test::WriteBytes(GetSettingFilePath(), platform::Cp949FromUtf8(utf8));
}

std::string ReadIni() { return platform::Utf8FromCp949(test::ReadBytes(GetSettingFilePath())); }

}  // namespace

TEST(ProfileFile, ReadsLikePrivateProfileFunctions) {
    test::TempHome home;
    WriteIni("; comment\r\n[setting]\r\n  isdetail = 2 \r\nName=\"  quoted  \"\r\nNum=12abc\r\n"
             "Neg=-3\r\nWord=abc\r\nEmpty=\r\nDup=first\r\nDup=second\r\n"
             "[Other]\r\nIsDetail=0\r\n[Setting]\r\nLate=ignored\r\n");
    const std::string path = GetSettingFilePath();
    EXPECT_EQ(ReadProfileInt("Setting", "IsDetail", 0, path), 2);  // names ignore case, blanks trimmed
    EXPECT_EQ(ReadProfileString("SETTING", "name", "", 0, path), "  quoted  ");
    EXPECT_EQ(ReadProfileInt("Setting", "Num", 0, path), 12);
    EXPECT_EQ(ReadProfileInt("Setting", "Neg", 0, path), -3);
    EXPECT_EQ(ReadProfileInt("Setting", "Word", 7, path), 0);
    EXPECT_EQ(ReadProfileInt("Setting", "Empty", 7, path), 7);
    EXPECT_EQ(ReadProfileInt("Setting", "Missing", 7, path), 7);
    EXPECT_EQ(ReadProfileString("Setting", "Dup", "", 0, path), "first");
    // Only the first section of a name counts.
    EXPECT_EQ(ReadProfileString("Setting", "Late", "def", 0, path), "def");
    EXPECT_EQ(ReadProfileString("Setting", "Word", "", 2, path), "ab");
    EXPECT_EQ(ReadProfileString("Nowhere", "Word", "def", 0, "/nonexistent/x.ini"), "def");
}

TEST(ProfileFile, WriteChangesOneLineAndKeepsTheRest) {
    test::TempHome home;
    WriteIni("; keep me\r\n[Setting]\r\nIsDetail=0\r\n\r\n[RST]\r\nArea=3\r\n");
    const std::string path = GetSettingFilePath();
    ASSERT_TRUE(WriteProfileString("setting", "ISDETAIL", "1", path));
    ASSERT_TRUE(WriteProfileString("Setting", "UpdateFlag", "N", path));
    ASSERT_TRUE(WriteProfileString("Server", "ChecklistHost", "db.example:8080", path));
    ASSERT_TRUE(WriteProfileString("RST", "Regulator", "홍길동", path));
    EXPECT_EQ(ReadIni(),
              "; keep me\r\n[Setting]\r\nISDETAIL=1\r\nUpdateFlag=N\r\n\r\n[RST]\r\nArea=3\r\n"
              "Regulator=홍길동\r\n[Server]\r\nChecklistHost=db.example:8080\r\n");
    // Korean text is stored in code page 949.
    EXPECT_NE(test::ReadBytes(path).find(platform::Cp949FromUtf8("홍길동")), std::string::npos);
    ProfileFile file(path);
    file.Remove("RST", "Area");
    file.Set("RST", "Regulator", "a\r\nb");
    ASSERT_TRUE(file.Save());
    EXPECT_FALSE(ProfileFile(path).Find("RST", "Area"));
    EXPECT_EQ(*ProfileFile(path).Find("RST", "Regulator"), "a  b");
}

TEST(ProfileFile, FailedWriteLeavesTheFile) {
    test::TempHome home;
    EXPECT_FALSE(WriteProfileString("Setting", "IsDetail", "1", home.File("missing-folder/x.ini")));
}

TEST(ScxSetting, DefaultsWithoutTheFile) {
    test::TempHome home;
    InspectionOptions agent = ReadInspectionOptions(OptionsReader::Agent);
    InspectionOptions dialog = ReadInspectionOptions(OptionsReader::SettingDialog);
    EXPECT_FALSE(agent.straight);
    EXPECT_TRUE(dialog.straight);
    EXPECT_TRUE(agent.isExist);
    EXPECT_FALSE(agent.hashCompare);
    EXPECT_TRUE(agent.monitoringLog);
    EXPECT_FALSE(agent.isDetail || agent.isFont || agent.isFontOnly || agent.isClose || agent.packaging);
    EXPECT_EQ(ReadResultPresets(PresetsReader::BaseInfoForm).reguOrgan, 2);
    EXPECT_EQ(ReadResultPresets(PresetsReader::SettingDialog).reguOrgan, 0);
    EXPECT_FALSE(ReadSearchCaseSensitive());
    EXPECT_EQ(ReadUpdateFlag(), "");
    EXPECT_EQ(ReadChecklistHost(), "");
}

TEST(ScxSetting, DialogSaveIsReadBackByEveryReader) {
    test::TempHome home;
    InspectionOptions options = ReadInspectionOptions(OptionsReader::SettingDialog);
    ResultPresets presets = ReadResultPresets(PresetsReader::SettingDialog);
    presets.regulator = "  김 감사  ";
    ASSERT_TRUE(WriteSettingDialogValues(options, presets));
    EXPECT_TRUE(ReadInspectionOptions(OptionsReader::Agent).straight);
    EXPECT_EQ(ReadResultPresets(PresetsReader::BaseInfoForm).reguOrgan, 0);
    EXPECT_EQ(ReadResultPresets(PresetsReader::BaseInfoForm).regulator, "김 감사");

    WriteIni("[Setting]\r\nIsDetail=2\r\nLatestUpdateDate=2026-12-11-and-far-too-long\r\n");
    EXPECT_TRUE(ReadInspectionOptions(OptionsReader::Agent).isDetail);
    EXPECT_EQ(ReadLatestUpdateDate(), "2026-12-11-and-far-to");
}

TEST(ScxSetting, ServerAddresses) {
    struct Case {
        const char* text;
        const char* authority;  // nullptr: rejected
    } cases[] = {
        {"db.example.com", "db.example.com:80"},
        {"127.0.0.1:8080", "127.0.0.1:8080"},
        {"[::1]:81", "[::1]:81"},
        {"[::1]", "[::1]:80"},
        {"", nullptr},
        {":80", nullptr},
        {"host:", nullptr},
        {"host:0", nullptr},
        {"host:65536", nullptr},
        {"host:8x", nullptr},
        {"evil.com/path?x", nullptr},
        {"user@host", nullptr},
        {"[::1", nullptr},
    };
    for (const auto& c : cases) {
        auto address = ParseServerAddress(c.text);
        if (!c.authority) {
            EXPECT_FALSE(address) << c.text;
            continue;
        }
        ASSERT_TRUE(address) << c.text;
        EXPECT_EQ(address->Authority(), c.authority);
    }
    test::TempHome home;
    ASSERT_TRUE(WriteChecklistHost("127.0.0.1:9"));
    ASSERT_TRUE(WriteNoticeHost("feed.example"));
    EXPECT_EQ(ReadChecklistHost(), "127.0.0.1:9");
    EXPECT_EQ(ReadNoticeHost(), "feed.example");
}
