#include <gtest/gtest.h>

#include "core/version/file_version.h"
#include "core/version/pe_resource.h"
#include "core/version/version_block.h"
#include "tests/support/pe_writer.h"
#include "tests/support/temp_home.h"

using namespace scx;
using scx::test::PeOptions;
using scx::test::VersionStrings;

namespace {

const VersionStrings kAcme = {{"CompanyName", "Acme Corp."},
                              {"ProductName", "Acme Office"},
                              {"ProductVersion", "12.0.1"},
                              {"OriginalFilename", "acme.exe"}};

struct Written {
    test::TempHome home;
    std::string path = home.File("program.exe");
};

}  // namespace

TEST(FileVersion, ReadsWhatTheWriterWroteInBothFormats) {
    for (bool plus : {false, true}) {
        Written f;
        PeOptions o;
        o.pe32Plus = plus;
        ASSERT_TRUE(test::WritePeFile(f.path, kAcme, o));
        CFileVersion v;
        ASSERT_EQ(v.Open(f.path), 1) << plus;
        EXPECT_EQ(v.Translation(), 0x040904B0u);
        for (const auto& [key, text] : kAcme) EXPECT_EQ(v.GetString(key), text) << key;
        EXPECT_EQ(v.GetString("companyname"), "Acme Corp.");  // names compare without case
        EXPECT_EQ(v.GetString("Comments"), "-");
    }
}

TEST(FileVersion, SpecialCases) {
    struct Case {
        const char* what;
        PeOptions options;
        VersionStrings strings;
        int opened;
        std::string key, expected;
    };
    PeOptions none;
    none.versionResource = false;
    PeOptions noTranslation;
    noTranslation.translations = {};
    // A translation naming Korean, with only a US-English code page 1252 table.
    PeOptions fallback;
    fallback.translations = {0x04120000};
    fallback.tables = {{"040904E4", {{"ProductName", "Fallback"}}}};
    // Both tables exist; the Korean one lacks the name, so the US-English one answers.
    PeOptions partial = fallback;
    partial.tables.push_back({"04120000", {{"CompanyName", "\xED\x95\x9C\xEA\xB8\x80"}}});
    // The file stores upper-case hexadecimal digits; the lookup formats lower case.
    PeOptions upper;
    upper.translations = {0x041204B0};
    upper.tables = {{"041204B0", {{"ProductName", "Upper"}}}};
    // A translated table that has the name with an empty text: no fall-back, "-".
    PeOptions emptyFirst = fallback;
    emptyFirst.tables.push_back({"04120000", {{"ProductName", ""}}});

    Case cases[] = {
        {"no version resource", none, kAcme, 0, "CompanyName", "-"},
        {"no translation table", noTranslation, kAcme, 0, "CompanyName", "-"},
        {"US-English 1252 fall-back", fallback, {}, 1, "ProductName", "Fallback"},
        {"translated table first", partial, {}, 1, "CompanyName", "\xED\x95\x9C\xEA\xB8\x80"},
        {"fall-back for a missing name", partial, {}, 1, "ProductName", "Fallback"},
        {"upper-case table name", upper, {}, 1, "ProductName", "Upper"},
        {"empty translated value", emptyFirst, {}, 1, "ProductName", "-"},
        {"line break and tab", {}, {{"ProductName", "Acme\r\nOffice\tPro\nX\rY"}}, 1, "ProductName",
         "Acme Office Pro X\rY"},
        {"empty ProductVersion", {}, {{"ProductVersion", ""}}, 1, "ProductVersion", "-"},
        {"beyond the BMP", {}, {{"ProductName", "Note \xF0\x9F\x8E\xB5"}}, 1, "ProductName",
         "Note \xF0\x9F\x8E\xB5"},
    };
    for (const auto& c : cases) {
        Written f;
        ASSERT_TRUE(test::WritePeFile(f.path, c.strings, c.options));
        CFileVersion v;
        EXPECT_EQ(v.Open(f.path), c.opened) << c.what;
        EXPECT_EQ(v.GetString(c.key), c.expected) << c.what;
        if (!c.opened) {
            EXPECT_EQ(v.Translation(), 0u) << c.what;
        }
    }
}

TEST(FileVersion, OpenFailsOnFilesThatAreNoPrograms) {
    test::TempHome home;
    test::WriteBytes(home.File("text.exe"), "MZ but nothing more");
    test::WriteBytes(home.File("empty.exe"), "");
    CFileVersion v;
    for (const char* name : {"text.exe", "empty.exe", "missing.exe", ""})
        EXPECT_EQ(v.Open(home.File(name)), 0) << name;
    EXPECT_EQ(v.GetString("CompanyName"), "-");
}

TEST(FileVersion, ReadsOnlyHeadersAndTheResource) {
    Written f;
    PeOptions o;
    o.paddingBytes = 8 << 20;
    ASSERT_TRUE(test::WritePeFile(f.path, kAcme, o));
    std::uint64_t bytesRead = 0;
    auto block = ReadPeVersionResource(f.path, &bytesRead);
    ASSERT_TRUE(block);
    // Headers and resource directories come in a few 4 KiB reads; the 8 MiB of code stay unread.
    EXPECT_LT(bytesRead, 16384u + block->size());
}

TEST(VersionBlock, FixedPartAndPaths) {
    PeOptions o;
    o.fileVersion = 0x0002000300040005;
    o.productVersion = 0x000A000000000001;
    std::string block = test::BuildVersionBlock(kAcme, o);
    auto fixed = QueryFixedInfo(block);
    ASSERT_TRUE(fixed);
    EXPECT_EQ(VersionNumberText(fixed->fileVersion), "2.3.4.5");
    EXPECT_EQ(VersionNumberText(fixed->productVersion), "10.0.0.1");
    EXPECT_EQ(QueryVersionText(block, "\\\\STRINGFILEINFO\\040904b0\\\\ProductName"), "Acme Office");
    EXPECT_FALSE(QueryVersionText(block, "\\StringFileInfo\\ProductName"));
    EXPECT_EQ(QueryTranslation(block), 0x040904B0u);
    // Cut anywhere, the block answers what is left or nothing, never past its end.
    for (std::size_t n = 0; n < block.size(); ++n) {
        std::string cut = block.substr(0, n);
        auto text = QueryVersionText(cut, "\\StringFileInfo\\040904b0\\OriginalFilename");
        if (text) {
            EXPECT_TRUE(std::string("acme.exe").starts_with(*text)) << n;
        }
    }
}
