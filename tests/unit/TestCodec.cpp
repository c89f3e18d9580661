#include <gtest/gtest.h>

#include <random>

#include "core/codec.h"
#include "platform/codepage.h"
#include "platform/file.h"
#include "tests/support/temp_home.h"

using namespace scx;

TEST(Codec, ScrambleThenUnscrambleGivesAnyBytesBack) {
    std::mt19937 rng(7);
    for (size_t n : {0, 1, 15, 16, 17, 31, 4096, 100001}) {
        std::string original(n, '\0');
        for (auto& c : original) c = static_cast<char>(rng());
        std::string bytes = original;
        ScrambleBytes(bytes);
        if (n > 1) {
            EXPECT_NE(bytes, original) << n;
        }
        UnscrambleBytes(bytes);
        EXPECT_EQ(bytes, original) << n;
    }
}

TEST(Codec, SeventeenBytesWrapTheKeyAndKeepTheMiddleByte) {
    std::string bytes(17, '\0');
    ScrambleBytes(bytes);
    // Position j is XOR-ed with key[j % 16], then the buffer is reversed.
    EXPECT_EQ(bytes[16], kCodecKey[0]);   // position 0
    EXPECT_EQ(bytes[0], kCodecKey[0]);    // position 16 wraps to key byte 0
    EXPECT_EQ(bytes[8], kCodecKey[8]);    // the middle byte stays where it is
    EXPECT_EQ(bytes[1], kCodecKey[15]);
}

TEST(Codec, DecodingIsNotEncodingTwice) {
    std::string bytes = "0123456789abcdefXYZ";
    std::string twice = bytes;
    ScrambleBytes(twice);
    ScrambleBytes(twice);
    EXPECT_NE(twice, bytes);
}

TEST(Codec, CodePageConversion) {
    std::string buffer;
    AppendCodePageBytes(buffer, "A\xED\x95\x9C\xEA\xB8\x80");  // "A한글"
    EXPECT_EQ(buffer, "A\xC7\xD1\xB1\xDB");
    buffer.clear();
    AppendCodePageBytes(buffer, std::string("x\0y\xF0\x9F\x98\x80", 7));  // zero byte, emoji
    EXPECT_EQ(buffer, "xy?");
    EXPECT_EQ(platform::Utf8FromCp949(std::string("\xC7\xD1\0\xB1\xDB", 5)), "\xED\x95\x9C");
    EXPECT_EQ(platform::Utf8FromCp949("a\xFF"), "a\xEF\xBF\xBD");
    EXPECT_EQ(platform::Cp949FromUtf8("a\xC3"), "a?");  // broken UTF-8
}

TEST(Codec, ReadScrambledLines) {
    test::TempHome home;
    struct Case {
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},             // no empty last line
        {"a\r\n\r\nb", {"a", "-", "b"}},        // a blank line reads as "-"
        {std::string("a\r\nb\0c\r\nd", 8), {"a", "b"}},  // a zero byte ends the text
        {"\x01", {"\x01"}},
    };
    for (const auto& c : cases) {
        std::string path = home.File("f.dat");
        std::string bytes(c.text);
        ScrambleBytes(bytes);
        test::WriteBytes(path, bytes);
        platform::LockedFile file;
        ASSERT_TRUE(file.Open(path, platform::Access::Read, platform::Share::DenyNone));
        std::vector<std::string> lines{"stale"};
        EXPECT_TRUE(ReadScrambledLines(file, lines));
        EXPECT_EQ(lines, c.lines);
    }
    test::WriteBytes(home.File("empty.dat"), "");
    platform::LockedFile empty;
    ASSERT_TRUE(empty.Open(home.File("empty.dat"), platform::Access::Read, platform::Share::DenyNone));
    std::vector<std::string> lines;
    EXPECT_FALSE(ReadScrambledLines(empty, lines));
}
