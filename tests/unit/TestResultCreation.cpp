#include <gtest/gtest.h>

#include "core/codec.h"
#include "core/docs/file_tls.h"
#include "core/folders.h"
#include "hub/result/result_commands.h"
#include "hub/result/result_creation.h"
#include "platform/file.h"
#include "platform/folders.h"
#include "tests/support/record_builders.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/temp_home.h"

using namespace scx;

namespace {

std::unique_ptr<CFileTLS> TotalList(const test::TempHome& home) {
    // PCs 0-2 brand, 3-4 assembled. Software: 0 free (4 installs), 1 commercial, 2 OS on all five,
    // 3 user-checklist program, 4 hidden row, 5 shareware of unknown type "-".
    std::vector<std::string> pcs, records;
    for (int u = 0; u < 5; ++u) {
        pcs.push_back(std::to_string(u) + "\t팀\tPC" + std::to_string(u) + "\t김\t-\t-\t" + (u < 3 ? "0" : "1") + "\t-");
        records.push_back(std::to_string(u) + "\t2\tos.exe\t-\t-\t-\t-");
        if (u < 4) records.push_back(std::to_string(u) + "\t0\tfree.exe\t-\t-\t-\t-");
    }
    records.push_back("0\t1\tpay.exe\t-\t-\t-\t-");
    records.push_back("1\t5\tunk.exe\t-\t-\t-\t-");
    std::vector<std::string> software = {
        "0\t1\t1\tFree Co\tViewer\t0\t4\t-\t2\t-\t-\t-",  "1\t1\t2\tPay Co\tSuite\t900\t1\t-\t0\t-\t-\t-",
        "2\t1\t3\tWin\tWindows\t0\t5\tos\t0\t-\t-\t-",     "3\t2\t0\tRaw\tTool\t0\t0\t-\t1\t-\t-\t-",
        "4\t99\t0\tHidden\tRow\t0\t0\t-\t1\t-\t-\t-",       "5\t1\t6\tOdd\tThing\t0\t1\t-\t-\t-\t-\t-"};
    test::WriteRecordFile(home.File("t.tls"), test::RecordText({{"#HEADER", {"2"}},
                                                                {"#USERINFO", pcs},
                                                                {"#SWLIST", software},
                                                                {"#PCHISTORY", records},
                                                                {"#KEYLIST", {}}}));
    auto total = std::make_unique<CFileTLS>();
    EXPECT_EQ(total->Load(home.File("t.tls"), true), 1);
    return total;
}

}  // namespace

TEST(ResultCreation, MarksWhatAFreshTotalListWindowMarks) {
    test::TempHome home;
    auto total = TotalList(home);
    EXPECT_EQ(ShownSoftwareRows(*total), (std::vector<int>{0, 1, 2, 3, 5}));
    EXPECT_EQ(DefaultMarkedRows(*total), (std::vector<int>{0, 1, 2, 5}));
}

TEST(ResultCreation, CopiesPcsMarkedSoftwareAndTheirRecordsWithLicenceCounts) {
    test::TempHome home;
    auto total = TotalList(home);
    CFileRST result;
    InitNewResult(result);
    FillResultFromTotalList(*total, {2, 0, 1, 5}, result);
    EXPECT_EQ(result.UserInfo().GetRowCount(), 5);
    ASSERT_EQ(result.SwList().GetRowCount(), 4);
    // Free: licences = installs; commercial: 0; OS: one per brand PC; type "-" counts as free.
    EXPECT_EQ(result.SwList().GetRowText(0), "2\t1\t3\tWin\tWindows\t0\t5\tos\t0\t-\t-\t-\t3");
    EXPECT_EQ(result.SwList().GetRowText(1), "0\t1\t1\tFree Co\tViewer\t0\t4\t-\t2\t-\t-\t-\t4");
    EXPECT_EQ(result.SwList().GetRowText(2), "1\t1\t2\tPay Co\tSuite\t900\t1\t-\t0\t-\t-\t-\t0");
    EXPECT_EQ(result.SwList().GetRowText(3), "5\t1\t6\tOdd\tThing\t0\t1\t-\t-\t-\t-\t-\t1");
    ASSERT_EQ(result.PcHistory().GetRowCount(), 11);
    EXPECT_EQ(result.PcHistory().GetRowText(0), "0\t2\tos.exe\t-\t-\t-\t-");
    EXPECT_EQ(result.PcHistory().GetRowText(5), "0\t0\tfree.exe\t-\t-\t-\t-");
    EXPECT_EQ(result.BaseInfo().GetCell(0, "PC_COUNT"), "5");

    ASSERT_EQ(result.SaveAs(home.File("r.rst"), true), 1);
    std::string text = DecodeScrambledText(*platform::ReadFileBytes(home.File("r.rst")));
    EXPECT_TRUE(text.starts_with(
              "#HEADER_START\r\n2\r\n#HEADER_END\r\n#BASEINFO_START\r\n-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t5\t-"
              "\t-\t-\t-\r\n#BASEINFO_END\r\n#USERINFO_START\r\n0\t팀\tPC0\t김\t-\t-\t0\t-\r\n"))
        << text;
    CFileRST back;
    ASSERT_EQ(back.Load(home.File("r.rst"), true), 1);
    EXPECT_EQ(back.BuildFileBytes(), result.BuildFileBytes());
}

TEST(ResultCreation, AddingMovesFilesIntoTheInspectionFolderOnce) {
    test::TempHome home;
    EnsureFolder(home.File("chosen"));
    std::string chosen = home.File("chosen/p1.ipt");
    test::WriteRecordFile(chosen, test::IptText("p1", "0", {{.dbId = "1"}}));
    test::WriteRecordFile(GetProgramFolder() + "r.rst",
                          test::RecordText({{"#HEADER", {"2"}}, {"#BASEINFO", {}}, {"#USERINFO", {}},
                                            {"#SWLIST", {}}, {"#PCHISTORY", {}}}));
    CFileRST result;
    ASSERT_EQ(result.Load(GetProgramFolder() + "r.rst", true), 1);
    InspectionFileMove move = MoveIntoInspectionFolder({chosen});
    EXPECT_EQ(move.moved, (std::vector<std::string>{GetCheckOutFolder("IPT") + "p1.ipt"}));
    EXPECT_FALSE(platform::FileExists(chosen));
    test::ScriptedPrompter prompter;
    EXPECT_EQ(AddInspectionResults(result, move.moved, nullptr, prompter), 1);
    EXPECT_EQ(result.BaseInfo().GetCell(0, "PC_COUNT"), "1");

    // The same file chosen again: a file of that name is there, so nothing moves or is added.
    test::WriteRecordFile(chosen, test::IptText("p1", "0", {{.dbId = "1"}}));
    move = MoveIntoInspectionFolder({chosen, home.File("chosen/none.ipt")});
    EXPECT_TRUE(move.moved.empty());
    EXPECT_EQ(move.skipped, (std::vector<std::string>{chosen}));
    EXPECT_EQ(move.failed, (std::vector<std::string>{home.File("chosen/none.ipt")}));
    EXPECT_TRUE(platform::FileExists(chosen));
    EXPECT_EQ(AddInspectionResults(result, move.moved, nullptr, prompter), 1);
    EXPECT_EQ(result.UserInfo().GetRowCount(), 1);
    EXPECT_TRUE(prompter.shown.empty());
}
