#include <gtest/gtest.h>

#include "core/docs/file_ipt.h"
#include "platform/folders.h"
#include "tests/support/temp_home.h"

using namespace scx;

namespace {

std::string IptText(std::string_view userInfo, std::initializer_list<std::string_view> rows) {
    std::string text =
        "#HEADER_START\r\n0\t20261211_091500\t-\r\n#HEADER_END\r\n#USERINFO_START\r\n" +
        std::string(userInfo) + "\r\n#USERINFO_END\r\n#SWLIST_START\r\n";
    for (auto row : rows) text += std::string(row) + "\r\n";
    return text + "#SWLIST_END\r\n";
}

std::string SwRow(std::string_view dbId) {
    return "1\t" + std::string(dbId) +
           "\tAcme\tWord\t17\tWORD.EXE\tword.exe\tA\tW\t1\tC:\\Acme\\\t2026-12-01\t-\t0\t-\t-\t-\t-"
           "\t2026-01-02";
}

}  // namespace

TEST(FileIPT, LoadsShortUserInfoAndSkipsBadSoftwareLines) {
    test::TempHome home;
    std::string row18 = SwRow("1002");
    row18.erase(row18.rfind('\t'));
    test::WriteBytes(home.File("pc.ipt"),
                     test::ScrambledFromText(
                         IptText("dept\tPC1\tkim\t-\t-", {SwRow("1001"), row18, SwRow("1003")})));
    CFileIPT ipt;
    ASSERT_EQ(ipt.Load(home.File("pc.ipt"), true), 1);
    EXPECT_TRUE(ipt.IsLoaded());
    EXPECT_EQ(ipt.UserInfo().GetRowText(0), "dept\tPC1\tkim\t-\t-\t-\t-");
    ASSERT_EQ(ipt.SwList().GetRowCount(), 2);
    EXPECT_EQ(ipt.SwList().GetCell(1, "DB_ID"), "1003");
    EXPECT_EQ(ipt.SwList().GetCell(0, "INSTALL_DATE"), "2026-01-02");
}

TEST(FileIPT, OtherKindsOfRecordFile) {
    test::TempHome home;
    // A total list has the same three section names; its software lines have 12 fields.
    std::string tls =
        "#HEADER_START\r\n2\r\n#HEADER_END\r\n#USERINFO_START\r\n0\tdept\tPC1\tkim\t-\t-\t0\t10.0."
        "0.1\r\n#USERINFO_END\r\n"
        "#SWLIST_START\r\n0\t1\t1001\tA\tW\t1\t1\t-\t0\t-\t-\t-\r\n1\t1\t1002\tA\tS\t1\t2\t-\t0\t-"
        "\t-\t-\r\n#SWLIST_END\r\n"
        "#PCHISTORY_START\r\n0\t0\tword.exe\tC:\\\t-\t-\t-\r\n#PCHISTORY_END\r\n";
    test::WriteBytes(home.File("total.tls"), test::ScrambledFromText(tls));
    CFileIPT fromTotal;
    ASSERT_EQ(fromTotal.Load(home.File("total.tls"), true), 1);
    EXPECT_EQ(fromTotal.SwList().GetRowCount(), 0);

    // A checklist database file lacks #USERINFO and #SWLIST.
    test::WriteBytes(
        home.File("windowchecklist.dat"),
        test::ScrambledFromText(
            "#HEADER_START\r\n1\r\n#HEADER_END\r\n#CHECKLIST_START\r\n#CHECKLIST_END\r\n"));
    CFileIPT fromDatabase;
    EXPECT_EQ(fromDatabase.Load(home.File("windowchecklist.dat"), true), 0);
    EXPECT_FALSE(fromDatabase.IsLoaded());
    EXPECT_EQ(fromDatabase.Save(), 0);
}

TEST(FileIPT, SaveNeedsALoadAndKeepsWritingTheLoadedFile) {
    test::TempHome home;
    CFileIPT fresh;
    fresh.Header().AddRowText("0\t20261211_091500\t-", "\t");
    fresh.UserInfo().AddRowText("dept\tPC1\tkim\t-\t-\t0\t10.0.0.1 (00-11-22-33-44-55)", "\t");
    fresh.SwList().AddRowText(SwRow("1001"), "\t");
    EXPECT_EQ(fresh.Save(), 0);  // nothing loaded: refused, nothing written
    EXPECT_FALSE(platform::FolderExists(home.File("CheckOut")));
    ASSERT_EQ(fresh.SaveAs("dept_PC1_kim.ipt", false), 1);  // makes CheckOut/IPT first
    EXPECT_EQ(fresh.GetPath(), home.File("CheckOut/IPT/dept_PC1_kim.ipt"));
    EXPECT_EQ(fresh.Save(), 0);  // SaveAs does not make it loaded

    CFileIPT a, b;
    ASSERT_EQ(a.Load("dept_PC1_kim.ipt", false), 1);
    ASSERT_EQ(b.Load("dept_PC1_kim.ipt", false), 1);  // no sharing restriction
    EXPECT_TRUE(a.IsFileOpen());
    a.SwList().AddRowText(SwRow("1002"), "\t");
    ASSERT_EQ(a.SaveAs(home.File("copy.ipt"), true), 1);
    EXPECT_EQ(a.GetPath(), home.File("copy.ipt"));
    a.SwList().AddRowText(SwRow("1003"), "\t");
    ASSERT_EQ(a.Save(), 1);  // rewrites the loaded file, not the copy
    b.SetReadOnly(true);
    EXPECT_EQ(b.Save(), 0);
    b.SetReadOnly(false);

    CFileIPT loaded, copy;
    ASSERT_EQ(loaded.Load("dept_PC1_kim.ipt", false), 1);
    EXPECT_EQ(loaded.SwList().GetRowCount(), 3);
    EXPECT_EQ(loaded.UserInfo().GetCell(0, "PC_IP"), "10.0.0.1 (00-11-22-33-44-55)");
    ASSERT_EQ(copy.Load(home.File("copy.ipt"), true), 1);
    EXPECT_EQ(copy.SwList().GetRowCount(), 2);
    EXPECT_EQ(b.Save(), 1);  // the other holder may save too
}
