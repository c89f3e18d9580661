#include <gtest/gtest.h>

#include "core/codec.h"
#include "core/text_util.h"
#include "core/db/file_package.h"
#include "core/docs/file_tls.h"
#include "core/docs/table_order.h"
#include "core/folders.h"
#include "core/record_kinds.h"
#include "platform/file.h"
#include "tests/support/record_builders.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/temp_home.h"

using namespace scx;
using test::Program;

namespace {

// Writes an inspection result into CheckOut/IPT and loads it.
struct Ipt {
    Ipt(const test::TempHome& home, const std::string& name, std::string_view kinds,
        const std::vector<Program>& programs) {
        EnsureFolder(GetCheckOutFolder("IPT"));
        test::WriteRecordFile(GetCheckOutFolder("IPT") + name, test::IptText(name, kinds, programs));
        (void)home;
        EXPECT_EQ(file.Load(name, false), 1);
    }
    CFileIPT file;
};

// A package list: 500 has parts 10 and 20 with editions "10;20;" (named Pro) and "10;" (Lite,
// only when `withLite`).
std::unique_ptr<CFilePackage> PackageList(const test::TempHome& home, bool withLite) {
    std::vector<std::string> subs = {"500\tPro\t9000\t10;20;"};
    if (withLite) subs.push_back("500\tLite\t5000\t10;");
    subs.push_back("600\t-\t100\t30;");
    test::WriteRecordFile(home.File("package.dat"),
                          test::RecordText({{"#HEADER", {"1"}},
                                            {"#PACKAGE", {"500\tSuiteCo\tSuite\t0\t-\t-\t-\t10;20",
                                                          "600\tOther\tSolo\t1\t-\t-\t-\t30"}},
                                            {"#SUB", subs}}));
    auto list = std::make_unique<CFilePackage>();
    EXPECT_EQ(list->Load(home.File("package.dat"), true), 1);
    return list;
}

std::string DecodedFile(const std::string& path) {
    return DecodeScrambledText(*platform::ReadFileBytes(path));
}

}  // namespace

TEST(TotalList, NextIdIsOneMoreThanTheLargestId) {
    struct Case {
        std::vector<std::string> ids;
        long long next;
    } cases[] = {{{"0", "1", "5"}, 6}, {{}, 0}, {{"x", "-"}, 0}, {{"7", "abc", "3"}, 8}};
    for (const auto& c : cases) {
        CIdTable ids("#USERINFO");
        CTableMulti plain("#USERINFO");
        ids.SetColumns("ID\tNAME", "\t");
        plain.SetColumns("ID\tNAME", "\t");
        for (const auto& id : c.ids) {
            ids.AddRowText(id + "\tn", "\t");
            plain.AddRowText(id + "\tn", "\t");
        }
        EXPECT_EQ(NextId(ids), c.next);
        EXPECT_EQ(NextId(plain), c.next);
    }
    CIdTable ids("#SWLIST");
    ids.SetColumns("ID\tNAME", "\t");
    ids.AddRowText("4\ta", "\t");
    ids.AddRowText("9\tb", "\t");
    ids.DeleteRow(1);
    EXPECT_EQ(NextId(ids), 5);
    ids.SetCell(0, "ID", "41");
    EXPECT_EQ(NextId(ids), 42);
}

// The index must answer exactly what a scan of the rows in order answers, through every kind of
// change the operations make.
TEST(TotalList, SoftwareLookupAgreesWithAScanThroughEveryChange) {
    CSoftwareTable table("#SWLIST");
    table.SetColumns(std::string(
                         "ID\tGUBUN\tDB_ID\tCOMPANY\tPRODUCT\tPRICE\tINSTALL_CNT\tETC\tSW_TYPE\tGRP_ID\tGRP_NAME\tGRP_SEQ"),
                     "\t");
    const char* companies[] = {"Acme", "ACME", "한빛", "Ωmega", "ωMEGA"};
    const char* products[] = {"Word", "word", "오피스", "Ära", "äRA"};
    unsigned seed = 12345;
    auto next = [&seed](unsigned n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % n;
    };
    auto scan = [&](const std::string& g, const std::string& c, const std::string& p) {
        for (int i = 0; i < table.GetRowCount(); ++i)
            if (IsSameText(table.GetCell(i, "GUBUN"), g, true) && IsSameText(table.GetCell(i, "COMPANY"), c, true) &&
                IsSameText(table.GetCell(i, "PRODUCT"), p, true))
                return i;
        return -1;
    };
    for (int step = 0; step < 2000; ++step) {
        std::string g = std::to_string(next(3)), c = companies[next(5)], p = products[next(5)];
        switch (next(6)) {
            case 0:
            case 1:
                table.AddRowText(std::to_string(step) + "\t" + g + "\t0\t" + c + "\t" + p + "\t0\t1\t-\t0\t-\t-\t-", "\t");
                break;
            case 2: table.DeleteRow(static_cast<int>(next(table.GetRowCount() + 1))); break;
            case 3: table.SetCell(static_cast<int>(next(table.GetRowCount() + 1)), "PRODUCT", p); break;
            case 4: table.SetCell(static_cast<int>(next(table.GetRowCount() + 1)), "INSTALL_CNT", "7"); break;
            case 5: {
                std::vector<int> order;
                for (int i = table.GetRowCount() - 1; i >= 0; --i) order.push_back(i);
                ReorderRows(table, order);
                break;
            }
        }
        ASSERT_EQ(table.FindSoftware(g, c, p), scan(g, c, p)) << "step " << step;
    }
}

TEST(TotalList, MergeCountsSoftwareByGubunAndDisplayNamesIgnoringCase) {
    test::TempHome home;
    CFileTLS total;
    total.Header().AddRowText("2", "\t");
    Ipt a(home, "a.ipt", "0",
          {{.gubun = "1", .dbId = "1", .dispCompany = "Acme", .dispProduct = "Word"},
           {.gubun = "2", .dbId = "0", .company = "Raw", .product = "Tool", .exe = "tool.exe"}});
    Ipt b(home, "b.ipt", "1",
          {{.gubun = "1", .dbId = "1", .dispCompany = "ACME", .dispProduct = "WORD"},
           {.gubun = "2", .dbId = "0", .dispCompany = "Acme", .dispProduct = "Word"},
           {.gubun = "2", .dbId = "0", .company = "Raw", .product = "Tool", .exe = "tool.exe"}});
    ASSERT_EQ(total.MergeIpt(a.file), 1);
    ASSERT_EQ(total.MergeIpt(b.file), 1);

    ASSERT_EQ(total.UserInfo().GetRowCount(), 2);
    EXPECT_EQ(total.UserInfo().GetRowText(1), "1\t총무팀\tb.ipt\t사용자-b.ipt\t-\t-\t1\t10.0.0.1");
    ASSERT_EQ(total.SwList().GetRowCount(), 3);
    // The form met first is the one stored; the same names with GUBUN 2 are another program.
    EXPECT_EQ(total.SwList().GetRowText(0), "0\t1\t1\tAcme\tWord\t1000\t2\t-\t0\t-\t-\t-");
    EXPECT_EQ(total.SwList().GetRowText(1), "1\t2\t0\tRaw\tTool\t1000\t2\t-\t0\t-\t-\t-");
    EXPECT_EQ(total.SwList().GetRowText(2), "2\t2\t0\tAcme\tWord\t1000\t1\t-\t0\t-\t-\t-");
    ASSERT_EQ(total.PcHistory().GetRowCount(), 5);
    EXPECT_EQ(total.PcHistory().GetRowText(0), "0\t0\tword.exe\tC:\\P\\word.exe\\\t2026-12-01\t-\t2026-01-02");
    EXPECT_EQ(total.PcHistory().GetCell(2, "USER_ID"), "1");
    EXPECT_EQ(total.PcHistory().GetCell(2, "SW_ID"), "0");
    // Only new programs of GUBUN 2 leave their version-resource values.
    ASSERT_EQ(total.KeyList().GetRowCount(), 2);
    EXPECT_EQ(total.KeyList().GetRowText(0), "Raw\tTool\t1.0\ttool.exe\ttool.exe");
    EXPECT_EQ(total.KeyList().GetRowText(1), "Acme\tWord\t1.0\tword.exe\tword.exe");
}

TEST(TotalList, FoldsPartsIntoTheEditionWhoseSuitMatchesExactly) {
    test::TempHome home;
    auto packages = PackageList(home, false);
    struct Case {
        std::vector<Program> programs;
        bool withLite;
        std::vector<std::string> software;
    } cases[] = {
        // Parts in any order make "10;20;": one package row, the parts gone.
        {{{.dbId = "20", .product = "Calc", .exe = "calc.exe"}, {.dbId = "10", .exe = "word.exe"},
          {.dbId = "7", .product = "Else", .exe = "else.exe"}},
         false,
         {"0\t0\t500\tSuiteCo\tSuite(Pro)\t9000\t1\t-\t0\t-\t-\t-", "1\t1\t7\tAcme\tElse\t1000\t1\t-\t0\t-\t-\t-"}},
        // Part 10 alone folds only into an edition made of it alone.
        {{{.dbId = "10"}}, false, {"0\t1\t10\tAcme\tWord\t1000\t1\t-\t0\t-\t-\t-"}},
        {{{.dbId = "10"}}, true, {"0\t0\t500\tSuiteCo\tSuite(Lite)\t5000\t1\t-\t0\t-\t-\t-"}},
        // Two full sets on one PC count the package twice; an edition named "-" adds no name.
        {{{.dbId = "10"}, {.dbId = "20"}, {.dbId = "20"}, {.dbId = "10"}, {.dbId = "30"}},
         false,
         {"0\t0\t500\tSuiteCo\tSuite(Pro)\t9000\t2\t-\t0\t-\t-\t-", "1\t0\t600\tOther\tSolo\t100\t1\t-\t1\t-\t-\t-"}},
    };
    for (const auto& c : cases) {
        auto list = PackageList(home, c.withLite);
        CFileTLS total;
        total.SetPackageList(list.get());
        Ipt pc(home, "pc.ipt", "0", c.programs);
        ASSERT_EQ(total.MergeIpt(pc.file), 1);
        std::vector<std::string> software;
        for (int i = 0; i < total.SwList().GetRowCount(); ++i) software.push_back(total.SwList().GetRowText(i));
        EXPECT_EQ(software, c.software);
    }
    // The install record of a package lists its parts' values, highest IPT row first.
    CFileTLS total;
    total.SetPackageList(packages.get());
    Ipt pc(home, "pc.ipt", "0", {{.dbId = "20", .exe = "calc.exe"}, {.dbId = "10", .exe = "word.exe"}});
    ASSERT_EQ(total.MergeIpt(pc.file), 1);
    EXPECT_EQ(total.PcHistory().GetRowText(0),
              "0\t0\tword.exe;calc.exe;\tC:\\P\\word.exe\\;C:\\P\\calc.exe\\;\t2026-12-01;2026-12-01;\t-;-;\t"
              "2026-01-02;2026-01-02;");
    EXPECT_EQ(pc.file.SwList().GetRowCount(), 0);
    // Without a package list every part counts on its own.
    CFileTLS plain;
    Ipt again(home, "pc2.ipt", "0", {{.dbId = "20", .product = "Calc"}, {.dbId = "10"}});
    plain.MergeIpt(again.file);
    EXPECT_EQ(plain.SwList().GetRowCount(), 2);
}

TEST(TotalList, SortOrdersByPrimaryThenSecondaryKeepingEqualRows) {
    CFileTLS total;
    for (const char* row : {"0\t2\t0\tbeta\tA", "1\t1\t0\tZeta\tB", "2\t0\t0\tMid\tC", "3\t1\t0\talpha\tD",
                            "4\t1\t0\tZETA\tE"})
        total.SwList().AddRowText(std::string(row) + "\t0\t1\t-\t0\t-\t-\t-", "\t");
    auto ids = [&] {
        std::string order;
        for (int i = 0; i < total.SwList().GetRowCount(); ++i) order += total.SwList().GetCell(i, "ID");
        return order;
    };
    SortSoftwareRows(total, "GUBUN", true, "COMPANY");
    EXPECT_EQ(ids(), "23140");
    SortSoftwareRows(total, "GUBUN", false, "");
    EXPECT_EQ(ids(), "03142");
    SortSoftwareRows(total, "COMPANY", false, "PRODUCT");
    EXPECT_EQ(ids(), "41203");
    // IDs moved with their rows: the lookup follows them.
    EXPECT_EQ(total.SwList().FindSoftware("1", "zeta", "b"), 1);
}

TEST(TotalList, WritesTheExactFormatAndLoadsBackInEveryReader) {
    test::TempHome home;
    CFileTLS total;
    total.Header().AddRowText("2", "\t");
    Ipt pc(home, "pc.ipt", "0", {{.gubun = "2", .dbId = "0", .exe = ""}});
    total.MergeIpt(pc.file);
    ASSERT_EQ(total.SaveAs("out.tls", false), 1);
    std::string path = GetCheckOutFolder("TLS") + "out.tls";
    EXPECT_EQ(DecodedFile(path),
              "#HEADER_START\r\n2\r\n#HEADER_END\r\n"
              "#USERINFO_START\r\n0\t총무팀\tpc.ipt\t사용자-pc.ipt\t-\t-\t0\t10.0.0.1\r\n#USERINFO_END\r\n"
              "#SWLIST_START\r\n0\t2\t0\tAcme\tWord\t1000\t1\t-\t0\t-\t-\t-\r\n#SWLIST_END\r\n"
              "#PCHISTORY_START\r\n0\t0\t-\tC:\\P\\\\\t2026-12-01\t-\t2026-01-02\r\n#PCHISTORY_END\r\n"
              "#KEYLIST_START\r\nAcme\tWord\t1.0\t-\t-\r\n#KEYLIST_END\r\n");
    CFileTLS back;
    ASSERT_EQ(back.Load("out.tls", false), 1);
    EXPECT_EQ(back.BuildFileBytes(), total.BuildFileBytes());
    EXPECT_EQ(back.SwList().FindSoftware("2", "ACME", "word"), 0);
    CFileRecordView view(*FindRecordKind("tls"));
    EXPECT_EQ(view.Load(path, true), 1);
    EXPECT_EQ(view.BuildFileBytes(), total.BuildFileBytes());
}

TEST(TotalList, SaveAsFailureTellsTheUser) {
    test::TempHome home;
    test::ScriptedPrompter prompter;
    CFileTLS total(&prompter);
    total.Header().AddRowText("2", "\t");
    EXPECT_EQ(total.SaveAs(home.File("missing/folder/out.tls"), true), 0);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].rfind("MAKE TLS FAIL.\r\n\r\n", 0), 0u);
    EXPECT_GT(prompter.shown[0].size(), std::string("MAKE TLS FAIL.\r\n\r\n").size());
}
