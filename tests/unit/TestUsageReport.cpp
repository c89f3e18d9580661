// The two usage reports: rows, skipped types, sums, totals and ratio rows, column choices, PCs
// without software, records of missing software, escaping, and the files written.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/docs/file_rst.h"
#include "platform/codepage.h"
#include "tests/support/record_builders.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/temp_home.h"
#include "hub/report/usage_report.h"

using namespace scx;

namespace {

// A #SWLIST row: ID, company, product, price, installs, remark, type, licences.
std::string Sw(int id, std::string product, std::string price, std::string install, std::string type = "0",
               std::string right = "0", std::string etc = "-", std::string company = "Acme") {
    return std::to_string(id) + "\t1\t0\t" + company + "\t" + product + "\t" + price + "\t" + install + "\t" + etc +
           "\t" + type + "\t-\t-\t-\t" + right;
}

std::unique_ptr<CFileRST> Result(const test::TempHome& home, const std::vector<std::string>& pcs,
                                 const std::vector<std::string>& software, const std::vector<std::string>& records) {
    test::WriteRecordFile(home.File("r.rst"), test::RecordText({{"#HEADER", {"2"}},
                                                                {"#BASEINFO", {}},
                                                                {"#USERINFO", pcs},
                                                                {"#SWLIST", software},
                                                                {"#PCHISTORY", records}}));
    auto result = std::make_unique<CFileRST>();
    EXPECT_EQ(result->Load(home.File("r.rst"), true), 1);
    return result;
}

std::vector<bool> Flags(UsageReportKind kind, std::initializer_list<std::pair<int, bool>> changes = {}) {
    std::vector<bool> flags = DefaultReportLayout(kind).flags;
    for (auto [column, on] : changes) flags[column] = on;
    return flags;
}

TEST(TestUsageReport, EmptyResultGivesZeroTotalsAndFullLicenceRatio) {
    test::TempHome home;
    auto result = Result(home, {}, {}, {});
    std::string page = BuildUsageReportPage(UsageReportKind::kSoftware, *result, Flags(UsageReportKind::kSoftware));
    EXPECT_NE(page.find("<tr bgcolor='#E6E6FA' height='50'>    <td align='center'>순번</td>    <td align='center'>SW명</td>"
                        "    <td align='center'>저작사</td>    <td align='center'>설치</td>    <td align='center'>정품</td>"
                        "    <td align='center'>복제</td>    <td align='center'>비고</td>  </tr><tr height='30'>"
                        "    <td align='center'><b>합 계</td><td align='center' colspan = 2><b>총 0대(PC), SW 0종, 0개</td>"
                        "<td align='center'><b>0</td><td align='center'><b>0</td><td align='center'><b>0</td><td>&nbsp</td>  </tr>"
                        "<tr height='30'><td align='center' colspan = 4><b>비 율</td><td align='center'><b>100.00％</td>"
                        "<td align='center'><b>0.00％</td><td>&nbsp;</td>  </tr> </table>"),
              std::string::npos)
        << page;
    EXPECT_EQ(page.find('\n'), std::string::npos);  // one long line
    EXPECT_NE(page.find("border-color:black;}  .comment { font-family: '굴림'; font-size: 12pt;"), std::string::npos);
    EXPECT_EQ(page.rfind("</center><br><center><font color=#ff0000>영리 및 민/형사상 증거자료로 활용할 수 없습니다."
                         "</font></center><br></body></html>"),
              page.size() - std::string_view("</center><br><center><font color=#ff0000>영리 및 민/형사상 증거자료로 "
                                             "활용할 수 없습니다.</font></center><br></body></html>").size());
}

TEST(TestUsageReport, SoftwareRowsCountsPricesAndSkippedTypes) {
    test::TempHome home;
    auto result = Result(home, {"1\tg\tpc\tu\t-\t-\t0\t1.2.3.4"},
                         {Sw(1, "A", "1000", "10", "0", "4"), Sw(2, "B", "-", "2", "0", "0", "OS"),
                          Sw(3, "C", "5", "1"), Sw(4, "Share", "7", "3", "1"), Sw(5, "E", "0", "1")},
                         {});
    struct Case {
        const char* name;
        std::vector<bool> flags;
        std::vector<std::string> expected;
    };
    std::vector<bool> withPrice = Flags(UsageReportKind::kSoftware, {{kSwColPrice, true}});
    std::vector<Case> cases = {
        {"counts and remark",
         Flags(UsageReportKind::kSoftware),
         {"  <tr height='30'>    <td align='center'>1</td>    <td align='center'>A</td>    <td align='center'>Acme</td>"
          "    <td align='center'>10</td>    <td align='center'>4</td>    <td align='center'>6</td>"
          "    <td width='10%' align='center'>&nbsp;</td>  </tr>",
          "    <td width='10%' align='center'>OS</td>",
          // row 3 (shareware) is skipped: the next row keeps its number 5, the sums leave it out,
          // "SW %d종" still counts it
          "  <tr height='30'>    <td align='center'>5</td>    <td align='center'>E</td>",
          "<td align='center' colspan = 2><b>총 1대(PC), SW 5종, 14개</td><td align='center'><b>14</td>"
          "<td align='center'><b>4</td><td align='center'><b>10</td>"}},
        {"prices: 1000 × 6 copies; \"-\" counts as -1",
         withPrice,
         {"    <td align='center'>6</td><td align='right' style='font-size:8pt'>1,000&nbsp;</td>"
          "<td align='right' style='font-size:8pt'>6,000&nbsp;</td>",
          "    <td align='center'>2</td><td align='right' style='font-size:8pt'>-1&nbsp;</td>"
          "<td align='right' style='font-size:8pt'>-2&nbsp;</td>",
          "<td colspan=2 align='center'><b>6,003</b></td><td>&nbsp</td>  </tr>",
          "<td colspan=2>&nbsp;</td><td>&nbsp;</td>  </tr>"}},
        {"type column lists shareware",
         Flags(UsageReportKind::kSoftware, {{kSwColType, true}}),
         {"    <td align='center'>4</td>    <td align='center'>쉐어</td>    <td align='center'>Share</td>",
          "<td align='center' colspan = 3><b>총 1대(PC), SW 5종, 17개</td>",
          "<b>비 율</td>"}},
        {"no row number: totals start with the 총 cell, ratio span narrows",
         Flags(UsageReportKind::kSoftware, {{kSwColNumber, false}}),
         {"<tr height='30'><td align='center' colspan = 2><b>총 1대(PC)",
          "<tr height='30'><td align='center' colspan = 3><b>비 율</td>"}},
    };
    for (const auto& c : cases) {
        std::string page = BuildUsageReportPage(UsageReportKind::kSoftware, *result, c.flags);
        for (const auto& want : c.expected) EXPECT_NE(page.find(want), std::string::npos) << c.name << ": " << want;
    }
    std::string plain = BuildUsageReportPage(UsageReportKind::kSoftware, *result, Flags(UsageReportKind::kSoftware));
    EXPECT_EQ(plain.find("Share"), std::string::npos);
    EXPECT_EQ(plain.find("소비자가"), std::string::npos);

    std::string noNames = BuildUsageReportPage(
        UsageReportKind::kSoftware, *result,
        Flags(UsageReportKind::kSoftware, {{kSwColName, false}, {kSwColCompany, false}}));
    EXPECT_EQ(noNames.find("총 "), std::string::npos);
    EXPECT_NE(noNames.find("<tr height='30'>    <td align='center'><b>합 계</td><td align='center'><b>14</td>"),
              std::string::npos);
}

TEST(TestUsageReport, RatioOfEightInstallsAndSixLicences) {
    test::TempHome home;
    auto result = Result(home, {}, {Sw(1, "A", "0", "5", "0", "5"), Sw(2, "B", "0", "3", "0", "1")}, {});
    std::string page = BuildUsageReportPage(UsageReportKind::kSoftware, *result, Flags(UsageReportKind::kSoftware));
    EXPECT_NE(page.find("<b>비 율</td><td align='center'><b>75.00％</td><td align='center'><b>25.00％</td>"),
              std::string::npos);
}

TEST(TestUsageReport, PcTablesWithEntriesEmptyPcsAndMissingSoftware) {
    test::TempHome home;
    auto result = Result(home, {"1\t영업부\tPC-1\t홍길동\t-\t-\t0\t10.0.0.1", "2\t총무부\tPC-2\t김철수\t-\t-\t1\t10.0.0.2"},
                         {Sw(1, "Word", "1000", "1"), Sw(2, "Viewer", "-", "1", "2")},
                         {"1\t1\tw.exe\tC:\\\t-\tSER-1\t-", "1\t9\tgone.exe\tC:\\\t-\t-\t-",
                          "1\t2\tv.exe\tC:\\\t-\t-\t-"});
    std::vector<bool> flags = Flags(UsageReportKind::kPc, {{kPcColPrice, true}, {kPcColSerial, true}});
    std::string page = BuildUsageReportPage(UsageReportKind::kPc, *result, flags);
    // PC 1: two entries (the record of software 9 is left out), PC 2 none.
    EXPECT_NE(page.find("  <tr height='30'>    <td align='center' rowspan='2'>영업부</td>"
                        "    <td align='center' rowspan='2'>홍길동<br>(PC-1)<br>10.0.0.1</td>"
                        "    <td align='center'>Word</td>    <td align='center'>Acme</td>    <td align='center'>SER-1</td>"
                        "<td align='right' style='font-size:8pt'>1,000&nbsp;</td>  </tr>  <tr>    <td align='center'>Viewer</td>"),
              std::string::npos)
        << page;
    EXPECT_NE(page.find("<b>합 계 : 2개</b></td><td height='30' align='center'><b>999</b>  </tr>  </table>"),
              std::string::npos);
    EXPECT_NE(page.find("    <td align='center' rowspan='1'>김철수<br>(PC-2)<br>10.0.0.2</td>"
                        "    <td align='center'>&nbsp;</td>    <td align='center'>&nbsp;</td>    <td align='center'>&nbsp;</td>"
                        "    <td align='center'>&nbsp;</td>  </tr>  <tr>    <td height='30' colspan='5' align='center'>"
                        "<b>합 계 : 0개</b></td><td height='30' align='center'><b>0</b>  </tr>"),
              std::string::npos)
        << page;
    EXPECT_NE(page.find("class='total'>총 합계 : 2개</td><td height='40' align='center' class='total'><b>999</b></td>"),
              std::string::npos);
    EXPECT_EQ(page.find("gone"), std::string::npos);
    EXPECT_EQ(page.rfind("<html><head><title>PC별 사용현황 - Scrutinex8.0</title><meta http-equiv='Content-Type' "
                         "content='text/html; charset=euc-kr'><style>  td { font-size: 10pt;",
                         0),
              0u);
    EXPECT_EQ(page.find(".comment"), std::string::npos);  // that rule belongs to the SW report only

    std::string plain = BuildUsageReportPage(UsageReportKind::kPc, *result, Flags(UsageReportKind::kPc));
    EXPECT_NE(plain.find("    <td height='30' colspan='4' align='center'><b>합 계 : 0개</b></td>  </tr>"), std::string::npos);
    EXPECT_NE(plain.find("    <td height='40' align='center' class='total'>총 합계 : 2개</td>  </tr>"), std::string::npos);
    EXPECT_EQ(plain.find("SER-1"), std::string::npos);
}

TEST(TestUsageReport, HostileValuesAreEscapedInBothReports) {
    test::TempHome home;
    const std::string hostile = "1.0<script>alert('x')</script>&co";
    auto result = Result(home, {"1\t<b>g</b>\tpc\tu&i\t-\t-\t0\t1.2.3.4"}, {Sw(1, hostile, "0", "1", "0", "0", "<i>")},
                         {"1\t1\ta.exe\tC:\\\t-\t<img src=x>\t-"});
    std::string sw = BuildUsageReportPage(UsageReportKind::kSoftware, *result, Flags(UsageReportKind::kSoftware));
    std::string pc = BuildUsageReportPage(UsageReportKind::kPc, *result, Flags(UsageReportKind::kPc, {{kPcColSerial, true}}));
    for (const std::string* page : {&sw, &pc}) {
        EXPECT_EQ(page->find("<script>"), std::string::npos);
        EXPECT_NE(page->find("1.0&lt;script&gt;alert('x')&lt;/script&gt;&amp;co"), std::string::npos);
    }
    EXPECT_NE(sw.find(">&lt;i&gt;</td>"), std::string::npos);
    EXPECT_NE(pc.find(">&lt;b&gt;g&lt;/b&gt;</td>"), std::string::npos);
    EXPECT_NE(pc.find(">u&amp;i<br>"), std::string::npos);
    EXPECT_NE(pc.find(">&lt;img src=x&gt;</td>"), std::string::npos);
}

TEST(TestUsageReport, WritesCodePage949FilesUnderFixedNames) {
    test::TempHome home;
    auto result = Result(home, {}, {Sw(1, "한글", "0", "1")}, {});
    test::ScriptedPrompter prompter;
    for (auto kind : {UsageReportKind::kSoftware, UsageReportKind::kPc}) {
        std::string path = WriteUsageReport(kind, *result, Flags(kind), prompter);
        EXPECT_EQ(path, home.Path() + "CheckOut/RST/" + std::string(UsageReportName(kind)) + ".html");
        std::string bytes = test::ReadBytes(path);
        EXPECT_EQ(platform::Utf8FromCp949(bytes), BuildUsageReportPage(kind, *result, Flags(kind)));
        EXPECT_EQ(bytes.find("\xEC"), std::string::npos);  // no UTF-8 lead bytes of Hangul left
    }
    // A folder that cannot be made gives the empty text; so does a file that cannot be written.
    test::WriteBytes(home.File("plain"), "x");
    EXPECT_EQ(WriteUsageReport(UsageReportKind::kSoftware, *result, Flags(UsageReportKind::kSoftware), prompter,
                               home.File("plain") + "/sub"),
              "");
    ASSERT_EQ(::mkdir(home.File("ro").c_str(), 0700), 0);
    std::string blocked = home.File("ro/SW별 사용현황.html");
    ASSERT_EQ(::mkdir(blocked.c_str(), 0700), 0);  // a folder where the file should go
    EXPECT_EQ(WriteUsageReport(UsageReportKind::kSoftware, *result, Flags(UsageReportKind::kSoftware), prompter,
                               home.File("ro")),
              "");
    EXPECT_EQ(prompter.shown.size(), 1u);
}

}  // namespace
