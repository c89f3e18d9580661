// Wine's registry text format: reading every data form, following links, rejecting bad files,
// and writing a tree that reads back the same.

#include <gtest/gtest.h>

#include "platform/registry/wine_reg_file.h"

namespace scx::reg {
namespace {

constexpr std::string_view kSample =
    "WINE REGISTRY Version 2\r\n"
    ";; All keys relative to \\\\Machine\r\n"
    "\r\n"
    "#arch=win64\r\n"
    "\r\n"
    "[Software\\\\Acme\\\\Office] 1700000000\r\n"
    "#time=1d9a0b0c0d0e0f0\r\n"
    "@=\"C:\\\\Program Files\\\\Acme\\\\office.exe\"\r\n"
    "\"Quoted\"=\"say \\\"hi\\\"\\ttab\"\r\n"
    "\"Korean\"=\"\\xd55c\\xae00 \xed\x95\x9c\"\r\n"
    "\"Hex4\"=\"\\x00e9t\\x20ac\"\r\n"
    "\"Expand\"=str(2):\"%ProgramFiles%\\\\Acme\"\r\n"
    "\"Multi\"=str(7):\"one\\0two\\0\"\r\n"
    "\"Count\"=dword:0000002a\r\n"
    "\"Blob\"=hex:01,02,\\\r\n"
    "  03,ff\r\n"
    "\"Wide\"=hex(2):41,00,42,00,00,00\r\n"
    "\"Empty\"=hex:\r\n"
    "\r\n"
    "[Software\\\\Acme\\\\Office\\\\Zeta] 1700000000\r\n"
    "[Software\\\\Acme\\\\Office\\\\alpha] 1700000000\r\n"
    "[Software\\\\Wow6432Node\\\\Acme] 1700000000\r\n"
    "#link\r\n"
    "\"SymbolicLinkValue\"=hex(6):5c,00,52,00,65,00,67,00,69,00,73,00,74,00,72,00,79,00,5c,00,4d,00,\\\r\n"
    "  61,00,63,00,68,00,69,00,6e,00,65,00,5c,00,53,00,6f,00,66,00,74,00,77,00,61,00,72,00,65,00,\\\r\n"
    "  5c,00,41,00,63,00,6d,00,65,00\r\n";

TreeRegistry Load(std::string_view text) {
    auto parsed = ParseWineRegistry(text);
    EXPECT_TRUE(parsed.root) << parsed.error;
    return TreeRegistry(std::move(parsed.root), nullptr);
}

TEST(WineRegistry, ReadsEveryDataForm) {
    TreeRegistry registry = Load(kSample);
    const auto lm = RegRoot::LocalMachine;
    const char* key = "SOFTWARE\\ACME\\office";
    EXPECT_EQ(registry.ReadText(lm, key, ""), "C:\\Program Files\\Acme\\office.exe");
    EXPECT_EQ(registry.ReadText(lm, key, "quoted"), "say \"hi\"\ttab");
    EXPECT_EQ(registry.ReadText(lm, key, "Korean"), "한글 한");
    EXPECT_EQ(registry.ReadText(lm, key, "Hex4"), "ét€");
    EXPECT_EQ(registry.ReadText(lm, key, "Expand"), "%ProgramFiles%\\Acme");
    EXPECT_EQ(registry.ReadText(lm, key, "Multi"), "one");
    EXPECT_EQ(registry.ReadText(lm, key, "Count"), "42");
    EXPECT_EQ(registry.ReadDword(lm, key, "Count"), 42u);
    EXPECT_EQ(registry.ReadText(lm, key, "Wide"), "AB");
    EXPECT_EQ(registry.ReadText(lm, key, "Blob"), std::nullopt);
    EXPECT_EQ(registry.ReadText(lm, key, "Missing"), std::nullopt);

    auto office = registry.OpenKey(lm, key);
    ASSERT_TRUE(office);
    EXPECT_EQ(office->Value("Blob")->data, std::string("\x01\x02\x03\xff", 4));
    EXPECT_EQ(office->Value("Empty")->data, "");
    EXPECT_EQ(ValueStrings(*office->Value("Multi")), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(office->SubKeyNames(), (std::vector<std::string>{"Zeta", "alpha"}));  // stored order
    EXPECT_EQ(office->SubKeyCount(), 2u);
}

TEST(WineRegistry, LengthLimitIsTheCallersBuffer) {
    TreeRegistry registry = Load(kSample);
    // "%ProgramFiles%\Acme" is 19 characters: 40 bytes with the terminator.
    EXPECT_TRUE(registry.ReadText(RegRoot::LocalMachine, "Software\\Acme\\Office", "Expand", 40));
    EXPECT_FALSE(registry.ReadText(RegRoot::LocalMachine, "Software\\Acme\\Office", "Expand", 39));
}

TEST(WineRegistry, LinksAndTheThirtyTwoBitView) {
    TreeRegistry registry = Load(kSample);
    auto viaLink = registry.OpenKey(RegRoot::LocalMachine, "Software\\Wow6432Node\\Acme\\Office");
    ASSERT_TRUE(viaLink);
    EXPECT_EQ(viaLink->SubKeyCount(), 2u);
    EXPECT_EQ(registry.ReadText(RegRoot::LocalMachine, "SOFTWARE\\Acme\\Office", "Count", SIZE_MAX, RegView::Wow32),
              "42");
    EXPECT_FALSE(registry.Root(RegRoot::CurrentUser));
}

TEST(WineRegistry, RejectsBadFilesWithTheLine) {
    const std::string header = "WINE REGISTRY Version 2\n";
    const std::pair<std::string, std::string> cases[] = {
        {"", "line 1"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\x]\n", "line 1"},
        {header + "\"a\"=\"b\"\n", "line 2: value before the first key"},
        {header + "[a\\\\b\n", "line 2: key line without closing ']'"},
        {header + "[]\n", "line 2: empty key path"},
        {header + "[a]\n\"v\"=\"open\n", "line 3: string data without closing quote"},
        {header + "[a]\n\"v\"=dword:123456789\n", "line 3: bad dword data"},
        {header + "[a]\n\"v\"=dword:xyz\n", "line 3: bad dword data"},
        {header + "[a]\n\"v\"=hex:01,zz\n", "line 3: bad hex byte list"},
        {header + "[a]\n\"v\"=hex(g):01\n", "line 3: bad hex(N) type"},
        {header + "[a]\n\"v\"=hex:01,\\\n", "line 3: continued line at the end of the file"},
        {header + "[a]\n\"v\"=\"x\" trailing\n", "line 3: text after string data"},
        {header + "[a]\n\"v\"=qword:1\n", "line 3: unknown data form"},
        {header + "[a]\n\"v\"\n", "line 3: value without '='"},
        {header + "[a]\nnonsense\n", "line 3: neither a key, a value nor a comment"},
        {header + "[a]\n\"v\"=\"ends in escape\\", "line 3: string data without closing quote"},
    };
    for (const auto& [text, error] : cases) {
        auto parsed = ParseWineRegistry(text);
        EXPECT_FALSE(parsed.root) << text;
        EXPECT_EQ(parsed.error.substr(0, error.size()), error) << text;
    }
}

TEST(WineRegistry, WrittenTreeReadsBackTheSame) {
    RegTreeKey root("");
    RegTreeKey* key = root.AddChild("Software")->AddChild("Scrutinex")->AddChild("Odd]Name");
    key->SetValue({"FileName", kRegSz, StringData("그룹_사용자_20250101 \"q\" \\ \x01")});
    key->SetValue({"", kRegExpandSz, StringData("%TEMP%\\x")});
    key->SetValue({"NoTerminator", kRegSz, Utf16FromUtf8("abc")});
    key->SetValue({"Multi", kRegMultiSz, std::string("a\0\0b\0\0\0\0", 8)});
    key->SetValue({"Count", kRegDword, std::string("\x2a\0\0\0", 4)});
    key->SetValue({"Blob", kRegBinary, std::string(100, '\xab')});
    root.AddChild("Empty");

    std::string text = WriteWineRegistry(root, "REGISTRY\\\\User");
    auto parsed = ParseWineRegistry(text);
    ASSERT_TRUE(parsed.root) << parsed.error << "\n" << text;
    const RegTreeKey* back = parsed.root->FindChild("software")->FindChild("scrutinex")->FindChild("odd]name");
    ASSERT_TRUE(back);
    ASSERT_EQ(back->Values().size(), key->Values().size());
    for (size_t i = 0; i < key->Values().size(); ++i) {
        EXPECT_EQ(back->Values()[i].name, key->Values()[i].name);
        EXPECT_EQ(back->Values()[i].type, key->Values()[i].type);
        EXPECT_EQ(back->Values()[i].data, key->Values()[i].data) << key->Values()[i].name;
    }
    EXPECT_TRUE(parsed.root->FindChild("Empty"));
}

}  // namespace
}  // namespace scx::reg
