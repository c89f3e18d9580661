#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <random>

#include "core/codec.h"
#include "core/file_framework.h"
#include "tests/support/temp_home.h"

using namespace scx;

namespace {

// A record file of two sections, held open after Load like the result files.
class CFileSample : public CFileFramework {
public:
    explicit CFileSample(FileClassParams params = HeldParams()) : CFileFramework(params) {
        header = AddSection<CTableSingle>("#HEADER", "VERSION\tDATE\tNOTE");
        rows = AddSection<CTableMulti>("#ROWS", "ID\tNAME\tVER");
    }
    static FileClassParams HeldParams() {
        FileClassParams p;
        p.folder = DefaultFolder::CheckOutRst;
        p.loadAccess = platform::Access::ReadWrite;
        p.loadShare = platform::Share::DenyWrite;
        return p;
    }
    static FileClassParams ReadOnlyParams() {
        FileClassParams p;
        p.keepOpen = false;
        p.writable = false;
        return p;
    }
    CTableSingle* header;
    CTableMulti* rows;
};

std::string Sample(std::string_view body) { return test::ScrambledFromText(body); }

constexpr std::string_view kGood =
    "#HEADER_START\r\n1\t20261211\tnote\r\n#HEADER_END\r\n"
    "#ROWS_START\r\n1\tWord\t2.0\r\n2\t\xED\x95\x9C\xEA\xB8\x80\t-\r\n#ROWS_END\r\n";

}  // namespace

TEST(FileFramework, SaveAsThenLoadGivesEqualTables) {
    test::TempHome home;
    CFileSample out;
    std::mt19937 rng(3);
    const std::string alphabet[] = {"a", "Z", "7", " ", "\xED\x95\x9C", "\xEA\xB8\x80", "-", "#", ";"};
    out.header->AddRow({"3", "20261211", "\xED\x97\xA4\xEB\x8D\x94"});
    for (int i = 0; i < 300; ++i) {
        Row row;
        for (int c = 0; c < 3; ++c) {
            std::string value;
            for (int n = 1 + rng() % 12; n > 0; --n) value += alphabet[rng() % std::size(alphabet)];
            row.push_back(value);
        }
        ASSERT_EQ(out.rows->AddRow(row), i);
    }
    out.rows->AddRow({"x", "", "y"});  // an empty value comes back as "-"
    ASSERT_EQ(out.SaveAs("sample.rst", false), 1);
    EXPECT_EQ(out.GetPath(), "");  // this class keeps its path on SaveAs

    CFileSample in;
    ASSERT_EQ(in.Load("sample.rst", false), 1);
    EXPECT_EQ(in.GetPath(), home.File("CheckOut/RST/sample.rst"));
    EXPECT_EQ(in.header->GetRowText(0), out.header->GetRowText(0));
    ASSERT_EQ(in.rows->GetRowCount(), out.rows->GetRowCount());
    for (int i = 0; i < 300; ++i) EXPECT_EQ(*in.rows->GetRow(i), *out.rows->GetRow(i));
    EXPECT_EQ(in.rows->GetRowText(300), "x\t-\ty");
}

TEST(FileFramework, FailedLoadsLeaveEmptyTablesAndNoFile) {
    test::TempHome home;
    struct Case {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"zero-length file", ""},
        {"section missing", Sample("#HEADER_START\r\n1\r\n#HEADER_END\r\n")},
        {"end marker missing", Sample("#HEADER_START\r\n#HEADER_END\r\n#ROWS_START\r\n1\ta\tb\r\n")},
        {"end before start", Sample("#HEADER_START\r\n#HEADER_END\r\n#ROWS_END\r\n#ROWS_START\r\n")},
        {"plain text", "#HEADER_START\r\n#HEADER_END\r\n#ROWS_START\r\n#ROWS_END\r\n"},
        {"garbage", std::string("\x00\xFF\x13\x37garbage", 11)},
    };
    for (const auto& c : cases) {
        test::WriteBytes(home.File("bad.dat"), c.bytes);
        CFileSample f;
        EXPECT_EQ(f.Load(home.File("bad.dat"), true), 0) << c.what;
        EXPECT_EQ(f.rows->GetRowCount(), 0) << c.what;
        EXPECT_EQ(f.header->GetRowCount(), 0) << c.what;
        EXPECT_FALSE(f.IsFileOpen()) << c.what;
        EXPECT_EQ(f.GetPath(), "") << c.what;
    }
    CFileSample missing;
    EXPECT_EQ(missing.Load("nothing-here.rst", false), 0);
}

TEST(FileFramework, LoadToleratesWhatTheGrammarAllows) {
    test::TempHome home;
    std::vector<std::pair<int, std::string>> skipped;
    test::WriteBytes(home.File("f.rst"),
                     Sample("junk before\r\n"
                            "#ROWS_START\r\n"
                            "1\tWord\t2.0\r\n"
                            "2\tExcel\r\n"              // one field short: dropped
                            "3\tPaint\t1\textra\r\n"    // one field too many: dropped
                            "4\tNote\t9.1\r\r\n"        // a CR inside the line goes
                            "#ROWS_END\r\n"
                            "between sections\r\n"
                            "#OTHER_START\r\nx\r\n#OTHER_END\r\n"
                            "#HEADER_START\r\n"
                            "1\t20260101\r\n"           // replaced by the next line
                            "2\r\n"                     // padded with "-"
                            "#HEADER_END\r\n"));
    CFileSample f;
    f.SetSkipObserver([&](const CTable&, int line, const std::string& text) {
        skipped.emplace_back(line, text);
    });
    ASSERT_EQ(f.Load(home.File("f.rst"), true), 1);
    EXPECT_EQ(f.rows->GetRowCount(), 2);
    EXPECT_EQ(f.rows->GetRowText(1), "4\tNote\t9.1");
    EXPECT_EQ(skipped, (std::vector<std::pair<int, std::string>>{{3, "2\tExcel"}, {4, "3\tPaint\t1\textra"}}));
    EXPECT_EQ(f.header->GetRowText(0), "2\t-\t-");
    EXPECT_EQ(f.rows->startLine, 1);
    EXPECT_EQ(f.rows->endLine, 6);

    // Markers on adjacent lines: an empty single-row table.
    test::WriteBytes(home.File("g.rst"), Sample("#HEADER_START\r\n#HEADER_END\r\n#ROWS_START\r\n#ROWS_END\r\n"));
    CFileSample g;
    ASSERT_EQ(g.Load(home.File("g.rst"), true), 1);
    EXPECT_EQ(g.header->GetRowCount(), 0);

    // A later duplicate marker overrides the earlier one.
    test::WriteBytes(home.File("h.rst"), Sample("#HEADER_START\r\n#HEADER_END\r\n#ROWS_START\r\n1\ta\tb\r\n"
                                                "#ROWS_START\r\n2\tc\td\r\n#ROWS_END\r\n"));
    CFileSample h;
    ASSERT_EQ(h.Load(home.File("h.rst"), true), 1);
    EXPECT_EQ(h.rows->GetRowCount(), 1);
    EXPECT_EQ(h.rows->GetRowText(0), "2\tc\td");
}

TEST(FileFramework, SaveRewritesTheHeldFileAndKeepsHoldingIt) {
    test::TempHome home;
    std::string path = home.File("f.rst");
    test::WriteBytes(path, Sample(kGood));
    CFileSample f;
    EXPECT_EQ(f.Save(), 0);  // nothing loaded
    ASSERT_EQ(f.Load(path, true), 1);
    EXPECT_TRUE(f.IsFileOpen());
    CFileSample other;
    EXPECT_EQ(other.Load(path, true), 0);  // held with deny-write by f

    f.rows->AddRow({"3", "Paint", "1"});
    ASSERT_EQ(f.Save(), 1);
    EXPECT_TRUE(f.IsFileOpen());
    EXPECT_EQ(other.Load(path, true), 0);  // still held after the save
    EXPECT_EQ(DecodeScrambledText(test::ReadBytes(path)),
              std::string(kGood.substr(0, kGood.size() - 11)) + "3\tPaint\t1\r\n#ROWS_END\r\n");
}

TEST(FileFramework, FailedSaveKeepsThePreviousFile) {
    test::TempHome home;
    std::string path = home.File("f.rst");
    std::string good = Sample(kGood);
    test::WriteBytes(path, good);
    CFileSample f;
    ASSERT_EQ(f.Load(path, true), 1);
    for (int i = 0; i < 5000; ++i) f.rows->AddRow({std::to_string(i), "a long enough product name", "1.0"});

    // A file-size limit below the new content makes the write fail midway, as a full disk would.
    struct rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    int saved = f.Save();
    int savedAs = f.SaveAs(path, true);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(saved, 0);
    EXPECT_EQ(savedAs, 0);
    EXPECT_EQ(test::ReadBytes(path), good);
    EXPECT_EQ(f.Save(), 1);  // and the file object is still usable
}

TEST(FileFramework, ReadOnlyClassesCloseTheFileAndRefuseToWrite) {
    test::TempHome home;
    test::WriteBytes(home.File("filter.dat"), Sample(kGood));
    CFileSample a(CFileSample::ReadOnlyParams()), b(CFileSample::ReadOnlyParams());
    ASSERT_EQ(a.Load("filter.dat", false), 1);
    ASSERT_EQ(b.Load("filter.dat", false), 1);
    EXPECT_FALSE(a.IsFileOpen());
    EXPECT_EQ(a.Save(), 0);
    EXPECT_EQ(a.SaveAs("copy.dat", false), 0);
    EXPECT_EQ(a.ResetTable("#ROWS", true), nullptr);
    EXPECT_EQ(a.GetTable("#ROWS"), a.rows);
    EXPECT_EQ(a.GetTable("#rows"), nullptr);
}
