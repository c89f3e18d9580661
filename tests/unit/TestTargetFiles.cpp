// Files of a target: name patterns, attributes, sizes, dates, SHA-1 and disk items.

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <map>

#include "platform/target/disks.h"
#include "platform/target/file_facts.h"
#include "platform/target/file_hash.h"
#include "tests/support/target_builder.h"
#include "tests/support/temp_home.h"

namespace scx::target {
namespace {

std::unique_ptr<Target> OpenWine(test::TargetBuilder& builder) {
    builder.SetWindows10Pro();
    std::string error;
    auto target = OpenTarget({"wine:" + builder.WriteWinePrefix()}, &error);
    EXPECT_TRUE(target) << error;
    return target;
}

std::vector<std::string> Names(const std::vector<FileEntry>& entries) {
    std::vector<std::string> names;
    for (const auto& e : entries) names.push_back(e.name);
    std::sort(names.begin(), names.end());
    return names;
}

TEST(TargetFiles, PatternsMatchLikeWindows) {
    const struct {
        const char* name;
        const char* pattern;
        bool match;
    } cases[] = {
        {"SETUP.EXE", "*.exe", true},   {"setup.exe.bak", "*.exe", false}, {"noext", "*.*", true},
        {"noext", "*", true},           {"a.b.exe", "*.exe", true},        {"ab.exe", "a?.exe", true},
        {"abc.exe", "a?.exe", false},   {"한글.EXE", "한?.exe", true},     {"ÄRGER.txt", "ä*", true},
        {"x", "", false},               {"readme", "read*me", true},       {"readme", "*x*", false},
    };
    for (const auto& c : cases) EXPECT_EQ(MatchesPattern(c.name, c.pattern), c.match) << c.name << " " << c.pattern;
}

TEST(TargetFiles, WindowsPathsFindHostFilesWithoutRegardToCase) {
    test::TargetBuilder builder;
    std::string exe = builder.AddFile("C:\\Program Files\\Acme\\Acme.exe", "MZ");
    auto target = OpenWine(builder);
    ASSERT_TRUE(target);
    (void)exe;
    EXPECT_EQ(target->HostPath("c:\\PROGRAM FILES\\acme\\ACME.EXE"),
              builder.Root() + "/dosdevices/c:/Program Files/Acme/Acme.exe");
    EXPECT_TRUE(target->HostPath("C:\\Program Files\\Acme\\"));
    EXPECT_TRUE(target->HostPath("C:/Program Files/Acme/acme.exe"));
    EXPECT_FALSE(target->HostPath("C:\\Program Files\\..\\..\\system.reg"));
    EXPECT_FALSE(target->HostPath("C:\\Program Files\\Missing\\x.exe"));
    EXPECT_FALSE(target->HostPath("Q:\\x"));
    EXPECT_FALSE(target->HostPath("Program Files"));
    EXPECT_EQ(target->HostPath("C:\\program files\\New.txt", true),
              builder.Root() + "/dosdevices/c:/Program Files/New.txt");
}

TEST(TargetFiles, ListingAppliesThePatternAndGivesAttributes) {
    test::TargetBuilder builder;
    builder.AddFile("C:\\Apps\\One.EXE", "1");
    builder.AddFile("C:\\Apps\\two.exe", "22");
    builder.AddFile("C:\\Apps\\readme.txt", "333");
    builder.AddFile("C:\\Apps\\.hidden.exe", "");
    builder.AddFolder("C:\\Apps\\Sub.exe");
    std::string fifo = builder.DriveC() + "/Apps/pipe.exe";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_symlink("Sub.exe", builder.DriveC() + "/Apps/Linked.exe");
    auto target = OpenWine(builder);
    ASSERT_TRUE(target);

    auto all = ListFolder(*target, "C:\\apps\\", "*.*");
    EXPECT_EQ(Names(all), (std::vector<std::string>{".hidden.exe", "Linked.exe", "One.EXE", "Sub.exe",
                                                    "pipe.exe", "readme.txt", "two.exe"}));
    auto exes = ListFolder(*target, "C:\\Apps", "*.exe");
    EXPECT_EQ(exes.size(), 6u);
    const std::map<std::string, std::uint32_t> expected = {
        {"One.EXE", kAttrArchive},      {"two.exe", kAttrArchive},
        {".hidden.exe", kAttrArchive | kAttrHidden}, {"Sub.exe", kAttrDirectory},
        {"Linked.exe", kAttrDirectory | kAttrReparsePoint}, {"pipe.exe", kAttrSystem},
        {"readme.txt", kAttrArchive}};
    for (const auto& entry : all) {
        EXPECT_EQ(entry.facts.attributes, expected.at(entry.name)) << entry.name;
        if (entry.name == "two.exe") {
            EXPECT_EQ(entry.facts.size, 2u);
        }
    }
    EXPECT_TRUE(ListFolder(*target, "C:\\NoSuchFolder", "*.*").empty());
}

// Wine keeps DOS attributes in user.DOSATTRIB ("0x26"); ntfs-3g's system.ntfs_attrib_be exists
// only on its mounts, so only Wine's form can be made here.
TEST(TargetFiles, DosAttributesKeptByWine) {
    test::TargetBuilder builder;
    std::string system = builder.AddFile("C:\\a.sys", "x");
    std::string temporary = builder.AddFile("C:\\b.tmp", "x");
    std::string none = builder.AddFile("C:\\c.txt", "x");
    std::string folder = builder.AddFolder("C:\\Hidden");
    if (setxattr(system.c_str(), "user.DOSATTRIB", "0x26", 4, 0) != 0) GTEST_SKIP() << "no user xattrs here";
    ASSERT_EQ(setxattr(temporary.c_str(), "user.DOSATTRIB", "0x900", 5, 0), 0);
    ASSERT_EQ(setxattr(none.c_str(), "user.DOSATTRIB", "0x0", 3, 0), 0);
    ASSERT_EQ(setxattr(folder.c_str(), "user.DOSATTRIB", "0x12", 4, 0), 0);
    EXPECT_EQ(HostFileFacts(system)->attributes, kAttrHidden | kAttrSystem | kAttrArchive);
    EXPECT_EQ(HostFileFacts(temporary)->attributes, kAttrTemporary | kAttrCompressed);
    EXPECT_EQ(HostFileFacts(none)->attributes, kAttrNormal);
    EXPECT_EQ(HostFileFacts(folder)->attributes, kAttrHidden | kAttrDirectory);
}

TEST(TargetFiles, SizesBeyondFourGibibytes) {
    test::TempHome home;
    std::string path = home.File("big.bin");
    test::WriteBytes(path, "");
    ASSERT_EQ(truncate(path.c_str(), 5LL << 30), 0);
    EXPECT_EQ(HostFileFacts(path)->size, 5ULL << 30);
}

TEST(TargetFiles, DatesAreLocalDates) {
    test::TargetBuilder builder;
    std::string path = builder.AddFile("C:\\Dated\\f.txt", "x");
    auto target = OpenWine(builder);
    ASSERT_TRUE(target);
    std::tm noon{};
    noon.tm_year = 2024 - 1900;
    noon.tm_mon = 1;
    noon.tm_mday = 29;
    noon.tm_hour = 12;
    noon.tm_isdst = -1;
    std::time_t when = std::mktime(&noon);
    timespec times[2] = {{when, 0}, {when, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    EXPECT_EQ(LastAccessDateText(*target, "C:\\dated\\F.TXT"), "2024-02-29");
    EXPECT_EQ(LocalDateText(when), "2024-02-29");
    std::string today = LocalDateText(std::time(nullptr));
    EXPECT_EQ(CreationDateText(*target, "C:\\Dated\\f.txt"), today);
    EXPECT_EQ(CreationDateText(*target, "C:\\Dated"), today);
    EXPECT_EQ(CreationDateText(*target, "C:\\Missing"), "");
    EXPECT_EQ(LastAccessDateText(*target, ""), "");
    EXPECT_EQ(LocalDateText(std::nullopt), "");
}

TEST(TargetFiles, Sha1OfFilesUpToTheLimit) {
    test::TargetBuilder builder;
    builder.AddFile("C:\\h\\abc.txt", "abc");
    builder.AddFile("C:\\h\\empty.txt", "");
    std::string atLimit = builder.AddFile("C:\\h\\limit.bin", "");
    std::string overLimit = builder.AddFile("C:\\h\\over.bin", "");
    ASSERT_EQ(truncate(atLimit.c_str(), static_cast<off_t>(kHashSizeLimit)), 0);
    ASSERT_EQ(truncate(overLimit.c_str(), static_cast<off_t>(kHashSizeLimit + 1)), 0);
    std::string fifo = builder.DriveC() + "/h/pipe";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    auto target = OpenWine(builder);
    ASSERT_TRUE(target);

    EXPECT_EQ(FileSha1Text(*target, "C:\\H\\ABC.TXT"), "a9993e364706816aba3e25717850c26c9cd0d89d");
    EXPECT_EQ(FileSha1Text(*target, "C:\\h\\empty.txt"), "");
    EXPECT_EQ(FileSha1Text(*target, "C:\\h\\limit.bin"), "49886561f8e26ed5e2ae549897a28aaab44881bd");
    EXPECT_EQ(FileSha1Text(*target, "C:\\h\\over.bin"), "");
    EXPECT_EQ(FileSha1Text(*target, "C:\\h\\pipe"), "");  // never opened: it would block
    EXPECT_EQ(FileSha1Text(*target, "C:\\h"), "");
    EXPECT_EQ(FileSha1Text(*target, "C:\\h\\missing"), "");
    EXPECT_EQ(Sha1OfHostFile(overLimit).size(), 40u);
}

TEST(TargetFiles, DiskItems) {
    EXPECT_EQ(DiskItemText({'C', "C:\\", "로컬디스크", 499'963'174'912ULL}), "C:\\ - 로컬디스크[465GB]");
    EXPECT_EQ(DiskItemText({'D', "D:\\", "DATA", (1ULL << 30) - 1}), "D:\\ - DATA[0GB]");
    EXPECT_EQ(DiskItemText({'E', "E:\\", "로컬디스크", std::nullopt}), "E:\\ - 로컬디스크");

    test::TargetBuilder builder;
    test::WriteBytes(builder.DriveC() + "/.windows-label", "SYSTEM\n");
    auto target = OpenWine(builder);
    ASSERT_TRUE(target);
    auto disks = FixedDisks(*target);
    ASSERT_EQ(disks.size(), 1u);
    EXPECT_EQ(disks[0].root, "C:\\");
    EXPECT_EQ(disks[0].label, "SYSTEM");
    ASSERT_TRUE(disks[0].totalBytes);
    EXPECT_GT(*disks[0].totalBytes, 0u);
}

}  // namespace
}  // namespace scx::target
