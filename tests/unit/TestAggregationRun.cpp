#include <gtest/gtest.h>

#include <thread>

#include "core/db/checklist_database.h"
#include "core/docs/file_tls.h"
#include "core/folders.h"
#include "hub/shell/aggregation_run.h"
#include "platform/folders.h"
#include "tests/support/record_builders.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/temp_home.h"

using namespace scx;
using Answer = Prompter::Answer;

namespace {

struct Recorder : AggregationReporter {
    void Status(std::string_view text) override { events.push_back(std::string(text)); }
    void Progress(int index, int count, std::string_view name) override {
        events.push_back(CountLabel(index, count) + " " + PercentLabel(index, count) + " " + std::string(name));
        if (index == stopAt && flag) flag->store(0);
    }
    std::vector<std::string> events;
    int stopAt = 0;
    std::atomic<int>* flag = nullptr;
};

struct Fixture {
    Fixture() {
        EnsureFolder(GetCheckOutFolder("IPT"));
        for (int i = 1; i <= 5; ++i) {
            std::string name = "pc" + std::to_string(i) + ".ipt";
            test::WriteRecordFile(GetCheckOutFolder("IPT") + name,
                                  test::IptText(name, "0", {{.gubun = "2", .dbId = "20"}, {.dbId = "10"}}));
        }
        request.targetPath = home.File("out.tls");
    }
    test::TempHome home;
    AggregationRequest request;
    std::atomic<int> running{1};
    Recorder reporter;
    test::ScriptedPrompter prompter;
};

}  // namespace

TEST(AggregationRun, MergesEveryFileSortsAndSaves) {
    Fixture f;
    f.request.names = {"pc1.ipt", "pc2.ipt", GetCheckOutFolder("IPT") + "pc3.ipt"};
    EXPECT_EQ(RunAggregation(f.request, f.running, f.reporter, f.prompter), AggregationMessage::Finished);
    EXPECT_EQ(f.reporter.events,
              (std::vector<std::string>{"패키지 작업을 준비 중입니다.", "pc1.ipt", "1/3 33.33% pc1.ipt", "pc2.ipt",
                                        "2/3 66.67% pc2.ipt", GetCheckOutFolder("IPT") + "pc3.ipt",
                                        "3/3 100.00% " + GetCheckOutFolder("IPT") + "pc3.ipt", "취합 완료"}));
    CFileTLS total;
    ASSERT_EQ(total.Load(f.request.targetPath, true), 1);
    EXPECT_EQ(total.Header().GetRowText(0), "2");
    EXPECT_EQ(total.UserInfo().GetRowCount(), 3);
    // Sorted by GUBUN: the checklist program (added second) comes first and keeps its ID.
    EXPECT_EQ(total.SwList().GetRowText(0), "1\t1\t10\tAcme\tWord\t1000\t3\t-\t0\t-\t-\t-");
    EXPECT_EQ(total.SwList().GetRowText(1), "0\t2\t20\tAcme\tWord\t1000\t3\t-\t0\t-\t-\t-");
    EXPECT_TRUE(f.prompter.shown.empty());
}

TEST(AggregationRun, FoldsPackagesWithThePackageFileOfTheDataFolder) {
    Fixture f;
    test::WriteRecordFile(GetProgramFolder() + "package.dat",
                          test::RecordText({{"#HEADER", {"1"}},
                                            {"#PACKAGE", {"500\tSuiteCo\tSuite\t0\t-\t-\t-\t10;20"}},
                                            {"#SUB", {"500\tPro\t9000\t10;20;"}}}));
    ReleaseCheckListDatabase();
    EXPECT_TRUE(GoOnWithoutPackageFile(f.prompter));
    f.request.names = {"pc1.ipt", "pc2.ipt"};
    EXPECT_EQ(RunAggregation(f.request, f.running, f.reporter, f.prompter), AggregationMessage::Finished);
    CFileTLS total;
    ASSERT_EQ(total.Load(f.request.targetPath, true), 1);
    ASSERT_EQ(total.SwList().GetRowCount(), 1);
    EXPECT_EQ(total.SwList().GetRowText(0), "0\t0\t500\tSuiteCo\tSuite(Pro)\t9000\t2\t-\t0\t-\t-\t-");
    ReleaseCheckListDatabase();
}

TEST(AggregationRun, AsksWhetherToGoOnWithoutThePackageFile) {
    Fixture f;
    test::ScriptedPrompter stop({Answer::Yes});
    EXPECT_FALSE(GoOnWithoutPackageFile(stop));
    EXPECT_EQ(stop.shown, (std::vector<std::string>{std::string(kAskStopWithoutPackages)}));
    test::ScriptedPrompter goOn({Answer::No});
    EXPECT_TRUE(GoOnWithoutPackageFile(goOn));
}

TEST(AggregationRun, AnUnreadableFileIsReportedAndSkipped) {
    Fixture f;
    test::WriteBytes(GetCheckOutFolder("IPT") + "bad.ipt", "");
    f.request.names = {"pc1.ipt", "bad.ipt", "pc2.ipt"};
    EXPECT_EQ(RunAggregation(f.request, f.running, f.reporter, f.prompter), AggregationMessage::Finished);
    EXPECT_EQ(f.prompter.shown, (std::vector<std::string>{"IPT open fail."}));
    CFileTLS total;
    ASSERT_EQ(total.Load(f.request.targetPath, true), 1);
    EXPECT_EQ(total.UserInfo().GetRowCount(), 2);
}

TEST(AggregationRun, ARefusedPcAsksWhetherToStop) {
    Fixture f;
    // A PC section without its row cannot give a PC row.
    test::WriteRecordFile(GetCheckOutFolder("IPT") + "nopc.ipt",
                          test::RecordText({{"#HEADER", {"0"}}, {"#USERINFO", {}}, {"#SWLIST", {}}}));
    f.request.names = {"pc1.ipt", "nopc.ipt", "pc2.ipt"};
    test::ScriptedPrompter stop({Answer::Yes});
    EXPECT_EQ(RunAggregation(f.request, f.running, f.reporter, stop), AggregationMessage::Abort);
    EXPECT_EQ(stop.shown, (std::vector<std::string>{"nopc.ipt 파일을 취합할 수 없습니다. 중지하시겠습니까?"}));
    EXPECT_FALSE(platform::FileExists(f.request.targetPath));
    test::ScriptedPrompter goOn({Answer::No});
    EXPECT_EQ(RunAggregation(f.request, f.running, f.reporter, goOn), AggregationMessage::Finished);
}

// The window clears the flag from its own thread while the worker merges the second file.
TEST(AggregationRun, ClearingTheRunFlagStopsBeforeTheNextFileAndWritesNothing) {
    Fixture f;
    f.request.names = {"pc1.ipt", "pc2.ipt", "pc3.ipt", "pc4.ipt", "pc5.ipt"};
    f.reporter.stopAt = 2;
    f.reporter.flag = &f.running;
    AggregationMessage message{};
    std::thread worker([&] { message = RunAggregation(f.request, f.running, f.reporter, f.prompter); });
    worker.join();
    EXPECT_EQ(message, AggregationMessage::Abort);
    EXPECT_EQ(f.reporter.events.back(), "2/5 40.00% pc2.ipt");
    EXPECT_FALSE(platform::FileExists(f.request.targetPath));
}

TEST(AggregationRun, AFailedSaveIsReported) {
    Fixture f;
    f.request.names = {"pc1.ipt"};
    f.request.targetPath = f.home.File("no/such/folder/out.tls");
    EXPECT_EQ(RunAggregation(f.request, f.running, f.reporter, f.prompter), AggregationMessage::Abort);
    EXPECT_EQ(f.reporter.events.back(), "저장실패");
    ASSERT_EQ(f.prompter.shown.size(), 1u);
    EXPECT_EQ(f.prompter.shown[0].rfind("MAKE TLS FAIL.", 0), 0u);
}
