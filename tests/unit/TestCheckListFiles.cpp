#include <gtest/gtest.h>

#include "core/db/file_checklist.h"
#include "core/db/file_filter.h"
#include "core/db/file_package.h"
#include "core/db/file_user_checklist.h"
#include "tests/support/temp_home.h"

using namespace scx;

namespace {

std::string Section(std::string_view name, std::initializer_list<std::string_view> rows) {
    std::string text = std::string(name) + "_START\r\n";
    for (auto row : rows) text += std::string(row) + "\r\n";
    return text + std::string(name) + "_END\r\n";
}

// Writes the record file and loads it into a fresh object of the class.
template <typename File>
void LoadFrom(File& file, const test::TempHome& home, const std::string& text) {
    test::WriteBytes(home.File("db.dat"), test::ScrambledFromText(text));
    ASSERT_EQ(file.Load(home.File("db.dat"), true), 1);
}

const std::string kHeader = Section("#HEADER", {"2026121101"});

}  // namespace

TEST(CheckListFiles, CheckListLookupsFollowTheIndexRules) {
    test::TempHome home;
    CFileCheckList list;
    LoadFrom(
        list, home,
        kHeader + Section("#CHECKLIST",
                          {
                              "1001\tAcme\tWord\t17\tWORD.EXE\tWord.exe\tA\tW\t1\t0\t1\tg\t1\t-",
                              "1002\tAcme\tWord\t17\tWORD.EXE\tword.exe\tA\tW2\t1\t0\t1\tg\t2\t-",
                              "1003\tNorthwind\tCAD\xC2\xAE "
                              "2020\t20.1\tnwcad.exe\tnwcad.exe\tN\tC\t1\t0\t1\tg\t1\t-",
                              "1004\t\xED\x95\x9C\xEB\xB9\x9B\tWriter\t11\tHW.EXE\thw."
                              "exe\tH\tW\t1\t0\t1\tg\t1\t-",
                              "1005\ttoo\tfew\tfields",
                          }));
    const auto& table = list.CheckList();
    ASSERT_EQ(table.GetRowCount(), 4);  // the short row is skipped
    struct Case {
        const char* what;
        int row;
        int want;
    } cases[] = {
        {"the later of two equal keys wins", list.FindByKey("Acme\tWord\t17\tWORD.EXE"), 1},
        {"letter case of any part does not matter", list.FindByKey("ACME\tword\t17\tword.exe"), 1},
        {"a stripped symbol matches when the caller stripped it",
         list.FindByKey("northwind\tCAD 2020\t20.1\tnwcad.exe"), 2},
        {"an unstripped symbol does not match",
         list.FindByKey("Northwind\tCAD\xC2\xAE 2020\t20.1\tnwcad.exe"), -1},
        {"Korean company name", list.FindByKey("\xED\x95\x9C\xEB\xB9\x9B\tWriter\t11\tHW.EXE"), 3},
        {"a skipped row is invisible", list.FindByKey("too\tfew\tfields\t-"), -1},
        {"file name, any case, last wins", list.FindByExe("WORD.exe"), 1},
        {"file name unknown", list.FindByExe("excel.exe"), -1},
        {"database id", list.FindByDbId("1003"), 2},
        {"database id is exact", list.FindByDbId("01003"), -1},
        {"skipped row's id", list.FindByDbId("1005"), -1},
    };
    for (const auto& c : cases) EXPECT_EQ(c.row, c.want) << c.what;
    EXPECT_EQ(table.GetCell(list.FindByKey("acme\tword\t17\tword.exe"), "DISP_PRODUCT"), "W2");
    EXPECT_EQ(list.Header().GetCell(0, "Version"), "2026121101");
    EXPECT_EQ(CheckListKey("Northwind", "CAD\xC2\xAE 2020?", "20.1", "nwcad.exe"),
              "Northwind\tCAD 2020\t20.1\tnwcad.exe");
}

TEST(CheckListFiles, UserCheckListFindsByHashOnlyRowsThatHaveOne) {
    test::TempHome home;
    CFileUserCheckList list;
    const std::string sha = "cdd45dc3ed322743d25ff3e1d9abdc115c0bffcd";
    LoadFrom(
        list, home,
        kHeader +
            Section(
                "#CHECKLIST",
                {
                    "5001\tD\tL\t2.3\tL.exe\tlogiclient.exe\tD\tL\t0\t2\t1\tg\t1\t-\t10\t" + sha,
                    "5002\t-\tB\t-\t-\tbilling.exe\tD\tB\t0\t2\t1\tg\t2\t-\t20\t-",
                    "5003\tP\tS\t4\tp.exe\tpfstudio.exe\tP\tS\t0\t0\t1\tg\t1\t-\t30\tABCDEF0123",
                }));
    EXPECT_EQ(list.FindBySha1(sha), 0);
    EXPECT_EQ(list.FindBySha1("abcdef0123"), 2);
    EXPECT_EQ(list.FindBySha1("-"), -1);  // a row without hash is never found through its hash
    EXPECT_EQ(list.FindBySha1(""), -1);
    EXPECT_EQ(list.FindByExe("Billing.EXE"), 1);
    EXPECT_EQ(list.FindByDbId("5003"), 2);
}

TEST(CheckListFiles, FilterKeysAreLowerCasedButNotStripped) {
    test::TempHome home;
    CFileFilter filter;
    LoadFrom(filter, home,
             kHeader + Section("#SWLIST", {"Bluefin Labs\tZipster\xC2\xAE Agent\t6\tZipUpd.exe",
                                           "Acme\tHelper\t17"}));
    EXPECT_EQ(filter.FindByKey("BLUEFIN LABS\tzipster\xC2\xAE agent\t6\tzipupd.exe"), 0);
    EXPECT_EQ(filter.FindByKey("Bluefin Labs\tZipster Agent\t6\tZipUpd.exe"), -1);
    EXPECT_EQ(filter.SwList().GetRowCount(), 1);
}

TEST(CheckListFiles, PackageEditionsAndDisplayNames) {
    test::TempHome home;
    CFilePackage packages;
    LoadFrom(packages, home,
             kHeader +
                 Section("#PACKAGE", {"900\tAcme\tAcme Office\t0\t90\tg\t1\t1;2;3",
                                      "901\tHanbit\tHanbit Office\t0\t91\tg\t1\t4;5"}) +
                 Section("#SUB", {"900\tStandard\t10\t1;2;", "900\tPro\t20\t1;2;3;",
                                  "901\t-\t30\t4;5;", "900\tHome\t5\t1;", "902\tbroken"}));
    EXPECT_EQ(packages.GetSubRows("900"), "0;1;3");  // editions gathered across separate runs
    EXPECT_EQ(packages.GetSubRows("901"), "2");
    EXPECT_EQ(packages.GetSubRows("902"), "");
    EXPECT_EQ(packages.FindPackageRow("901"), 1);
    EXPECT_EQ(packages.FindPackageRow("903"), -1);
    EXPECT_EQ(packages.GetDisplayName(0, 1), "Acme Office(Pro)");
    EXPECT_EQ(packages.GetDisplayName(1, 2), "Hanbit Office");  // the edition's NAME is "-"
    EXPECT_EQ(packages.GetDisplayName(0, -1), "Acme Office");   // no such edition row
    EXPECT_EQ(packages.GetDisplayName(7, 0), "");
}

TEST(CheckListFiles, DatabaseFilesAreNeverWrittenByTheirReaders) {
    test::TempHome home;
    CFilePackage packages;
    LoadFrom(packages, home, kHeader + Section("#PACKAGE", {}) + Section("#SUB", {}));
    EXPECT_FALSE(packages.IsFileOpen());  // closed at the end of Load
    EXPECT_EQ(packages.Save(), 0);
    EXPECT_EQ(packages.SaveAs("package.dat", false), 0);
    EXPECT_EQ(packages.FindPackageRow("1"), -1);  // an empty table gives an empty index

    CFileCheckList list;
    LoadFrom(list, home, kHeader + Section("#CHECKLIST", {}));
    EXPECT_TRUE(list.IsFileOpen());  // held, denying others write access, while it lives
    EXPECT_FALSE(platform::WriteFileAtomically(home.File("db.dat"), "x"));
}
