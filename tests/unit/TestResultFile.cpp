#include <gtest/gtest.h>

#include "core/codec.h"
#include "core/db/file_package.h"
#include "core/docs/file_rst.h"
#include "core/folders.h"
#include "platform/file.h"
#include "tests/support/record_builders.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/temp_home.h"

using namespace scx;
using test::Program;
using Answer = Prompter::Answer;

namespace {

// A result from the decoded lines of its PC, software and install sections.
std::unique_ptr<CFileRST> Result(const test::TempHome& home, const std::vector<std::string>& pcs,
                                 const std::vector<std::string>& software,
                                 const std::vector<std::string>& records, const std::string& name = "r.rst") {
    test::WriteRecordFile(home.File(name), test::RecordText({{"#HEADER", {"2"}},
                                                             {"#BASEINFO", {}},
                                                             {"#USERINFO", pcs},
                                                             {"#SWLIST", software},
                                                             {"#PCHISTORY", records}}));
    auto result = std::make_unique<CFileRST>();
    EXPECT_EQ(result->Load(home.File(name), true), 1);
    return result;
}

std::string Sw(std::string_view id, std::string_view product, std::string_view installs, std::string_view rights,
               std::string_view etc = "-") {
    return std::string(id) + "\t1\t0\tAcme\t" + std::string(product) + "\t100\t" + std::string(installs) + "\t" +
           std::string(etc) + "\t0\t-\t-\t-\t" + std::string(rights);
}

std::string Pc(std::string_view id) { return std::string(id) + "\t팀\tPC" + std::string(id) + "\t김\t-\t-\t0\t1.2.3.4"; }

std::string Rec(std::string_view user, std::string_view sw, std::string_view exe = "a.exe") {
    return std::string(user) + "\t" + std::string(sw) + "\t" + std::string(exe) + "\t-\t-\t-\t-";
}

std::vector<std::string> Rows(const CTable& table) {
    std::vector<std::string> rows;
    for (int i = 0; i < table.GetRowCount(); ++i) rows.push_back(table.GetRowText(i));
    return rows;
}

}  // namespace

TEST(ResultFile, RecountSetsInstallsCapsLicencesAndCountsPcs) {
    test::TempHome home;
    auto r = Result(home, {Pc("0"), Pc("1")}, {Sw("0", "A", "9", "5"), Sw("1", "B", "0", "x"), Sw("2", "C", "1", "1")},
                    {Rec("0", "0"), Rec("1", "0"), Rec("0", "1")});
    r->Recount();
    EXPECT_EQ(Rows(r->SwList()), (std::vector<std::string>{Sw("0", "A", "2", "2"), Sw("1", "B", "1", "-1"),
                                                           Sw("2", "C", "0", "0")}));
    EXPECT_EQ(r->BaseInfo().GetCell(0, "PC_COUNT"), "2");
    EXPECT_EQ(r->BaseInfo().GetCell(0, "AREA"), "-");
}

TEST(ResultFile, DeleteSoftwareTakesItsRecordsAndEverySoftwareWithoutInstalls) {
    test::TempHome home;
    auto r = Result(home, {Pc("0"), Pc("1")},
                    {Sw("0", "A", "3", "0"), Sw("1", "B", "1", "0"), Sw("2", "C", "1", "0"), Sw("3", "D", "0", "0"),
                     Sw("4", "E", "0", "0")},
                    {Rec("0", "0"), Rec("1", "0"), Rec("0", "1"), Rec("1", "0"), Rec("1", "2")});
    EXPECT_EQ(r->DeleteSoftware({}), 0);
    // The same row twice is one selection: only B and A go (and D, E without installs).
    EXPECT_EQ(r->DeleteSoftware({1, 0, 1}), 1);
    EXPECT_EQ(Rows(r->SwList()), (std::vector<std::string>{Sw("2", "C", "1", "0")}));
    EXPECT_EQ(Rows(r->PcHistory()), (std::vector<std::string>{Rec("1", "2")}));
}

TEST(ResultFile, DeletePcsRemovesExactlyItsRecordsAndRecounts) {
    test::TempHome home;
    auto r = Result(home, {Pc("0"), Pc("1"), Pc("2")},
                    {Sw("0", "A", "3", "3"), Sw("1", "B", "1", "1"), Sw("2", "C", "2", "0")},
                    {Rec("0", "0"), Rec("1", "0"), Rec("1", "1"), Rec("2", "0"), Rec("1", "2"), Rec("0", "2")});
    EXPECT_EQ(r->DeletePcs({}), 0);
    EXPECT_EQ(r->DeletePcs({7}), 0);
    EXPECT_EQ(r->DeletePcs({1}), 1);
    EXPECT_EQ(Rows(r->UserInfo()), (std::vector<std::string>{Pc("0"), Pc("2")}));
    EXPECT_EQ(Rows(r->PcHistory()), (std::vector<std::string>{Rec("0", "0"), Rec("2", "0"), Rec("0", "2")}));
    EXPECT_EQ(Rows(r->SwList()), (std::vector<std::string>{Sw("0", "A", "2", "2"), Sw("2", "C", "1", "0")}));
    EXPECT_EQ(r->BaseInfo().GetCell(0, "PC_COUNT"), "2");
}

TEST(ResultFile, DeleteInstallRecordsByPositionAmongTheSoftwaresRecords) {
    test::TempHome home;
    auto r = Result(home, {Pc("0"), Pc("1")}, {Sw("0", "A", "3", "2"), Sw("1", "B", "1", "1")},
                    {Rec("0", "1"), Rec("1", "1", "x"), Rec("1", "1", "y"), Rec("0", "1", "z"), Rec("0", "0", "a1"),
                     Rec("1", "1"), Rec("1", "1"), Rec("1", "0", "a2"), Rec("1", "1"), Rec("0", "0", "a3")});
    EXPECT_EQ(r->DeleteInstallRecords(0, {}), 0);
    EXPECT_EQ(r->DeleteInstallRecords(0, {9}), 0);
    EXPECT_EQ(r->DeleteInstallRecords(5, {1}), 0);
    // A's records sit at table rows 4, 7, 9: positions 2 and 3 are rows 7 and 9.
    EXPECT_EQ(r->DeleteInstallRecords(0, {3, 2, 2}), 1);
    EXPECT_EQ(r->PcHistory().GetRowCount(), 8);
    EXPECT_EQ(r->PcHistory().GetRowText(4), Rec("0", "0", "a1"));
    EXPECT_EQ(r->SwList().GetRowText(0), Sw("0", "A", "1", "1"));
    // The last record of B goes: B goes with it.
    EXPECT_EQ(r->DeleteInstallRecords(1, {1}), 1);
    EXPECT_EQ(Rows(r->SwList()), (std::vector<std::string>{Sw("0", "A", "1", "1")}));
    r = Result(home, {Pc("0")}, {Sw("0", "A", "1", "1"), Sw("1", "B", "1", "0")}, {Rec("0", "0"), Rec("0", "1")},
               "r2.rst");
    EXPECT_EQ(r->DeleteInstallRecords(0, {1}), 1);
    EXPECT_EQ(Rows(r->SwList()), (std::vector<std::string>{Sw("1", "B", "1", "0")}));
}

TEST(ResultFile, ClearUserColumnBlanksOnlyThatColumn) {
    test::TempHome home;
    auto r = Result(home, {Pc("0"), Pc("1")}, {}, {});
    EXPECT_EQ(r->ClearUserColumn(CFileRST::kPcIp), 1);
    EXPECT_EQ(Rows(r->UserInfo()), (std::vector<std::string>{"0\t팀\tPC0\t김\t-\t-\t0\t-", "1\t팀\tPC1\t김\t-\t-\t0\t-"}));
    EXPECT_EQ(r->ClearUserColumn(CFileRST::kGroupName), 1);
    EXPECT_EQ(r->UserInfo().GetCell(1, "GROUP_NAME"), "-");
    EXPECT_EQ(r->ClearUserColumn(9), 1);
    EXPECT_EQ(r->UserInfo().GetCell(1, "PC_NAME"), "PC1");
}

TEST(ResultFile, ResetTableGivesAnEmptySectionAndCanLeaveTheOldOneToTheCaller) {
    test::TempHome home;
    auto r = Result(home, {Pc("0")}, {Sw("0", "A", "1", "0"), Sw("1", "B", "1", "0")}, {});
    CTable* old = r->GetTable("#SWLIST");
    CTable* fresh = r->ResetTable("#SWLIST", false);
    ASSERT_NE(fresh, nullptr);
    EXPECT_NE(fresh, old);
    EXPECT_EQ(fresh->GetRowCount(), 0);
    EXPECT_EQ(r->GetTable("#SWLIST"), fresh);
    EXPECT_EQ(old->GetRowCount(), 2);
    fresh->AddRow(*old->GetRow(1));
    EXPECT_EQ(r->SwList().FindSoftware("1", "acme", "b"), 0);
    EXPECT_EQ(NextId(r->SwList()), 2);
    EXPECT_NE(r->ResetTable("#BASEINFO", true), nullptr);
    EXPECT_EQ(r->ResetTable("#KEYLIST", true), nullptr);
    EXPECT_EQ(r->ResetTable("#swlist", true), nullptr);
}

TEST(ResultFile, AddingInspectionsCountsOsLicencesOfBrandPcs) {
    test::TempHome home;
    EnsureFolder(GetCheckOutFolder("IPT"));
    Program os{.dbId = "5", .company = "Win", .product = "Windows 10", .exe = "-", .etc = "OS"};
    Program word{.dbId = "1"};
    test::WriteRecordFile(GetCheckOutFolder("IPT") + "b1.ipt", test::IptText("b1", "0", {word, os}));
    test::WriteRecordFile(GetCheckOutFolder("IPT") + "b2.ipt", test::IptText("b2", "0", {os}));
    test::WriteRecordFile(GetCheckOutFolder("IPT") + "a1.ipt", test::IptText("a1", "1", {os, word}));
    auto brand = Result(home, {}, {}, {});
    test::ScriptedPrompter prompter;
    EXPECT_EQ(brand->AddInspectionFiles({"b1.ipt", "b2.ipt"}, nullptr, prompter), 1);
    EXPECT_EQ(Rows(brand->SwList()), (std::vector<std::string>{"0\t1\t1\tAcme\tWord\t1000\t1\t-\t0\t-\t-\t-\t0",
                                                               "1\t1\t5\tWin\tWindows 10\t1000\t2\tOS\t0\t-\t-\t-\t2"}));
    EXPECT_EQ(brand->PcHistory().GetRowText(2), "1\t1\t-\tC:\\P\\-\\\t2026-12-01\t-\t2026-01-02");
    auto assembled = Result(home, {}, {}, {}, "s.rst");
    EXPECT_EQ(assembled->AddInspectionFiles({"a1.ipt", GetCheckOutFolder("IPT") + "a1.ipt"}, nullptr, prompter), 1);
    // The inspection's programs are taken in company, product order.
    EXPECT_EQ(assembled->SwList().GetRowText(0), "0\t1\t1\tAcme\tWord\t1000\t2\t-\t0\t-\t-\t-\t0");
    EXPECT_EQ(assembled->SwList().GetRowText(1), "1\t1\t5\tWin\tWindows 10\t1000\t2\tOS\t0\t-\t-\t-\t0");
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(assembled->BaseInfo().GetRowCount(), 0);  // no recount here
}

TEST(ResultFile, AddingFoldsPackagesIntoResultRows) {
    test::TempHome home;
    test::WriteRecordFile(home.File("package.dat"),
                          test::RecordText({{"#HEADER", {"1"}},
                                            {"#PACKAGE", {"500\tSuiteCo\tSuite\t0\t-\t-\t-\t10;20"}},
                                            {"#SUB", {"500\tPro\t9000\t10;20;"}}}));
    CFilePackage packages;
    ASSERT_EQ(packages.Load(home.File("package.dat"), true), 1);
    EnsureFolder(GetCheckOutFolder("IPT"));
    test::WriteRecordFile(GetCheckOutFolder("IPT") + "p.ipt",
                          test::IptText("p", "0", {{.dbId = "20", .product = "B"}, {.dbId = "10", .product = "A"}}));
    auto r = Result(home, {}, {}, {});
    test::ScriptedPrompter prompter;
    r->AddInspectionFiles({"p.ipt", "p.ipt"}, &packages, prompter);
    EXPECT_EQ(Rows(r->SwList()), (std::vector<std::string>{"0\t0\t500\tSuiteCo\tSuite(Pro)\t9000\t2\t-\t0\t-\t-\t-\t0"}));
    // Sorted first, so A (row 0) and B (row 1) are joined highest row first.
    EXPECT_EQ(r->PcHistory().GetCell(0, "EXE_FILE"), "word.exe;word.exe;");
    EXPECT_EQ(r->PcHistory().GetCell(0, "PATH"), "C:\\P\\word.exe\\;C:\\P\\word.exe\\;");
}

TEST(ResultFile, FilesThatCannotBeAddedOrMergedAskWhetherToStop) {
    test::TempHome home;
    EnsureFolder(GetCheckOutFolder("IPT"));
    test::WriteRecordFile(GetCheckOutFolder("IPT") + "ok.ipt", test::IptText("ok", "0", {{.dbId = "1"}}));
    auto r = Result(home, {}, {}, {});
    test::ScriptedPrompter goOn({Answer::No});
    EXPECT_EQ(r->AddInspectionFiles({"gone.ipt", "ok.ipt"}, nullptr, goOn), 1);
    EXPECT_EQ(goOn.shown, (std::vector<std::string>{"gone.ipt 파일을 취합할 수 없습니다. 중지하시겠습니까?"}));
    EXPECT_EQ(r->UserInfo().GetRowCount(), 1);
    test::ScriptedPrompter stop({Answer::Yes});
    EXPECT_EQ(r->AddInspectionFiles({"gone.ipt", "ok.ipt"}, nullptr, stop), 0);
    EXPECT_EQ(r->UserInfo().GetRowCount(), 1);

    test::ScriptedPrompter mergeStop({Answer::Yes});
    std::string missing = home.File("none.rst");
    EXPECT_EQ(r->MergeResults({missing, home.File("r.rst")}, mergeStop), 0);
    EXPECT_EQ(mergeStop.shown, (std::vector<std::string>{missing + " 파일을 병합할 수 없습니다. 중지하시겠습니까?"}));
    EXPECT_EQ(r->MergeResults({}, mergeStop), 1);
}

TEST(ResultFile, MergingAddsPcsSumsCountsAndRelinksRecords) {
    test::TempHome home;
    auto target = Result(home, {Pc("0"), Pc("4")}, {Sw("3", "A", "1", "1")}, {Rec("4", "3")}, "t.rst");
    auto other = Result(home, {Pc("0"), Pc("1")}, {Sw("0", "B", "1", "0"), Sw("1", "a", "2", "1")},
                        {Rec("1", "1"), Rec("0", "0"), Rec("9", "1"), Rec("0", "1")}, "o.rst");
    EXPECT_EQ(CFileRST::MergeInto(*other, *target), 1);
    EXPECT_EQ(Rows(target->UserInfo()), (std::vector<std::string>{Pc("0"), Pc("4"), "5\t팀\tPC0\t김\t-\t-\t0\t1.2.3.4",
                                                                  "6\t팀\tPC1\t김\t-\t-\t0\t1.2.3.4"}));
    EXPECT_EQ(Rows(target->SwList()), (std::vector<std::string>{Sw("3", "A", "3", "2"), Sw("4", "B", "1", "0")}));
    // The record of PC 9, which the other result does not have, is left out.
    EXPECT_EQ(Rows(target->PcHistory()),
              (std::vector<std::string>{Rec("4", "3"), Rec("5", "4"), Rec("6", "3"), Rec("5", "3")}));
    EXPECT_EQ(other->UserInfo().GetRowCount(), 2);

    // Into itself: every PC and record twice, every count doubled.
    auto self = Result(home, {Pc("0")}, {Sw("0", "A", "2", "1")}, {Rec("0", "0"), Rec("0", "0", "b.exe")}, "s.rst");
    EXPECT_EQ(CFileRST::MergeInto(*self, *self), 1);
    EXPECT_EQ(Rows(self->UserInfo()), (std::vector<std::string>{Pc("0"), "1\t팀\tPC0\t김\t-\t-\t0\t1.2.3.4"}));
    EXPECT_EQ(Rows(self->SwList()), (std::vector<std::string>{Sw("0", "A", "4", "2")}));
    EXPECT_EQ(Rows(self->PcHistory()), (std::vector<std::string>{Rec("0", "0"), Rec("0", "0", "b.exe"), Rec("1", "0"),
                                                                 Rec("1", "0", "b.exe")}));
}

TEST(ResultFile, SavesTheExactFormatAndHoldsItsFile) {
    test::TempHome home;
    auto r = Result(home, {Pc("0")}, {Sw("0", "A", "1", "0")}, {Rec("0", "0")});
    r->Recount();
    ASSERT_EQ(r->Save(), 1);
    std::string expected =
        "#HEADER_START\r\n2\r\n#HEADER_END\r\n#BASEINFO_START\r\n-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t1\t-\t-\t-\t-"
        "\r\n#BASEINFO_END\r\n#USERINFO_START\r\n" + Pc("0") + "\r\n#USERINFO_END\r\n#SWLIST_START\r\n" +
        Sw("0", "A", "1", "0") + "\r\n#SWLIST_END\r\n#PCHISTORY_START\r\n" + Rec("0", "0") + "\r\n#PCHISTORY_END\r\n";
    EXPECT_EQ(DecodeScrambledText(*platform::ReadFileBytes(home.File("r.rst"))), expected);
    // Another holder cannot take the file for writing while the result holds it.
    CFileRST second;
    EXPECT_EQ(second.Load(home.File("r.rst"), true), 0);
    ASSERT_EQ(r->SaveAs("copy.rst", false), 1);
    EXPECT_EQ(r->GetPath(), home.File("r.rst"));
    CFileRST copy;
    ASSERT_EQ(copy.Load("copy.rst", false), 1);
    EXPECT_EQ(copy.BuildFileBytes(), r->BuildFileBytes());
}
