// The scan on a sample PC laid out as a Wine prefix: which files become which rows under each
// setting, the folder rules, serial numbers, application paths, reports and cancelling.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <mutex>
#include <set>

#include "agent/scan/scan_engine.h"
#include "agent/scan/scan_rows.h"
#include "agent/scan/serial_number.h"
#include "core/db/checklist_database.h"
#include "platform/folders.h"
#include "tests/unit/scan_fixture.h"

namespace scx::scan {
namespace {

namespace fs = std::filesystem;
using test::VersionStrings;

VersionStrings Version(const char* company, const char* product, const char* version, const char* original) {
    return {{"CompanyName", company}, {"ProductName", product}, {"ProductVersion", version},
            {"OriginalFilename", original}};
}

class Recorder : public ScanObserver {
public:
    void OnScanReport(const ScanReport& report) override {
        std::lock_guard lock(mutex);
        reports.push_back(report);
        if (onReport) onReport(report);
    }
    std::vector<ScanMessage> Messages() const {
        std::vector<ScanMessage> out;
        for (const auto& r : reports)
            if (r.message != WM_SCAN_STEP && r.message != WM_SCAN_ROW) out.push_back(r.message);
        return out;
    }
    std::mutex mutex;
    std::vector<ScanReport> reports;
    std::function<void(const ScanReport&)> onReport;
};

// The sample PC. Comments say what each file shows.
class ScanTest : public ::testing::Test {
protected:
    void SetUp() override {
        ReleaseCheckListDatabase();
        std::string acmeTool = test::BuildPeImage(Version("Acme Corp", "Acme Tool", "10, 0, 1, 2", "tool.exe"));
        // Key 2: version "10, 0, 1, 2" finds the row whose version is 10; two copies for IsExist.
        builder.AddFile("C:\\Program Files\\Acme\\tool.exe", acmeTool);
        builder.AddFile("C:\\Program Files\\Acme Copy\\TOOL.EXE", acmeTool);
        // SW_TYPE 4, and a REG_PATH that abbreviates its root.
        builder.AddFile("C:\\Program Files\\Gom\\free.exe",
                        test::BuildPeImage(Version("Gomdori", "Gom Free®", "2.5", "free.exe")));
        // Never examined: below the Windows folder, in the profile folder, below D:\Windows.
        builder.AddFile("C:\\Windows\\System32\\tool.exe", acmeTool);
        builder.AddFile("C:\\Documents and Settings\\kim\\other.exe",
                        test::BuildPeImage(Version("Acme Corp", "Acme Other", "1.0", "other.exe")));
        builder.AddFont("HanbitGothic.ttf");
        builder.AddFont("Unknown.ttf");
        // User checklist: by name (no version resource at all), by hash (renamed), too big to hash.
        builder.AddFile("C:\\Apps\\inhouse.exe", "MZ not a real program");
        builder.AddFile("C:\\Apps\\renamed.exe", test::kHashedContent);
        std::string big = builder.AddFile("C:\\Apps\\big.exe", "");
        fs::resize_file(big, target::kHashSizeLimit + 1);
        // A file that is not *.exe: only a detailed scan looks at it.
        builder.AddFile("C:\\Apps\\tool.dll", acmeTool);

        builder.SetWindows10Pro();
        builder.SetString(reg::RegRoot::CurrentUser, "Software\\Acme\\v10\\Reg", "Serial", "SER-10");
        builder.SetString(reg::RegRoot::LocalMachine, "SOFTWARE\\Gomdori", "Serial", "NEVER");
        builder.SetString(reg::RegRoot::LocalMachine, "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment",
                          "ProgramFiles", "C:\\Program Files");
        // Application paths: one reported, one filtered, one in the Windows folder.
        builder.AddFile("C:\\Program Files\\Zap\\zap.exe", test::BuildPeImage(Version("Zap Inc", "Zap", "3.1", "zap.exe")));
        builder.AddFile("C:\\Program Files\\Zap\\zapupd.exe",
                        test::BuildPeImage(Version("Zap Inc", "Zap Updater", "1.2", "zapupd.exe")));
        builder.AddFile("C:\\Windows\\win.exe", test::BuildPeImage(Version("Microsoft", "Win", "1.0", "win.exe")));
        const char* appPaths = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
        builder.SetString(reg::RegRoot::LocalMachine, std::string(appPaths) + "zap.exe", "",
                          "\"%ProgramFiles%\\Zap\\zap.exe\"");
        builder.SetString(reg::RegRoot::LocalMachine, std::string(appPaths) + "zapupd.exe", "",
                          "C:\\Program Files\\Zap\\zapupd.exe");
        builder.SetString(reg::RegRoot::LocalMachine, std::string(appPaths) + "win.exe", "", "C:\\Windows\\win.exe");
        prefix = builder.WriteWinePrefix();

        // Drive D: its windows\Tools is walked but not examined; Other is examined.
        std::string d = builder.Root() + "/drive_d";
        fs::create_directories(d + "/windows/Tools");  // spelt as Wine spells it
        test::WriteBytes(d + "/windows/Tools/tool.exe", acmeTool);
        fs::create_directories(d + "/Other");
        test::WriteBytes(d + "/Other/other.exe", test::BuildPeImage(Version("Acme Corp", "Acme Other", "1.0", "other.exe")));
        fs::create_directory_symlink("../drive_d", prefix + "/dosdevices/d:");
        // A link out of the drive and a link back to its root: neither is followed.
        fs::create_directory_symlink("/", builder.DriveC() + "/Apps/outside");
        fs::create_directory_symlink("..", builder.DriveC() + "/Apps/loop");

        test::WriteBytes(home.File("hashed.tmp"), test::kHashedContent);
        test::WriteScanDatabase(home, target::Sha1OfHostFile(home.File("hashed.tmp")), target::Sha1OfHostFile(big));
        std::string error;
        target = target::OpenTarget({"wine:" + prefix}, &error);
        ASSERT_TRUE(target) << error;
    }
    void TearDown() override { ReleaseCheckListDatabase(); }

    ScanSettings Settings(std::string_view drives = "C") {
        ScanSettings s;
        s.observer = &recorder;
        s.result = &result;
        s.resultPath = home.File("out.ipt");
        s.target = target.get();
        s.driveLetters = drives;
        return s;
    }
    void Scan(const ScanSettings& settings) {
        ASSERT_TRUE(engine.StartScan(settings));
        engine.RunScan();
    }
    // "GUBUN DB_ID PATH" of every row, in order.
    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        const auto& list = result.SwList();
        for (int i = 0; i < list.GetRowCount(); ++i)
            rows.push_back(list.GetCell(i, "GUBUN") + " " + list.GetCell(i, "DB_ID") + " " + list.GetCell(i, "PATH"));
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    // A cell of the first row whose `key` column holds `value`.
    std::string Cell(std::string_view value, std::string_view column, std::string_view key = "DB_ID") const {
        const auto& list = result.SwList();
        for (int i = 0; i < list.GetRowCount(); ++i)
            if (list.GetCell(i, key) == value) return list.GetCell(i, column);
        return "(no row)";
    }

    test::TempHome home;
    test::TargetBuilder builder;
    std::string prefix;
    std::unique_ptr<target::Target> target;
    CFileIPT result;
    Recorder recorder;
    ScanEngine engine;
};

TEST_F(ScanTest, RowsUnderEachSetting) {
    const std::string acme = "1 101 C:\\Program Files\\Acme\\",
                      gom = "1 102 C:\\Program Files\\Gom\\", windows = "1 100 C:\\Windows",
                      inhouse = "2 501 C:\\Apps\\", hashed = "2 502 C:\\Apps\\", zap = "2 0 C:\\Program Files\\Zap\\",
                      other = "1 103 D:\\Other\\", font = "1 0 C:\\windows\\Fonts\\", dll = "1 101 C:\\Apps\\";
    struct Case {
        const char* name;
        std::function<void(ScanSettings&)> set;
        std::string drives;
        std::vector<std::string> rows;
    } cases[] = {
        {"normal scan", [](ScanSettings&) {}, "C", {windows, acme, gom, inhouse, zap}},
        {"IsExist off keeps both copies", [](ScanSettings& s) { s.isExist = false; }, "C",
         {windows, acme, acme, gom, inhouse, zap}},
        {"HashCompare finds the renamed file", [](ScanSettings& s) { s.hashCompare = true; }, "C",
         {windows, acme, gom, inhouse, hashed, zap}},
        {"IsDetail examines every file", [](ScanSettings& s) { s.isDetail = true; s.isExist = false; }, "C",
         {windows, acme, acme, gom, inhouse, dll, zap}},
        {"IsFont adds fonts", [](ScanSettings& s) { s.isFont = true; }, "C", {windows, acme, gom, inhouse, font, zap}},
        {"IsFontOnly: fonts alone", [](ScanSettings& s) { s.isFontOnly = true; }, "C", {font}},
        {"drive D: Windows\\Tools not examined", [](ScanSettings&) {}, "D", {windows, other, zap}},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.name);
        while (result.SwList().GetRowCount() > 0) result.SwList().DeleteRow(0);
        ScanSettings settings = Settings(c.drives);
        c.set(settings);
        Scan(settings);
        std::sort(c.rows.begin(), c.rows.end());
        std::vector<std::string> rows = Rows();
        for (auto& row : rows) {
            if (row.find("\\Fonts\\") != std::string::npos) row = "1 0 C:\\windows\\Fonts\\";
            // Which of two copies comes first follows the folder order of the file system.
            if (size_t at = row.find("Acme Copy"); at != std::string::npos) row.replace(at, 9, "Acme");
        }
        std::sort(rows.begin(), rows.end());
        EXPECT_EQ(rows, c.rows);
    }
}

TEST_F(ScanTest, RowValues) {
    ScanSettings settings = Settings();
    settings.isFont = true;
    Scan(settings);
    EXPECT_EQ(Cell("101", "SERIAL_NO"), "SER-10");  // 변동값: found in a sub-key
    EXPECT_EQ(Cell("101", "EXE_FILE"), "tool.exe");
    EXPECT_EQ(Cell("101", "ETC"), "-");
    EXPECT_EQ(Cell("102", "ETC"), kConditionalEtc);
    EXPECT_EQ(Cell("102", "SERIAL_NO"), "-");  // "HKLM" is not a root name
    EXPECT_EQ(Cell("501", "GUBUN"), "2");
    EXPECT_EQ(Cell(std::string(kFontEtc), "DB_ID", "ETC"), "0");  // the font's row index
    EXPECT_EQ(Cell(std::string(kFontEtc), "EXE_FILE", "ETC"), "hanbitgothic.ttf");
    EXPECT_EQ(Cell("100", "DISP_PRODUCT"), "Windows 10(Professional)");  // the name, not the checklist's
    EXPECT_EQ(Cell("100", "ETC"), "OS");
    EXPECT_NE(Cell("100", "SERIAL_NO"), "-");
    const auto& list = result.SwList();
    int zap = list.GetRowCount() - 1;
    EXPECT_EQ(list.GetRowText(zap).substr(0, 40), std::string("2\t0\tZap Inc\tZap\t3\tzap.exe\tzap.exe\tZap Inc").substr(0, 40));
    // A date "%d-%02d-%02d" where one was read.
    EXPECT_EQ(Cell("101", "CREATE_DATE").size(), 10u);
    EXPECT_EQ(Cell("101", "INSTALL_DATE").size(), 10u);
}

TEST_F(ScanTest, ReportsInOrderAndSaves) {
    Scan(Settings());
    EXPECT_EQ(recorder.Messages(), (std::vector<ScanMessage>{WM_SCAN_START, WM_SCAN_TOTAL, WM_SCAN_SAVE,
                                                             WM_SCAN_SAVE, WM_SCAN_END}));
    EXPECT_EQ(recorder.reports.front().text, home.File("out.ipt"));
    int rows = 0, steps = 0;
    long total = 0;
    for (const auto& r : recorder.reports) {
        if (r.message == WM_SCAN_TOTAL) total = r.wParam;
        if (r.message == WM_SCAN_STEP) ++steps;
        if (r.message != WM_SCAN_ROW) continue;
        // Rows arrive as they are added: each report's row is the row added at that point.
        EXPECT_EQ(std::string(RowOfReport(r.text)), result.SwList().GetRowText(rows));
        EXPECT_EQ(r.text.find(kRowSeparator) == std::string::npos, rows == 0);  // the Windows row alone
        ++rows;
    }
    EXPECT_EQ(rows, result.SwList().GetRowCount());
    EXPECT_GT(steps, 0);
    // Units count the folders at depth 1 and 2; those inside skipped folders never come.
    EXPECT_LE(steps, total);
    EXPECT_TRUE(platform::FileExists(home.File("out.ipt")));
}

TEST_F(ScanTest, MissingCheckListEndsWithAnError) {
    fs::remove(home.File("windowchecklist.dat"));
    ReleaseCheckListDatabase();
    Scan(Settings());
    ASSERT_EQ(recorder.Messages(), (std::vector<ScanMessage>{WM_SCAN_START, WM_SCAN_ERROR}));
    EXPECT_EQ(recorder.reports.back().wParam, kScanErrorCheckList);
    EXPECT_EQ(recorder.reports.back().text, kCheckListErrorText);
    EXPECT_FALSE(platform::FileExists(home.File("out.ipt")));
}

TEST_F(ScanTest, CancelInTheApplicationPathStageSavesNothing) {
    // Cancel when the first application-path row arrives (from the scan's own thread).
    recorder.onReport = [&](const ScanReport& r) {
        if (r.message == WM_SCAN_ROW && RowOfReport(r.text).substr(0, 4) == "2\t0\t") engine.Cancel();
    };
    ASSERT_TRUE(engine.StartScan(Settings()));
    {
        ScanThread thread(engine);
        thread.Join();
    }
    auto messages = recorder.Messages();
    EXPECT_EQ(messages, (std::vector<ScanMessage>{WM_SCAN_START, WM_SCAN_TOTAL, WM_SCAN_CANCELLED, WM_SCAN_END}));
    EXPECT_FALSE(platform::FileExists(home.File("out.ipt")));
}

TEST_F(ScanTest, StartScanNeedsResultTargetAndDisks) {
    ScanSettings s = Settings();
    s.result = nullptr;
    EXPECT_FALSE(engine.StartScan(s));
    s = Settings("");
    EXPECT_FALSE(engine.StartScan(s));
}

TEST(ScanText, MajorVersionAndRedecoding) {
    EXPECT_EQ(MajorVersion("10, 0, 1, 2"), "10");
    EXPECT_EQ(MajorVersion(" 6.1.7600 "), "6");
    EXPECT_EQ(MajorVersion(".5"), ".5");
    EXPECT_EQ(MajorVersion("7"), "7");
    EXPECT_EQ(RedecodeText("Acme Corp."), "Acme Corp.");
    EXPECT_NE(RedecodeText("한빛"), "한빛");
}

TEST(ScanText, AppPathExpansion) {
    test::TargetBuilder builder;
    builder.SetString(reg::RegRoot::CurrentUser, "Environment", "TOOLS", "D:\\Tools");
    builder.SetString(reg::RegRoot::LocalMachine, "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment",
                      "TOOLS", "C:\\Other");
    std::string error;
    auto target = target::OpenTarget({"wine:" + builder.WriteWinePrefix()}, &error);
    ASSERT_TRUE(target) << error;
    const auto* registry = target->Registry();
    EXPECT_EQ(ExpandAppPath(registry, "\"C:\\A\\a.exe\""), "C:\\A\\a.exe");
    EXPECT_EQ(ExpandAppPath(registry, "x%TOOLS%\\t.exe"), "D:\\Tools\\t.exe");  // the user's wins
    EXPECT_EQ(ExpandAppPath(registry, "%UNSET%\\t.exe"), "\\t.exe");
    EXPECT_EQ(ExpandAppPath(registry, "50% off"), "50% off");
}

}  // namespace
}  // namespace scx::scan
