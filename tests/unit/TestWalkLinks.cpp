// Links, loops and other file systems on a Wine prefix laid out like a real user's: the scan and
// the file search walk the same fixture and must agree. The prefix's Desktop links to the "home"
// folder that holds the prefix itself, a junction-like link points back at drive C's root, links
// dangle, one file link leads out of the target and one stays inside.

#include <gtest/gtest.h>

#include <filesystem>

#include "agent/scan/scan_engine.h"
#include "agent/search/file_search.h"
#include "core/db/checklist_database.h"
#include "platform/target/walk_guard.h"
#include "tests/unit/scan_fixture.h"

namespace scx {
namespace {

namespace fs = std::filesystem;

// Names the sample user checklist knows by file name alone (scan_fixture.h): each gives a row
// wherever the scan meets it, so a file met twice gives two rows.
class WalkLinksTest : public ::testing::Test {
protected:
    void SetUp() override {
        ReleaseCheckListDatabase();
        // The home folder is the builder's root: it holds the prefix (dosdevices, drive_c).
        home = builder.Root();
        builder.AddFile("C:\\Apps\\inhouse.exe", "MZ in-house");
        builder.AddFile("C:\\Program Files\\Acme\\tool.exe", "MZ tool");
        fs::create_directories(builder.DriveC() + "/users/kim");
        fs::create_directory_symlink(home, builder.DriveC() + "/users/kim/Desktop");
        fs::create_directory_symlink("..", builder.DriveC() + "/Apps/loop");          // junction to C:\ .
        fs::create_directory_symlink(home + "/gone", builder.DriveC() + "/Apps/gone");  // dangling folder
        fs::create_symlink("nowhere.exe", builder.DriveC() + "/Apps/inhouse-old.exe");  // dangling file
        // A file outside every drive (named like a checklist program) and one inside drive C.
        test::WriteBytes(outside.File("secret.bin"), "MZ outside");
        fs::create_symlink(outside.File("secret.bin"), builder.DriveC() + "/Apps/big-name.exe");
        fs::create_symlink("loop/Program Files/Acme/tool.exe", builder.DriveC() + "/Apps/x.exe");  // via a link
        fs::create_symlink("cycle-b.exe", builder.DriveC() + "/Apps/cycle-a.exe");  // links that loop
        fs::create_symlink("cycle-a.exe", builder.DriveC() + "/Apps/cycle-b.exe");
        // A program in the home folder, off drive C; Z: maps the home folder.
        fs::create_directories(home + "/Downloads");
        test::WriteBytes(home + "/Downloads/x.exe", "MZ downloaded");
        // The registry names a program through the Desktop link: off drive C as well.
        test::WriteBytes(home + "/Downloads/zap.exe",
                         test::BuildPeImage({{"CompanyName", "Zap Inc"}, {"ProductName", "Zap"},
                                             {"ProductVersion", "3.1"}, {"OriginalFilename", "zap.exe"}}));
        builder.SetString(reg::RegRoot::LocalMachine,
                          "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\zap.exe", "",
                          "C:\\users\\kim\\Desktop\\Downloads\\zap.exe");
        std::string prefix = builder.WriteWinePrefix();
        fs::create_directory_symlink(home, prefix + "/dosdevices/z:");
        test::WriteScanDatabase(dataHome, "-", "-");
        std::string error;
        target = target::OpenTarget({"wine:" + prefix}, &error);
        ASSERT_TRUE(target) << error;
    }
    void TearDown() override { ReleaseCheckListDatabase(); }

    // "DB_ID PATH" of every row of a scan of `drives`, IsExist off so a file met twice shows.
    std::vector<std::string> ScanRows(const std::string& drives) {
        CFileIPT result;
        scan::ScanEngine engine;
        scan::ScanSettings settings;
        settings.result = &result;
        settings.resultPath = dataHome.File("out.ipt");
        settings.target = target.get();
        settings.driveLetters = drives;
        settings.isExist = false;
        EXPECT_TRUE(engine.StartScan(settings));
        engine.RunScan();
        std::vector<std::string> rows;
        for (int i = 0; i < result.SwList().GetRowCount(); ++i)
            rows.push_back(result.SwList().GetCell(i, "DB_ID") + " " + result.SwList().GetCell(i, "PATH"));
        std::sort(rows.begin(), rows.end());
        return rows;
    }

    // "FOLDER NAME" of every file the search finds on `drives` with `pattern`.
    std::vector<std::string> SearchRows(const std::string& drives, const std::string& pattern) {
        struct Collector : FileSearchObserver {
            void OnTotal(int) override {}
            void OnStep() override {}
            void OnFound(const FoundFileRow& row) override { rows.push_back(row.folder + " " + row.name); }
            void OnDone() override {}
            std::vector<std::string> rows;
        } collector;
        FileSearchRequest request{target.get(), {}, pattern};
        for (char letter : drives) request.disks.push_back(std::string(1, letter) + ":\\");
        std::atomic<int> searching{1};
        RunFileSearch(request, searching, collector);
        std::sort(collector.rows.begin(), collector.rows.end());
        return collector.rows;
    }

    test::TempHome outside;   // a folder of no drive
    test::TempHome dataHome;  // the data folder (the one made last is SCX_HOME)
    test::TargetBuilder builder;
    std::string home;
    std::unique_ptr<target::Target> target;
};

TEST_F(WalkLinksTest, EachFileOnceAndNothingOffTheDrive) {
    // inhouse.exe: once, though the Desktop link (home holds the prefix) and the loop lead back to
    // it. x.exe: the link inside drive C counts as its file. big-name.exe leads out of the target,
    // the dangling links lead nowhere, Downloads lies on Z: only: none of them gives a row, and
    // neither does the application path through the Desktop link.
    struct Case {
        const char* drives;
        std::vector<std::string> scanRows;
        std::vector<std::string> found;
    } cases[] = {
        {"C",
         {"501 C:\\Apps\\", "502 C:\\Apps\\", "503 C:\\Program Files\\Acme\\"},
         {"C:\\Apps\\ inhouse.exe", "C:\\Apps\\ x.exe", "C:\\Program Files\\Acme\\ tool.exe"}},
        // Z: maps the home folder: its own files come under Z:, drive C's folders not again.
        {"CZ",
         {"501 C:\\Apps\\", "502 C:\\Apps\\", "502 Z:\\Downloads\\", "503 C:\\Program Files\\Acme\\"},
         {"C:\\Apps\\ inhouse.exe", "C:\\Apps\\ x.exe", "C:\\Program Files\\Acme\\ tool.exe",
          "Z:\\Downloads\\ x.exe", "Z:\\Downloads\\ zap.exe"}},
        // Z: alone holds drive C's files too, under its own paths; Desktop and the loop add nothing.
        // (Whether the walk meets drive_c or the link dosdevices\c: first follows the folder order.)
        {"Z",
         {"501 Z:\\drive_c\\Apps\\", "502 Z:\\Downloads\\", "502 Z:\\drive_c\\Apps\\",
          "503 Z:\\drive_c\\Program Files\\Acme\\"},
         {"Z:\\Downloads\\ x.exe", "Z:\\Downloads\\ zap.exe", "Z:\\drive_c\\Apps\\ inhouse.exe", "Z:\\drive_c\\Apps\\ x.exe",
          "Z:\\drive_c\\Program Files\\Acme\\ tool.exe"}},
    };
    auto sameDriveC = [](std::vector<std::string> rows) {
        for (auto& row : rows)
            if (size_t at = row.find("\\dosdevices\\c:\\"); at != std::string::npos) row.replace(at, 15, "\\drive_c\\");
        std::sort(rows.begin(), rows.end());
        return rows;
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.drives);
        EXPECT_EQ(sameDriveC(ScanRows(c.drives)), c.scanRows);
        EXPECT_EQ(sameDriveC(SearchRows(c.drives, "*.exe")), c.found);
    }
}

TEST_F(WalkLinksTest, PathLimitOf260Characters) {
    // "C:\Deep\" and a name of 252 characters is a folder path of 260: walked; 253 is not.
    std::string walked = "C:\\Deep\\" + std::string(252, 'a'), skipped = "C:\\Deep\\" + std::string(253, 'b');
    builder.AddFile(walked + "\\inhouse.exe", "MZ");
    builder.AddFile(skipped + "\\inhouse.exe", "MZ");
    auto rows = ScanRows("C");
    EXPECT_EQ(std::count(rows.begin(), rows.end(), "501 " + walked + "\\"), 1);
    EXPECT_EQ(std::count(rows.begin(), rows.end(), "501 " + skipped + "\\"), 0);
}

TEST(WalkGuard, StaysOnTheFileSystemOfTheDriveRoot) {
    // A prefix whose Z: maps "/", as wineboot makes it: /proc and /dev are other file systems.
    test::TargetBuilder builder;
    std::string prefix = builder.WriteWinePrefix();
    fs::create_directory_symlink("/", prefix + "/dosdevices/z:");
    std::string error;
    auto target = target::OpenTarget({"wine:" + prefix}, &error);
    ASSERT_TRUE(target) << error;
    target::WalkGuard guard(*target);
    ASSERT_TRUE(guard.BeginDrive('Z'));
    EXPECT_FALSE(guard.EnterFolder("/proc"));
    // The fixture is on the file system of "/" unless the temporary folder is a mount of its own.
    bool tempOnRoot = target::DriveBounds::Of(target::Drive{'Z', "/"})->Contains(builder.Root());
    EXPECT_EQ(guard.EnterFolder(builder.Root()), tempOnRoot);
    EXPECT_FALSE(guard.EnterFolder(builder.Root()));  // entered once
    EXPECT_FALSE(guard.BeginDrive('Z'));              // its root was entered already
    EXPECT_FALSE(guard.BeginDrive('Q'));              // no such drive
}

}  // namespace
}  // namespace scx
