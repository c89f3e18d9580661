// The spreadsheet exports of a result: file name, frame, item blocks, messages, escaping, and two
// exports within one second.

#include <gtest/gtest.h>

#include <filesystem>

#include "core/docs/file_rst.h"
#include "hub/report/install_export.h"
#include "hub/report/spreadsheet_export.h"
#include "platform/codepage.h"
#include "tests/support/record_builders.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/temp_home.h"

using namespace scx;

namespace {

std::unique_ptr<CFileRST> Result(const test::TempHome& home) {
    test::WriteRecordFile(
        home.File("r.rst"),
        test::RecordText({{"#HEADER", {"2"}},
                          {"#BASEINFO", {}},
                          {"#USERINFO", {"1\t영업부\tPC-1\t홍길동\t-\t-\t0\t10.0.0.1", "2\t<g>\tPC-2\tA&B\t-\t-\t1\t10.0.0.2"}},
                          {"#SWLIST",
                           {"1\t1\t0\tAcme\tWord\t0\t2\t-\t0\t-\t-\t-\t0", "2\t2\t0\tFoo\t<b>x</b>\t0\t1\tOS\t4\t-\t-\t-\t0",
                            "3\t1\t0\tNone\tUnused\t0\t0\t-\t9\t-\t-\t-\t0"}},
                          {"#PCHISTORY",
                           {"1\t1\tw.exe\tC:\\W\\\t2026-01-02\tS-1\t2025-01-01", "2\t2\tx.exe\tC:\\X\\\t-\t-\t-",
                            "9\t1\tlost.exe\tC:\\\t-\t-\t-", "2\t1\tw.exe\tD:\\W\\\t-\t<s>\t-"}}}));
    auto result = std::make_unique<CFileRST>();
    EXPECT_EQ(result->Load(home.File("r.rst"), true), 1);
    return result;
}

TEST(TestSpreadsheetExport, FileNameCarriesTitleAndKoreanDateTime) {
    std::tm when{};
    when.tm_year = 117;
    when.tm_mon = 3;
    when.tm_mday = 18;
    when.tm_hour = 9;
    when.tm_min = 30;
    when.tm_sec = 5;
    EXPECT_EQ(ExportFileName("/x/", "SW별 설치내역", when), "/x/SW별 설치내역_2017년04월18일09시30분05초.xls");
    EXPECT_EQ(ExportFileName("/x", "t", when), "/x/t_2017년04월18일09시30분05초.xls");
}

TEST(TestSpreadsheetExport, BlocksPerSoftwareAndPerPc) {
    test::TempHome home;
    auto result = Result(home);
    std::string perSw = BuildInstallExportBody(InstallExportKind::kPerSoftware, *result, {0, 2});
    EXPECT_EQ(perSw,
              "<br><table><tr><td colspan=11 align=left><bold>Acme Word</td></tr></table>\n\r<table border=1><tr>"
              "<td bgcolor=ffbf02>순번</td><td bgcolor=ffbf02>회사(부서)명</td><td bgcolor=ffbf02>사용자명</td>"
              "<td bgcolor=ffbf02>컴퓨터명</td><td bgcolor=ffbf02>IP</td><td bgcolor=ffbf02>실행파일명</td>"
              "<td bgcolor=ffbf02>파일경로</td><td bgcolor=ffbf02>설치일</td><td bgcolor=ffbf02>최종사용일</td>"
              "<td bgcolor=ffbf02>제품시리얼</td><td bgcolor=ffbf02>PC종류</td></tr>"
              "<tr><td>001</td><td>영업부</td><td>홍길동</td><td>PC-1</td><td>10.0.0.1</td><td>w.exe</td><td>C:\\W\\</td>"
              "<td>2025-01-01</td><td>2026-01-02</td><td>S-1</td><td>브랜드</td></tr>\n\r"
              "<tr><td>002</td><td>&lt;g&gt;</td><td>A&amp;B</td><td>PC-2</td><td>10.0.0.2</td><td>w.exe</td><td>D:\\W\\</td>"
              "<td>-</td><td>-</td><td>&lt;s&gt;</td><td>조립</td></tr>\n\r</table>\n\r"
              // a software without install records: the caption row only
              "<br><table><tr><td colspan=11 align=left><bold>None Unused</td></tr></table>\n\r<table border=1><tr>"
              "<td bgcolor=ffbf02>순번</td><td bgcolor=ffbf02>회사(부서)명</td><td bgcolor=ffbf02>사용자명</td>"
              "<td bgcolor=ffbf02>컴퓨터명</td><td bgcolor=ffbf02>IP</td><td bgcolor=ffbf02>실행파일명</td>"
              "<td bgcolor=ffbf02>파일경로</td><td bgcolor=ffbf02>설치일</td><td bgcolor=ffbf02>최종사용일</td>"
              "<td bgcolor=ffbf02>제품시리얼</td><td bgcolor=ffbf02>PC종류</td></tr></table>\n\r");

    std::string perPc = BuildInstallExportBody(InstallExportKind::kPerPc, *result, {1, 7});
    EXPECT_EQ(perPc,
              "<br><table><tr><td colspan=11 align=left><bold>A&amp;B 10.0.0.2</td></tr></table>\n\r<table border=1><tr>"
              "<td bgcolor=ffbf02>순번</td><td bgcolor=ffbf02>구분</td><td bgcolor=ffbf02>유형</td>"
              "<td bgcolor=ffbf02>저작권사</td><td bgcolor=ffbf02>프로그램명</td><td bgcolor=ffbf02>실팽파일명</td>"
              "<td bgcolor=ffbf02>파일경로</td><td bgcolor=ffbf02>설치일</td><td bgcolor=ffbf02>최종사용일</td>"
              "<td bgcolor=ffbf02>제품시리얼</td><td bgcolor=ffbf02>비고</td></tr>"
              "<tr><td>001</td><td>2</td><td>Conditional</td><td>Foo</td><td>&lt;b&gt;x&lt;/b&gt;</td><td>x.exe</td>"
              "<td>C:\\X\\</td><td>-</td><td>-</td><td>-</td><td>OS</td></tr>\n\r"
              "<tr><td>002</td><td>1</td><td>상용</td><td>Acme</td><td>Word</td><td>w.exe</td>"
              "<td>D:\\W\\</td><td>-</td><td>-</td><td>&lt;s&gt;</td><td></td></tr>\n\r</table>\n\r");
}

TEST(TestSpreadsheetExport, ExportWritesCodePage949AndNeverReplacesAFile) {
    test::TempHome home;
    auto result = Result(home);
    test::ScriptedPrompter prompter;
    std::string folder = home.File("out");
    std::filesystem::create_directory(folder);

    // Same moment twice: the second file takes the next free name; the first is kept.
    std::time_t now = std::time(nullptr);
    std::string text = ExportHead("SW별 설치내역", 4) + "<p>1</p>";
    std::string first = SaveSpreadsheetExport(folder, "SW별 설치내역", text, prompter, now);
    std::string second = SaveSpreadsheetExport(folder, "SW별 설치내역", ExportHead("SW별 설치내역", 4), prompter, now);
    std::tm local{};
    localtime_r(&now, &local);
    EXPECT_EQ(first, ExportFileName(folder, "SW별 설치내역", local));
    EXPECT_EQ(second, first.substr(0, first.size() - 4) + "_2.xls");
    EXPECT_EQ(platform::Utf8FromCp949(test::ReadBytes(first)), text);
    EXPECT_EQ(test::ReadBytes(first).rfind("<meta", 0), 0u);  // no byte-order mark
    EXPECT_EQ(test::ReadBytes(first).find("\xEC"), std::string::npos);  // Hangul in code page 949
    EXPECT_EQ(prompter.shown, (std::vector<std::string>{"엑셀 저장완료", "엑셀 저장완료"}));

    prompter.shown.clear();
    EXPECT_EQ(SaveSpreadsheetExport(home.File("missing"), "t", "x", prompter, now), "");
    EXPECT_EQ(prompter.shown, (std::vector<std::string>{"엑셀 저장실패"}));

    prompter.shown.clear();
    EXPECT_EQ(ExportInstallRecords(InstallExportKind::kPerPc, *result, {}, folder, prompter), "");
    EXPECT_EQ(ExportInstallRecords(InstallExportKind::kPerPc, *result, {5}, folder, prompter), "");
    EXPECT_EQ(prompter.shown, (std::vector<std::string>{"대상을 선택하세요.", "대상을 선택하세요."}));
    EXPECT_EQ(ExportInstallRecords(InstallExportKind::kPerPc, *result, {0}, "", prompter), "");  // chooser cancelled

    std::string path = ExportInstallRecords(InstallExportKind::kPerPc, *result, {0, 1}, folder, prompter);
    ASSERT_FALSE(path.empty());
    std::string written = platform::Utf8FromCp949(test::ReadBytes(path));
    EXPECT_EQ(written.rfind("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=euc-kr\">"
                            "<table><tr><td colspan=4 align=left><font size=4><bold>PC별 설치내역</td></tr></table>"
                            "<br><table><tr><td colspan=11 align=left><bold>홍길동 10.0.0.1</td></tr></table>",
                            0),
              0u);
    EXPECT_EQ(TableRowOfRowNumber("001"), 0);
    EXPECT_EQ(TableRowOfRowNumber("0000"), -1);
    EXPECT_EQ(TableRowOfRowNumber("x"), -1);
}

}  // namespace
