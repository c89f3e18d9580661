// Damaged program files: every case is rejected or read as far as it goes, without crashing,
// hanging or reading outside the file (the sanitizer build checks the last part).

#include <gtest/gtest.h>

#include <functional>

#include "core/utf8.h"
#include "core/version/little_endian.h"
#include "core/version/file_version.h"
#include "tests/support/pe_writer.h"
#include "tests/support/temp_home.h"

using namespace scx;

namespace {

// The version-block node named `name`: its header lies just before its UTF-16 name.
std::size_t NodeAt(const std::string& image, const std::string& name) {
    std::size_t at = image.find(Utf16LeFromUtf8(name) + std::string(2, '\0'));
    EXPECT_NE(at, std::string::npos) << name;
    return at - 6;
}

// Changes a node's length by `delta` bytes.
void Grow(std::string& b, std::size_t node, int delta) {
    PutLe16(b, node, Le16(b, node) + delta);
}

using Damage = std::function<void(std::string& image, const test::PeLayout& l)>;

struct Case {
    const char* what;
    Damage damage;
    int opened;              // what Open must return
    const char* company;     // GetString("CompanyName") when opened
};

// Offsets inside the resource section the writer lays out: three one-entry directories (type,
// name, language) at 0, 24 and 48, then the data entry at 72.
constexpr std::size_t kTypeTarget = 20, kNameTarget = 44, kLanguageTarget = 68, kDataRva = 72,
                      kDataSize = 76;

const Case kCases[] = {
    {"empty file", [](auto& b, auto&) { b.clear(); }, 0, nullptr},
    {"DOS header cut", [](auto& b, auto&) { b.resize(40); }, 0, nullptr},
    {"PE header cut", [](auto& b, auto& l) { b.resize(l.peHeader + 10); }, 0, nullptr},
    {"section table cut", [](auto& b, auto& l) { b.resize(l.sectionTable + 50); }, 0, nullptr},
    {"resource directory cut", [](auto& b, auto& l) { b.resize(l.resourceSection + 20); }, 0, nullptr},
    {"version block cut", [](auto& b, auto& l) { b.resize(l.versionBlock + l.versionBlockSize / 2); }, 0,
     nullptr},
    {"PE header past the end", [](auto& b, auto&) { PutLe32(b, 0x3C, 0x7FFFFFF0); }, 0, nullptr},
    {"no PE signature", [](auto& b, auto& l) { b[l.peHeader + 1] = 'X'; }, 0, nullptr},
    {"unknown optional header", [](auto& b, auto& l) { PutLe16(b, l.peHeader + 24, 0x107); }, 0, nullptr},
    {"65535 sections", [](auto& b, auto& l) { PutLe16(b, l.peHeader + 6, 0xFFFF); }, 0, nullptr},
    {"1000 sections past the end", [](auto& b, auto& l) { PutLe16(b, l.peHeader + 6, 1000); }, 0, nullptr},
    {"root directory points at itself",
     [](auto& b, auto& l) { PutLe32(b, l.resourceSection + kTypeTarget, 0x80000000); }, 0, nullptr},
    {"name directory points back at the root",
     [](auto& b, auto& l) { PutLe32(b, l.resourceSection + kNameTarget, 0x80000000); }, 0, nullptr},
    {"directory where the data entry belongs",
     [](auto& b, auto& l) { PutLe32(b, l.resourceSection + kLanguageTarget, 0x80000000 | 24); }, 0, nullptr},
    {"data entry where a directory belongs",
     [](auto& b, auto& l) { PutLe32(b, l.resourceSection + kTypeTarget, 72); }, 0, nullptr},
    {"65535 directory entries", [](auto& b, auto& l) { PutLe16(b, l.resourceSection + 14, 0xFFFF); }, 0,
     nullptr},
    {"resource outside every section",
     [](auto& b, auto& l) { PutLe32(b, l.resourceSection + kDataRva, 0x00900000); }, 0, nullptr},
    {"resource size past the end of the file",
     [](auto& b, auto& l) { PutLe32(b, l.resourceSection + kDataSize, 0x7FFFFFFF); }, 1, "Acme Corp."},
    {"resource section larger than the file",
     [](auto& b, auto& l) { PutLe32(b, l.sectionTable + 40 + 16, 0x10000000); }, 1, "Acme Corp."},
    {"resource section starts past the end",
     [](auto& b, auto& l) { PutLe32(b, l.sectionTable + 40 + 20, 0x7FFFFE00); }, 0, nullptr},
    {"root node longer than the block", [](auto& b, auto& l) { PutLe16(b, l.versionBlock, 0xFFFF); }, 1,
     "Acme Corp."},
    {"string one byte longer, odd", [](auto& b, auto&) { Grow(b, NodeAt(b, "CompanyName"), 1); }, 1,
     "Acme Corp."},
    {"string cut inside its last character",
     [](auto& b, auto&) { Grow(b, NodeAt(b, "CompanyName"), -3); }, 1, "Acme Corp"},
    {"string value longer than its node",
     [](auto& b, auto&) { PutLe16(b, NodeAt(b, "CompanyName") + 2, 0x7FFF); }, 1, "Acme Corp."},
    {"string table with an odd length, cutting its last string",
     [](auto& b, auto&) { Grow(b, NodeAt(b, "040904b0"), -5); }, 1, "Acme Corp."},
    {"string with length zero", [](auto& b, auto&) { PutLe16(b, NodeAt(b, "CompanyName"), 0); }, 1, "-"},
    {"string name without terminator",
     [](auto& b, auto&) { PutLe16(b, NodeAt(b, "CompanyName"), 6 + 6); }, 1, "-"},
    {"translation shorter than one entry",
     [](auto& b, auto&) { PutLe16(b, NodeAt(b, "Translation") + 2, 2); }, 0, nullptr},
};

}  // namespace

TEST(PeMalformed, RejectedOrReadPartly) {
    const test::VersionStrings strings = {{"CompanyName", "Acme Corp."}, {"ProductName", "Acme Office"}};
    for (bool plus : {false, true}) {
        test::PeOptions options;
        options.pe32Plus = plus;
        test::PeLayout layout;
        const std::string image = test::BuildPeImage(strings, options, &layout);
        for (const Case& c : kCases) {
            test::TempHome home;
            std::string bytes = image;
            c.damage(bytes, layout);
            test::WriteBytes(home.File("damaged.exe"), bytes);
            CFileVersion v;
            ASSERT_EQ(v.Open(home.File("damaged.exe")), c.opened) << c.what << (plus ? " (PE32+)" : "");
            if (c.opened) {
                EXPECT_EQ(v.GetString("CompanyName"), c.company) << c.what;
            }
            (void)v.GetString("ProductName");
        }
    }
}
