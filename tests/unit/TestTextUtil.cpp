#include <gtest/gtest.h>

#include <algorithm>

#include "core/folders.h"
#include "core/text_util.h"
#include "platform/folders.h"
#include "tests/support/temp_home.h"

using namespace scx;
using Fields = std::vector<std::string>;

TEST(TextUtil, SplitFields) {
    struct Case {
        std::string text, separator;
        Fields fields;
    } cases[] = {
        {"a\tb\t", "\t", {"a", "b"}},     // no trailing field after a final separator
        {"a\t\tb", "\t", {"a", "-", "b"}},
        {"\tx", "\t", {"-", "x"}},
        {"\t", "\t", {"-"}},
        {"", "\t", {}},
        {"abc", "\t", {"abc"}},
        {"a\r\nb\r\n\r\nc", "\r\n", {"a", "b", "-", "c"}},
        {std::string("a;\0z;b", 6), ";", {"a", "-", "b"}},  // a field starting with a zero character
    };
    for (const auto& c : cases) {
        Fields out{"stale"};
        SplitFields(c.text, c.separator, out);
        EXPECT_EQ(out, c.fields) << c.text;
    }
}

TEST(TextUtil, FlattenAndStrip) {
    EXPECT_EQ(FlattenText("a\r\nb\tc\nd\re"), "a b c d\re");
    // "Acme® Office½ ?": symbols go, spaces stay.
    EXPECT_EQ(StripSymbols("Acme\xC2\xAE Office\xC2\xBD ?"), "Acme Office ");
    EXPECT_EQ(StripSymbols("\xED\x95\x9C\xEA\xB8\x80 \xE2\x96\xA0v1.0\xE2\x94\x80"), "\xED\x95\x9C\xEA\xB8\x80 v1.0");
    EXPECT_EQ(StripSymbols("\xC3\x86" "sop \xC3\x9F"), "sop ");
}

TEST(TextUtil, IsSameTextAndLowerCase) {
    EXPECT_EQ(IsSameText("040904B0", "040904b0", true), 1);
    EXPECT_EQ(IsSameText("040904B0", "040904b0", false), 0);
    EXPECT_EQ(IsSameText("\xED\x95\x9C", "\xED\x95\x9C", true), 1);
    // Greek, Cyrillic and full-width capitals fold one to one.
    EXPECT_EQ(IsSameText("\xCE\x91\xD0\x96\xEF\xBC\xA1", "\xCE\xB1\xD0\xB6\xEF\xBD\x81", true), 1);
    EXPECT_EQ(LowerCase("Acme \xC3\x89" "DIT"), "acme \xC3\xA9" "dit");
}

TEST(TextUtil, NumbersAndFormatting) {
    struct Case {
        std::string text;
        long long value;
    } digits[] = {{"", 0}, {"007", 7}, {" 7", -1}, {"-", -1}, {"1.5", -1}, {"+3", -1},
                  {"99999999999999999999999", 9223372036854775807LL}};
    for (const auto& c : digits) EXPECT_EQ(ParseDigits(c.text), c.value) << c.text;
    EXPECT_EQ(ParseDigitsReal("1.5"), -1.0);
    EXPECT_EQ(ParseDigitsReal("250"), 250.0);

    EXPECT_EQ(ZeroPad(5, 42), "00042");
    EXPECT_EQ(ZeroPad(2, 12345), "12345");
    EXPECT_EQ(ZeroPad(1, 7), "7");

    EXPECT_EQ(GroupThousands(1000.0), "1,000");
    EXPECT_EQ(GroupThousands(100.0), "100");
    EXPECT_EQ(GroupThousands(1234567.4), "1,234,567");
    EXPECT_EQ(GroupThousands(999.5), "1,000");
    EXPECT_EQ(GroupThousands(-123.0), "-123");  // the sign is not a digit group
    EXPECT_EQ(GroupThousands("1234"), "1,234");

    Fields values{"10", "9", "x", "0"};
    SortNumericStrings(values);
    EXPECT_EQ(values, (Fields{"0", "9", "10", "-1"}));
    std::vector<std::uint64_t> ints{3, 1, 2};
    SortIntegers(ints, false);
    EXPECT_EQ(ints, (std::vector<std::uint64_t>{3, 2, 1}));
}

TEST(TextUtil, NowStamp) {
    auto digits = [](std::string_view s) { return std::all_of(s.begin(), s.end(), ::isdigit); };
    std::string date = NowStamp(false), stamp = NowStamp(true);
    EXPECT_EQ(date.size(), 8u);
    EXPECT_TRUE(digits(date));
    ASSERT_EQ(stamp.size(), 15u);
    EXPECT_EQ(stamp.substr(0, 8), date);
    EXPECT_EQ(stamp[8], '_');
    EXPECT_TRUE(digits(stamp.substr(9)));
}

TEST(Folders, ProgramAndCheckOutFolders) {
    test::TempHome home;
    EXPECT_EQ(GetProgramFolder(), home.Path());
    EXPECT_EQ(GetCheckOutFolder("IPT"), home.Path() + "CheckOut/IPT/");
    EXPECT_TRUE(EnsureCheckOutFolders(true));
    for (const char* sub : {"IPT", "TLS", "RST", "TMP_IPT", "TMP_TLS", "TMP_RST", "LOGS"})
        EXPECT_TRUE(platform::FolderExists(GetCheckOutFolder(sub))) << sub;

    EXPECT_EQ(CreateFolderPath(home.File("a/b/c")), 1);  // every missing level, in order
    EXPECT_TRUE(platform::FolderExists(home.File("a/b/c")));
    EXPECT_EQ(EnsureFolder(home.File("x/y/z/")), 1);  // trailing separator
    EXPECT_EQ(EnsureFolder(home.File("x/y/z/")), 1);  // already there
    test::WriteBytes(home.File("plain"), "f");
    EXPECT_EQ(EnsureFolder(home.File("plain/sub")), 0);  // a file stands in the way

    EXPECT_EQ(GetFileNameOf("C:\\Program Files\\Acme\\app.exe"), "app.exe");
    EXPECT_EQ(GetFileNameOf("/home/u/CheckOut/IPT/a_b_c.ipt"), "a_b_c.ipt");
    EXPECT_EQ(GetFileNameOf("name"), "name");
}
