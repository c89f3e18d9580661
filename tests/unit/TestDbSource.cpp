#include <gtest/gtest.h>

#include "core/db/db_source.h"
#include "core/db/file_package.h"

using namespace scx;

namespace {

const std::string kGood =
    "# "
    "packages\n\n#HEADER\nVersion\n7\n#PACKAGE\nDB_ID\tCOMPANY\tPRODUCT\tSW_TYPE\tGRP_ID\tGRP_"
    "NAME\tGRP_SEQ\tSUIT\r\n"
    "900\tAcme\tAcme Office\t0\t90\t\xEC\x98\xA4\xED\x94\xBC\xEC\x8A\xA4\t1\t1;2\n"
    "#SUB\nPACKAGE_ID\tNAME\tPRICE\tSUIT\n900\t\t10\t1;2;\n";

}  // namespace

TEST(DbSource, ReadsSectionsInAnyOrder) {
    CFilePackage file;
    std::string error;
    ASSERT_TRUE(ReadDatabaseSource(kGood, file, error)) << error;
    EXPECT_EQ(file.Header().GetRowText(0), "7");
    EXPECT_EQ(file.Packages().GetCell(0, "GRP_NAME"), "\xEC\x98\xA4\xED\x94\xBC\xEC\x8A\xA4");
    EXPECT_EQ(file.Subs().GetRowText(0), "900\t-\t10\t1;2;");  // an empty value is stored as "-"
}

TEST(DbSource, RejectsMalformedSourcesWithTheLine) {
    auto replace = [](std::string text, std::string_view from, std::string_view to) {
        return text.replace(text.find(from), from.size(), to);
    };
    struct Case {
        std::string text;
        std::string error;
    } cases[] = {
        {replace(kGood, "#SUB\n", "#SUBS\n"), "line 9: unknown section #SUBS"},
        {replace(kGood, "NAME\tPRICE", "PRICE\tNAME"),
         "line 10: #SUB columns must be: PACKAGE_ID\tNAME\tPRICE\tSUIT"},
        {replace(kGood, "900\t\t10\t1;2;\n", "900\t10\t1;2;\n"),
         "line 11: 3 values, #SUB has 4 columns"},
        {replace(kGood, "\n7\n", "\n7\n8\n"), "line 6: #HEADER holds one row only"},
        {replace(kGood, "#SUB\nPACKAGE_ID\tNAME\tPRICE\tSUIT\n900\t\t10\t1;2;\n", ""),
         "section #SUB is missing"},
        {"900\tAcme\n" + kGood, "line 1: a row before the first section line"},
        {kGood + "#HEADER\nVersion\n", "line 12: section #HEADER given twice"},
    };
    for (const auto& c : cases) {
        CFilePackage file;
        std::string error;
        EXPECT_FALSE(ReadDatabaseSource(c.text, file, error));
        EXPECT_EQ(error, c.error);
    }
}
