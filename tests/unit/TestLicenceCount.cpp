#include <gtest/gtest.h>

#include "hub/result/licence_count.h"
#include "tests/support/record_builders.h"
#include "tests/support/temp_home.h"

using namespace scx;

TEST(LicenceCount, CopyRatioAsTheResultViewShowsIt) {
    struct Case {
        long long install, licence;
        const char* text;
    };
    for (const Case& c : {Case{3, 1, "66.7"}, Case{4, 1, "75"}, Case{2, 2, "0"}, Case{0, 0, "0"}, Case{3, 0, "100"},
                          Case{6, 1, "83.3"}, Case{3, 2, "33.3"}})
        EXPECT_EQ(CopyRatioText(c.install, c.licence), c.text) << c.install << "/" << c.licence;
    EXPECT_DOUBLE_EQ(CopyRatio(8, 3), 62.5);
}

TEST(LicenceCount, EntriesAreLoweredToTheInstallCountAndSummed) {
    test::TempHome home;
    test::WriteRecordFile(home.File("r.rst"),
                          test::RecordText({{"#HEADER", {"2"}},
                                            {"#BASEINFO", {}},
                                            {"#USERINFO", {"0\t팀\tPC0\t김\t-\t-\t0\t-", "1\t팀\tPC1\t이\t-\t-\t1\t-"}},
                                            {"#SWLIST",
                                             {"0\t1\t1\tPay Co\tSuite\t900\t5\t-\t0\t-\t-\t-\t0",
                                              "1\t1\t2\tFree Co\tViewer\t0\t2\t-\t2\t-\t-\t-\t2",
                                              "2\t1\t3\tOdd Co\tOdd\t0\tx\t-\t0\t-\t-\t-\t0"}},
                                            {"#PCHISTORY", {}}}));
    CFileRST result;
    ASSERT_EQ(result.Load(home.File("r.rst"), true), 1);
    EXPECT_EQ(SetLicenceCount(result, 0, 9), 5);  // typing 9 for 5 installs stores 5
    EXPECT_EQ(result.SwList().GetCell(0, "RIGHT_CNT"), "5");
    EXPECT_EQ(SetLicenceCount(result, 0, 3), 3);
    EXPECT_EQ(result.SwList().GetCell(0, "RIGHT_CNT"), "3");
    EXPECT_EQ(SetLicenceCount(result, 2, 4), 0);  // an unreadable install count takes no licences
    EXPECT_EQ(SetLicenceCount(result, 3, 1), -1);
    EXPECT_EQ(SetLicenceCount(result, 0, -1), -1);
    EXPECT_EQ(result.SwList().GetCell(0, "RIGHT_CNT"), "3");

    LicenceTotals totals = SumLicenceCounts(result);
    EXPECT_EQ(totals.pcs, 2);
    EXPECT_EQ(totals.software, 3);
    EXPECT_EQ(totals.installs, 6);  // 5 + 2 + (-1): counts that are not digits read as -1, as in the reports
    EXPECT_EQ(totals.licences, 5);
    EXPECT_EQ(totals.copies(), 1);
}
