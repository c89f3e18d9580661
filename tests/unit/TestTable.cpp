#include <gtest/gtest.h>

#include "core/table.h"

using namespace scx;

TEST(TableMulti, RowsMustMatchTheColumns) {
    CTableMulti t("#SWLIST");
    t.SetColumns("ID\tNAME\tVER", "\t");
    EXPECT_EQ(t.FindColumn("NAME"), 1);
    EXPECT_EQ(t.FindColumn("name"), -1);  // column names compare exactly
    EXPECT_EQ(t.AddRowText("1\tWord\t", "\t"), -1);  // two fields: no trailing field is made
    EXPECT_EQ(t.AddRowText("1\tWord\t2.0", "\t"), 0);
    EXPECT_EQ(t.AddRow({"2", "Excel", "-"}), 1);
    EXPECT_EQ(t.AddRow({"3", "x"}), -1);
    EXPECT_EQ(t.GetRowCount(), 2);

    EXPECT_EQ(t.SetCell(1, "VER", "3.1"), 1);
    EXPECT_EQ(t.SetCell(2, "VER", "3.1"), 0);
    EXPECT_EQ(t.SetCell(0, "NOPE", "3.1"), 0);
    EXPECT_EQ(t.GetCell(1, "VER"), "3.1");
    EXPECT_EQ(t.GetCell(9, "VER"), "ERROR : NULL");
    EXPECT_EQ(t.GetCell(9, "NOPE"), "ERROR : Out Of Bounds Index");  // column checked first
    EXPECT_EQ(t.GetRowText(0), "1\tWord\t2.0");
    EXPECT_EQ(t.GetRowText(5), "");

    EXPECT_EQ(t.DeleteRow(0), 1);
    EXPECT_EQ(t.GetCell(0, "ID"), "2");  // later rows move up
    EXPECT_EQ(t.DeleteRow(1), 0);
    EXPECT_EQ(t.GetRow(-1), nullptr);

    t.Clear();
    EXPECT_EQ(t.GetRowCount(), 0);
    EXPECT_TRUE(t.Columns().empty());
    EXPECT_EQ(t.AddRow({}), 0);  // a cleared table takes only rows of zero fields
}

TEST(TableSingle, FitsItsOneRowToTheColumns) {
    CTableSingle t("#HEADER");
    t.SetColumns("VERSION\tDATE\tNOTE", "\t");
    EXPECT_EQ(t.GetRowCount(), 0);
    EXPECT_EQ(t.GetCell(0, "DATE"), "ERROR : NULL");  // no values yet: no fault
    EXPECT_EQ(t.AddRowText("1\t20260101", "\t"), 0);
    EXPECT_EQ(t.GetRowText(0), "1\t20260101\t-");   // padded with "-"
    EXPECT_EQ(t.AddRow({"2", "a", "b", "c"}), 0);
    EXPECT_EQ(t.GetRowText(7), "2\ta\tb");          // surplus cut; any index is row 0
    EXPECT_EQ(t.SetCell(0, "DATE", "x"), 0);
    EXPECT_EQ(t.DeleteRow(1), 1);
    EXPECT_EQ(t.GetRowText(0), "2\tb");
    EXPECT_EQ(t.GetCell(0, "NOTE"), "ERROR : NULL");  // column index beyond the shortened row
    EXPECT_EQ(t.DeleteRow(5), 0);
}
