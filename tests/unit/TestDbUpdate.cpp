#include <gtest/gtest.h>

#include <future>
#include <mutex>
#include <thread>

#include "core/dbupdate/checklist_database_files.h"
#include "core/dbupdate/daily_check.h"
#include "core/dbupdate/db_update_worker.h"
#include "platform/folders.h"
#include "tests/support/temp_home.h"
#include "tests/support/test_http_server.h"

using namespace scx;

namespace {

constexpr std::string_view kNames[] = {"windowchecklist.dat", "package.dat", "filter.dat",
                                       "userchecklist.dat", "fontchecklist.dat"};

// What a progress window would show, in order.
class RecordingObserver : public DbUpdateObserver {
public:
    void OnStep(int step, std::string_view text) override {
        std::lock_guard<std::mutex> lock(mutex);
        steps.push_back(step);
        texts.emplace_back(text);
        if (step == kStepWindowCheckList && firstFileStep) {
            firstFileStep->set_value();
            firstFileStep.reset();
        }
    }
    void OnNoConnection() override { ++noConnection; }
    void OnFileDone(const DbFileInfo& file, DownloadOutcome outcome, std::string_view) override {
        outcomes.emplace_back(CheckListFileName(file.file), outcome);
    }
    std::mutex mutex;
    std::vector<int> steps;
    std::vector<std::string> texts;
    int noConnection = 0;
    std::vector<std::pair<std::string_view, DownloadOutcome>> outcomes;
    std::optional<std::promise<void>> firstFileStep;
};

class DbUpdateTest : public ::testing::Test {
protected:
    void SetUp() override {
        server.ServeSampleDatabase();
        WriteChecklistHost(server.HostPort());
        config = DbUpdateConfigFromSettings();
        EXPECT_EQ(config.folder, home.Path());
    }
    void TearDown() override { ReleaseCheckListDatabase(); }

    // One run on the worker thread, as the dialog drives it.
    DbUpdateSummary RunWorker(RecordingObserver& observer) {
        DbUpdateWorker worker(databases);
        EXPECT_TRUE(worker.Start(config, observer));
        worker.Join();
        EXPECT_FALSE(worker.IsRunning());
        return worker.Summary();
    }
    std::string Local(std::string_view name) const { return home.File(name); }

    test::TempHome home;
    test::TestHttpServer server;
    DbUpdateConfig config;
    CheckListDatabaseFiles databases;
};

const std::vector<int> kAllSteps = {0, 1, 2, 3, 5, 4, 6};

}  // namespace

TEST_F(DbUpdateTest, FirstUpdatePutsTheFiveFilesInPlaceWithoutBackups) {
    RecordingObserver observer;
    DbUpdateSummary summary = RunWorker(observer);
    EXPECT_TRUE(summary.AllReplaced());
    EXPECT_EQ(observer.steps, kAllSteps);
    EXPECT_EQ(observer.texts.front(), "버전 체크중입니다.");
    EXPECT_EQ(observer.texts[4], "유저체크리스트 DB를 업데이트 중입니다.");
    EXPECT_EQ(observer.texts.back(), "업데이트가 완료되었습니다.");
    for (auto name : kNames) {
        EXPECT_EQ(test::ReadBytes(Local(name)), test::SampleDatabaseFile(name)) << name;
        EXPECT_FALSE(platform::FileExists(Local(name) + ".bak")) << name;
        EXPECT_FALSE(platform::FileExists(Local(name) + ".tmp")) << name;
    }
    std::vector<std::string> expected;
    for (auto name : kNames) expected.push_back("/cmmn/download.nis?type=file&filename=" + std::string(name));
    auto requests = server.Requests();
    for (auto& line : requests) line = line.substr(0, line.find('\t'));
    EXPECT_EQ(requests, expected);
    EXPECT_NE(GetWindowCheckList(), nullptr);
}

TEST_F(DbUpdateTest, SecondUpdateKeepsThePreviousFileAsTheOnlyBackup) {
    for (auto name : kNames) {
        test::WriteBytes(Local(name), "previous " + std::string(name));
        test::WriteBytes(Local(name) + ".bak", "older");
    }
    // A database loaded before the update is dropped and loaded again from the new file.
    test::WriteBytes(Local("windowchecklist.dat"), test::SampleDatabaseFile("fontchecklist.dat"));
    auto before = GetWindowCheckList();
    ASSERT_NE(before, nullptr);
    const std::string previousWindow = test::ReadBytes(Local("windowchecklist.dat"));

    RecordingObserver observer;
    EXPECT_TRUE(RunWorker(observer).AllReplaced());
    for (auto name : kNames) {
        EXPECT_EQ(test::ReadBytes(Local(name)), test::SampleDatabaseFile(name)) << name;
        std::string expectedBackup = name == "windowchecklist.dat" ? previousWindow : "previous " + std::string(name);
        EXPECT_EQ(test::ReadBytes(Local(name) + ".bak"), expectedBackup) << name;
    }
    auto after = GetWindowCheckList();
    ASSERT_NE(after, nullptr);
    EXPECT_NE(after, before);
    EXPECT_NE(after->CheckList().GetRowCount(), before->CheckList().GetRowCount());
}

TEST_F(DbUpdateTest, AFailedOrInvalidFileIsSkippedAndTheOthersReplaced) {
    struct Case {
        const char* control;
        DownloadOutcome outcome;
    } cases[] = {
        {R"({"filter.dat": {"status": 500}})", DownloadOutcome::Failed},
        {R"({"filter.dat": {"status": 404}})", DownloadOutcome::Failed},
        {R"({"filter.dat": "drop"})", DownloadOutcome::Failed},
        {R"({"filter.dat": "garbage"})", DownloadOutcome::Invalid},
        {"{}", DownloadOutcome::Invalid},  // a record file of another kind, below
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.control);
        server.SetControl(c.control);
        server.ServeFile("filter.dat", std::string_view(c.control) == "{}"
                                           ? test::SampleDatabaseFile("package.dat")
                                           : test::SampleDatabaseFile("filter.dat"));
        for (auto name : kNames) {
            test::WriteBytes(Local(name), "old");
            test::WriteBytes(Local(name) + ".bak", "older");
        }
        RecordingObserver observer;
        DbUpdateSummary summary = RunWorker(observer);
        EXPECT_EQ(observer.steps, kAllSteps);
        EXPECT_EQ(observer.texts.back(), "업데이트가 완료되었습니다.");
        EXPECT_EQ(summary.outcomes[2], c.outcome);
        EXPECT_EQ(test::ReadBytes(Local("filter.dat")), "old");
        EXPECT_EQ(test::ReadBytes(Local("filter.dat.bak")), "older");
        EXPECT_FALSE(platform::FileExists(Local("filter.dat.tmp")));
        for (auto name : kNames) {
            if (name == "filter.dat") continue;
            EXPECT_EQ(test::ReadBytes(Local(name)), test::SampleDatabaseFile(name)) << name;
            EXPECT_EQ(test::ReadBytes(Local(name) + ".bak"), "old") << name;
        }
        ReleaseCheckListDatabase();
    }
}

TEST_F(DbUpdateTest, AStalledAnswerFailsThatFileOnly) {
    server.SetControl(R"({"package.dat": {"delay": 3}})");
    config.stallTimeoutS = 1;
    RecordingObserver observer;
    DbUpdateSummary summary = RunWorker(observer);
    EXPECT_EQ(summary.outcomes[1], DownloadOutcome::Failed);
    EXPECT_EQ(summary.outcomes[0], DownloadOutcome::Replaced);
    EXPECT_EQ(summary.outcomes[4], DownloadOutcome::Replaced);
    EXPECT_FALSE(platform::FileExists(Local("package.dat")));
    EXPECT_FALSE(platform::FileExists(Local("package.dat.tmp")));
}

TEST_F(DbUpdateTest, StopDuringADownloadEndsTheRunWithItsFinalStep) {
    server.SetControl(R"({"windowchecklist.dat": {"delay": 30}})");
    test::WriteBytes(Local("windowchecklist.dat"), "old");
    RecordingObserver observer;
    observer.firstFileStep.emplace();
    auto fileStep = observer.firstFileStep->get_future();
    DbUpdateWorker worker(databases);
    ASSERT_TRUE(worker.Start(config, observer));
    fileStep.wait();
    // Stop while the server sits on the request.
    while (server.Requests().empty()) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    worker.Stop();
    worker.Join();
    EXPECT_FALSE(worker.IsRunning());
    EXPECT_EQ(observer.steps, kAllSteps);
    EXPECT_EQ(worker.Summary().outcomes[0], DownloadOutcome::Failed);
    for (size_t i = 1; i < 5; ++i) EXPECT_EQ(worker.Summary().outcomes[i], DownloadOutcome::NotAttempted);
    EXPECT_EQ(test::ReadBytes(Local("windowchecklist.dat")), "old");
    EXPECT_EQ(server.Requests().size(), 1u);
}

TEST_F(DbUpdateTest, NoConnectionEndsTheRunWithoutTouchingAFile) {
    config.server.port = test::ClosedLoopbackPort();
    test::WriteBytes(Local("filter.dat"), "old");
    RecordingObserver observer;
    DbUpdateWorker worker(databases);
    // The window's own test: no worker starts.
    EXPECT_FALSE(worker.Start(config, observer));
    EXPECT_TRUE(observer.steps.empty());
    // The server went away between the window's test and the worker's: the run ends after step 0
    // and says so, so the window can close with its message.
    std::atomic<int> runFlag{1};
    DbUpdateSummary summary = RunDbUpdate(config, databases, observer, runFlag);
    EXPECT_FALSE(summary.connected);
    EXPECT_EQ(observer.steps, std::vector<int>{0});
    EXPECT_EQ(observer.noConnection, 1);
    EXPECT_EQ(runFlag.load(), 0);
    EXPECT_EQ(test::ReadBytes(Local("filter.dat")), "old");
    EXPECT_TRUE(server.Requests().empty());
}

TEST_F(DbUpdateTest, DailyCheckFollowsUpdateFlagAndDate) {
    struct Case {
        const char* flag;  // nullptr: no key
        bool updates;
        const char* flagAfter;
    } cases[] = {
        {nullptr, true, "N"},
        {"", true, "N"},
        {"Y", true, "Y"},
        {"N", false, "N"},
        {"yes", false, "yes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flag ? c.flag : "(missing)");
        std::remove(GetSettingFilePath().c_str());
        if (c.flag) WriteUpdateFlag(c.flag);
        WriteLatestUpdateDate("2026-12-10");
        int runs = 0;
        auto update = [&] {
            RecordingObserver observer;
            EXPECT_TRUE(RunWorker(observer).AllReplaced());
            ++runs;
        };
        EXPECT_EQ(RunDailyUpdateCheck("2026-12-11", update), c.updates);
        EXPECT_EQ(runs, c.updates ? 1 : 0);
        EXPECT_EQ(ReadUpdateFlag(), c.flagAfter);
        EXPECT_EQ(ReadLatestUpdateDate(), "2026-12-11");
        // A second start on the same day checks nothing and writes nothing.
        const std::string before = test::ReadBytes(GetSettingFilePath());
        EXPECT_FALSE(RunDailyUpdateCheck("2026-12-11", update));
        EXPECT_EQ(test::ReadBytes(GetSettingFilePath()), before);
        // The next day: "N" (written by the first check when the flag was empty) means no update.
        EXPECT_EQ(RunDailyUpdateCheck("2026-12-12", update), std::string(c.flagAfter) == "Y");
        for (auto name : kNames) std::remove(Local(name).c_str());
        ReleaseCheckListDatabase();
    }
}
