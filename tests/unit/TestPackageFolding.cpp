// Package folding on result rows, with a scripted edition choice; the user-information checks.

#include <gtest/gtest.h>

#include "agent/scan/package_folding.h"
#include "agent/scan/user_info.h"
#include "core/db/db_source.h"
#include "core/docs/file_ipt.h"
#include "platform/folders.h"
#include "platform/registry/user_registry.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/temp_home.h"

namespace scx::scan {
namespace {

constexpr const char* kPackages =
    "#HEADER\nVersion\n1\n#PACKAGE\nDB_ID\tCOMPANY\tPRODUCT\tSW_TYPE\tGRP_ID\tGRP_NAME\tGRP_SEQ\tSUIT\n"
    "500\tAcme\tSuite\t1\t50\tSuites\t1\t10;20\n"
    "600\tAcme\tOffice\t1\t60\tOffices\t2\t30;40\n"
    "700\tAcme\tBig\t1\t70\tBigs\t3\t50\n"
    "#SUB\nPACKAGE_ID\tNAME\tPRICE\tSUIT\n"
    "600\tStandard\t100\t-\n600\tPro\t200\t-\n600\tPro\t300\t-\n"
    "700\tA\t1\t-\n700\tB\t2\t-\n700\tC\t3\t-\n";

// "GUBUN DB_ID" of a part row in folder `path`.
std::string Part(const char* gubun, const char* dbId, const char* path) {
    return std::string(gubun) + "\t" + dbId + "\tAcme\tPart" + dbId + "\t1\tp.exe\tp.exe\tAcme\tPart" + dbId +
           "\t10\t" + path + "\t2026-01-0" + dbId[0] + "\t-\t0\t1\tG\t1\t-\t2026-02-0" + dbId[0];
}

class ScriptedChooser : public EditionChooser {
public:
    std::optional<std::vector<int>> Choose(const std::vector<std::string>& candidates) override {
        offered.push_back(candidates);
        return answer;
    }
    std::optional<std::vector<int>> answer;
    std::vector<std::vector<std::string>> offered;
};

class FoldTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        CFilePackage source;
        ASSERT_TRUE(ReadDatabaseSource(kPackages, source, error)) << error;
        test::WriteBytes(home.File("package.dat"), source.BuildFileBytes());
        ASSERT_TRUE(packages.Load(home.File("package.dat"), true));  // loading builds the edition index
    }
    std::vector<std::string> Fold(const std::vector<std::string>& rows, int expectedCount) {
        for (const auto& row : rows) ipt.SwList().AddRowText(row, "\t");
        EXPECT_EQ(FoldResultPackages(&packages, ipt.SwList(), chooser), expectedCount);
        std::vector<std::string> out;
        for (int i = 0; i < ipt.SwList().GetRowCount(); ++i)
            out.push_back(ipt.SwList().GetCell(i, "GUBUN") + " " + ipt.SwList().GetCell(i, "DB_ID") + " " +
                          ipt.SwList().GetCell(i, "PRODUCT") + " " + ipt.SwList().GetCell(i, "PRICE") + " " +
                          ipt.SwList().GetCell(i, "PATH"));
        return out;
    }
    test::TempHome home;
    CFilePackage packages;
    CFileIPT ipt;
    ScriptedChooser chooser;
};

TEST_F(FoldTest, PartsWithoutEditionsBecomeOnePackageRow) {
    auto rows = Fold({Part("1", "10", "C:\\A\\"), Part("1", "99", "C:\\X\\"), Part("1", "20", "C:\\B\\")}, 1);
    EXPECT_EQ(rows, (std::vector<std::string>{"1 99 Part99 10 C:\\X\\", "0 500 Suite 0 C:\\B\\"}));
    // The package row takes place and dates from the last matched part row, and its own groups.
    EXPECT_EQ(ipt.SwList().GetRowText(1),
              "0\t500\tAcme\tSuite\t-\t-\t-\tAcme\tSuite\t0\tC:\\B\\\t2026-01-02\t-\t0\t50\tSuites\t1\t-\t2026-02-02");
    EXPECT_TRUE(chooser.offered.empty());
}

TEST_F(FoldTest, OnePartIsEnoughAndUserChecklistRowsNeverFold) {
    EXPECT_EQ(Fold({Part("1", "10", "C:\\A\\")}, 1), (std::vector<std::string>{"0 500 Suite 0 C:\\A\\"}));
    ipt.SwList().DeleteRow(0);
    EXPECT_EQ(Fold({Part("2", "10", "C:\\A\\")}, 0), (std::vector<std::string>{"2 10 Part10 10 C:\\A\\"}));
}

TEST_F(FoldTest, EditionsAreOfferedWithThePartRow) {
    chooser.answer = std::vector<int>{1};
    auto rows = Fold({Part("1", "30", "C:\\A\\"), Part("1", "40", "C:\\B\\")}, 1);
    ASSERT_EQ(chooser.offered.size(), 1u);
    // Two editions of distinct names (the second "Pro" is not offered) and the part row itself.
    const auto& offered = chooser.offered[0];
    ASSERT_EQ(offered.size(), 3u);
    EXPECT_NE(offered[0].find("\tOffice(Standard)\t100\t"), std::string::npos);
    EXPECT_NE(offered[1].find("\tOffice(Pro)\t200\t"), std::string::npos);
    EXPECT_EQ(offered[2], Part("1", "40", "C:\\B\\"));
    EXPECT_EQ(rows, (std::vector<std::string>{"0 600 Office(Pro) 200 C:\\B\\"}));
}

TEST_F(FoldTest, ChoicesAndCancel) {
    chooser.answer = std::vector<int>{0, 1};  // two candidates: two rows, one package
    EXPECT_EQ(Fold({Part("1", "30", "C:\\A\\")}, 1),
              (std::vector<std::string>{"0 600 Office(Standard) 100 C:\\A\\", "0 600 Office(Pro) 200 C:\\A\\"}));
    while (ipt.SwList().GetRowCount() > 0) ipt.SwList().DeleteRow(0);
    chooser.answer.reset();  // the operator cancels: the part stays
    EXPECT_EQ(Fold({Part("1", "30", "C:\\A\\")}, 0), (std::vector<std::string>{"1 30 Part30 10 C:\\A\\"}));
    // Three editions of distinct names: no part-row candidate.
    EXPECT_EQ(Fold({Part("1", "50", "C:\\A\\")}, 0), (std::vector<std::string>{"1 30 Part30 10 C:\\A\\", "1 50 Part50 10 C:\\A\\"}));
    EXPECT_EQ(chooser.offered.back().size(), 3u);
    EXPECT_EQ(FoldResultPackages(nullptr, ipt.SwList(), chooser), 0);
}

TEST(UserInfo, NameFilter) {
    bool removed = false;
    EXPECT_EQ(FilterName("Kim_Lee", &removed), "KimLee");
    EXPECT_TRUE(removed);
    EXPECT_EQ(FilterName("a\\b/c:d*e?f\"g<h>i|j", &removed), "abcdefghij");
    EXPECT_EQ(FilterName("김 영업", &removed), "김 영업");
    EXPECT_FALSE(removed);
}

TEST(UserInfo, ChecksInOrderThenOverwriteQuestionThenRegistry) {
    test::TempHome home;
    setenv("XDG_CONFIG_HOME", (home.Path() + "config").c_str(), 1);
    struct Case {
        UserInfo info;
        UserInfoCheck expected;
        std::string message;
    } cases[] = {
        {{"PC", "  ", "Kim", 0, "1", "", {"C:\\"}}, UserInfoCheck::GroupName, "회사(부서)명을 입력해 주세요"},
        {{"PC", "Sales", "", 0, "1", "", {}}, UserInfoCheck::UserName, "사용자명을 입력해 주세요"},
        {{"PC", "Sales", "Kim", 2, "1", "", {}}, UserInfoCheck::PcKind, "PC 종류를 선택해 주세요"},
        {{"PC", "Sales", "Kim", 1, "1", "", {}}, UserInfoCheck::Disks, "점검 디스크를 선택해 주세요"},
    };
    for (auto& c : cases) {
        test::ScriptedPrompter prompter;
        EXPECT_EQ(CheckUserInfo(c.info, prompter), c.expected);
        EXPECT_EQ(prompter.shown, std::vector<std::string>{c.message});
    }
    UserInfo info{"PC", " Sales ", "Kim", 0, "", "", {"C:\\ - 로컬디스크[1GB]"}};
    test::ScriptedPrompter prompter({Prompter::Answer::No, Prompter::Answer::Yes});
    EXPECT_EQ(CheckUserInfo(info, prompter), UserInfoCheck::Accepted);  // an empty suffix is accepted
    std::string path = ResultFilePath("Sales", "Kim", "");
    EXPECT_EQ(path, home.Path() + "CheckOut/IPT/Sales_Kim_.ipt");
    std::string value;
    ASSERT_EQ(RegReadString("Software\\Scrutinex", "FileName", value), 1);
    EXPECT_EQ(value, "Sales_Kim_");
    ASSERT_EQ(RegReadString("Software\\Scrutinex", "FilePath", value), 1);
    EXPECT_EQ(value, home.Path() + "CheckOut/IPT");

    platform::MakeFolder(home.Path() + "CheckOut");
    platform::MakeFolder(home.Path() + "CheckOut/IPT");
    test::WriteBytes(path, "x");
    EXPECT_EQ(CheckUserInfo(info, prompter), UserInfoCheck::Overwrite);
    EXPECT_EQ(prompter.shown.back(), path + "는(은) 이미 있습니다.\n바꾸시겠습니까?");
    EXPECT_EQ(CheckUserInfo(info, prompter), UserInfoCheck::Accepted);
    unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace scx::scan
