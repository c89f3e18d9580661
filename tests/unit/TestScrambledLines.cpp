#include <gtest/gtest.h>

#include <random>

#include "core/codec.h"
#include "core/scrambled_lines.h"
#include "platform/file.h"
#include "tests/support/temp_home.h"

using namespace scx;

namespace {

constexpr size_t kSlice = 1 << 20;  // the reader's slice size

// The lines the slice-wise reader gives must be exactly those of reading the file whole.
void ExpectSameLines(const test::TempHome& home, const std::string& storedText, const char* what) {
    std::string bytes = storedText;
    ScrambleBytes(bytes);
    test::WriteBytes(home.File("f.dat"), bytes);
    platform::LockedFile file;
    ASSERT_TRUE(file.Open(home.File("f.dat"), platform::Access::Read, platform::Share::DenyNone));
    std::vector<std::string> whole;
    ASSERT_TRUE(ReadScrambledLines(file, whole));
    std::vector<std::string> sliced;
    ASSERT_TRUE(ForEachScrambledLine(file, true, [&](int k, std::string_view line) {
        EXPECT_EQ(k, static_cast<int>(sliced.size()));
        sliced.emplace_back(line);
    }));
    EXPECT_EQ(sliced, whole) << what;
    // Undecoded, the line boundaries are the same.
    int count = 0;
    ForEachScrambledLine(file, false, [&](int, std::string_view) { ++count; });
    EXPECT_EQ(count, static_cast<int>(whole.size())) << what;
}

}  // namespace

TEST(ScrambledLines, SlicesReadLikeTheWholeFile) {
    test::TempHome home;
    const std::string pieces[] = {"\r\n",
                                  "\r\n\r\n",
                                  "\r",
                                  "\n",
                                  "a\tb",
                                  "#SWLIST_START",
                                  "\xC7\xD1\xB1\xDB",
                                  "\x81",  // a lead byte without its trail byte
                                  "0123456789abcdef"};
    std::mt19937 rng(11);
    for (int round = 0; round < 3; ++round) {
        std::string text;
        while (text.size() < 2 * kSlice + 5000) text += pieces[rng() % std::size(pieces)];
        ExpectSameLines(home, text, "random text");
    }
    // CR and LF on either side of the slice boundary, a double-byte character across it.
    std::string straddle(kSlice - 1, 'x');
    ExpectSameLines(home, straddle + "\r\nend", "CR LF across the boundary");
    ExpectSameLines(home, straddle + "\xC7\xD1\r\n\r\n", "character across the boundary");
    // A zero byte ends the text, in the second slice.
    ExpectSameLines(
        home, std::string(kSlice + 10, 'y') + "\r\nz" + std::string(1, '\0') + "\r\nhidden\r\n",
        "zero byte");
}

TEST(ScrambledLines, ZeroLengthFileFails) {
    test::TempHome home;
    test::WriteBytes(home.File("empty.dat"), "");
    platform::LockedFile file;
    ASSERT_TRUE(
        file.Open(home.File("empty.dat"), platform::Access::Read, platform::Share::DenyNone));
    bool called = false;
    EXPECT_FALSE(ForEachScrambledLine(file, true, [&](int, std::string_view) { called = true; }));
    EXPECT_FALSE(called);
}
