// The file search on its thread over a small target: what it finds, its progress, stopping it,
// and the spreadsheet export. Runs under ThreadSanitizer too.
#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

#include "agent/search/file_search.h"
#include "agent/search/file_search_export.h"
#include "platform/codepage.h"
#include "platform/target/target.h"
#include "tests/support/target_builder.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/temp_home.h"

namespace scx {
namespace {

class Collector : public FileSearchObserver {
public:
    void OnTotal(int units) override { total = units; }
    void OnStep() override { ++steps; }
    void OnFound(const FoundFileRow& row) override {
        std::unique_lock lock(mutex_);
        rows.push_back(row);
        found.notify_all();
        found.wait(lock, [this] { return !holdAfterFirst || released; });
    }
    void OnDone() override { done = true; }
    void Release() {
        std::lock_guard lock(mutex_);
        released = true;
        found.notify_all();
    }
    void WaitForRow() {
        std::unique_lock lock(mutex_);
        found.wait(lock, [this] { return !rows.empty(); });
    }

    int total = -1, steps = 0;
    bool done = false, holdAfterFirst = false, released = false;
    std::vector<FoundFileRow> rows;
    std::mutex mutex_;
    std::condition_variable found;
};

std::unique_ptr<target::Target> Sample(test::TargetBuilder& builder) {
    builder.AddFile("C:\\Docs\\report.hwp", std::string(1048576, 'x'));
    builder.AddFile("C:\\Docs\\Deep\\notes.HWP", std::string(1048575, 'y'));
    builder.AddFile("C:\\Docs\\.hidden.hwp", "");
    builder.AddFile("C:\\Docs\\letter.txt", "z");
    builder.AddFolder("C:\\Empty");
    std::string error;
    return target::OpenTarget({"wine:" + builder.WriteWinePrefix()}, &error);
}

TEST(FileSearch, SizeTexts) {
    EXPECT_EQ(FileSizeText(0), "0.0 KB");
    EXPECT_EQ(FileSizeText(1048576), "1.0 MB");
    EXPECT_EQ(FileSizeText(1048575), "1024.0 KB");
    EXPECT_EQ(FileSizeText(5ull << 30), "5120.0 MB");
}

TEST(FileSearch, FindsMatchingFilesWithTheirFoldersAndCountsTopFolders) {
    test::TargetBuilder builder;
    auto target = Sample(builder);
    ASSERT_TRUE(target);
    Collector collector;
    {
        FileSearchThread thread({target.get(), {"C:\\ - 로컬디스크"}, "*.hwp"}, collector);
        thread.Join();
    }
    EXPECT_TRUE(collector.done);
    // Top-level folders of C: Windows, Program Files, Docs, Empty (and what the prefix adds).
    EXPECT_GE(collector.total, 4);
    EXPECT_EQ(collector.steps, collector.total);
    std::vector<std::string> found;
    for (const auto& row : collector.rows) found.push_back(row.folder + row.name + " " + row.size);
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<std::string>{"C:\\Docs\\.hidden.hwp 0.0 KB", "C:\\Docs\\Deep\\notes.HWP 1024.0 KB",
                                               "C:\\Docs\\report.hwp 1.0 MB"}));
}

TEST(FileSearch, StopEndsTheSearchAndTheThreadWaitsForIt) {
    test::TargetBuilder builder;
    for (int i = 0; i < 20; ++i) builder.AddFile("C:\\Many\\f" + std::to_string(i) + ".dat", "");
    auto target = Sample(builder);
    Collector collector;
    collector.holdAfterFirst = true;
    {
        FileSearchThread thread({target.get(), {"C:\\"}, "*.dat"}, collector);
        collector.WaitForRow();
        thread.Stop();
        collector.Release();
        // The destructor joins: the window's data outlives the search.
    }
    EXPECT_TRUE(collector.done);
    EXPECT_EQ(collector.rows.size(), 1u);
}

TEST(FileSearch, ExportIsOneTableInTheSpreadsheetFrame) {
    test::TempHome home;
    std::tm moment{};
    moment.tm_year = 117;
    moment.tm_mon = 3;
    moment.tm_mday = 18;
    moment.tm_hour = 9;
    moment.tm_min = 30;
    moment.tm_sec = 15;
    moment.tm_isdst = -1;
    std::time_t when = std::mktime(&moment);
    test::ScriptedPrompter prompter;
    EXPECT_EQ(SaveFileSearchExport(home.Path(), {}, prompter, when), "");
    EXPECT_EQ(prompter.shown, std::vector<std::string>{"저장할 내용이 없습니다."});

    std::string path = SaveFileSearchExport(home.Path(), {{"a<b>.hwp", "1.0 KB", "C:\\문서\\"}}, prompter, when);
    EXPECT_EQ(path, home.Path() + "파일검색결과_2017년04월18일09시30분15초.xls");
    EXPECT_EQ(prompter.shown.back(), "엑셀 저장완료");
    std::string text = platform::Utf8FromCp949(test::ReadBytes(path));
    EXPECT_EQ(text,
              "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=euc-kr\">"
              "<table><tr><td colspan=8 align=left><font size=4><bold>파일검색결과</td></tr></table>"
              "<table border=1><tr><td bgcolor=ffbf02>파일명</td><td bgcolor=ffbf02>크기</td><td bgcolor=ffbf02>위치</td></tr>"
              "<tr><td>a&lt;b&gt;.hwp</td><td>1.0 KB</td><td>C:\\문서\\</td></tr>\r\n</table>\n\r");
    EXPECT_EQ(SaveFileSearchExport(home.File("missing/folder"), {{"x", "0.0 KB", "C:\\"}}, prompter, when), "");
    EXPECT_EQ(prompter.shown.back(), "엑셀 저장실패");
}

}  // namespace
}  // namespace scx
