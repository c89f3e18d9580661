// The agent program's Qt-free parts: the single-instance lock and the result list's texts.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "agent/app/result_list.h"
#include "agent/app/single_instance.h"
#include "tests/support/temp_home.h"

namespace scx {
namespace {

class RuntimeDir : public ::testing::Test {
protected:
    void SetUp() override { setenv("XDG_RUNTIME_DIR", home_.Path().c_str(), 1); }
    test::TempHome home_;
};

TEST_F(RuntimeDir, SecondHolderIsRefusedUntilTheFirstEndsEvenByACrash) {
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    pid_t child = fork();
    if (child == 0) {
        SingleInstanceLock lock("ScxTestLock");
        char ok = lock.Acquire() ? '1' : '0';
        (void)!write(ready[1], &ok, 1);
        pause();  // killed below: the lock must not outlive the process
        _exit(0);
    }
    char ok = 0;
    ASSERT_EQ(read(ready[0], &ok, 1), 1);
    ASSERT_EQ(ok, '1');

    SingleInstanceLock second("ScxTestLock");
    EXPECT_FALSE(second.Acquire());
    EXPECT_TRUE(second.AlreadyRunning());

    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    SingleInstanceLock third("ScxTestLock");
    EXPECT_TRUE(third.Acquire());
    EXPECT_EQ(third.LockPath(), home_.Path() + "ScxTestLock.lock");
}

TEST(ResultList, CellsRowNumbersAndTheMissingFolderMessage) {
    std::vector<std::string> row = {"1", "101", "Acme", "Tool", "1", "t.exe", "tool.exe", "애크미", "툴", "1000",
                                    "C:\\App\\", "2017-04-18", "SN-1", "3", "10", "g", "1", "-", "2017-04-01"};
    EXPECT_EQ(ResultListCells(row), (std::vector<std::string>{"1", "폰트", "애크미", "툴", "SN-1", "2017-04-01",
                                                              "2017-04-18", "tool.exe", "C:\\App\\", ""}));
    row[13] = "9";
    row[17] = "note";
    EXPECT_EQ(ResultListCells(row)[1], "9");
    EXPECT_EQ(ResultListCells(row)[9], "note");
    row.pop_back();
    EXPECT_TRUE(ResultListCells(row).empty());

    EXPECT_EQ(RowNumberWidth(999), 3);
    EXPECT_EQ(RowNumberWidth(1000), 4);
    EXPECT_EQ(RowNumberWidth(1200), 4);
    EXPECT_EQ(RowNumberWidth(12000), 5);

    EXPECT_EQ(MissingFolderMessage("C:\\App\\", "app.exe"), "C:\\App\\\\app.exe 가 존재하지 않습니다.");
    EXPECT_EQ(MissingFolderMessage("C:\\App\\", "-"), "C:\\App\\ 가 존재하지 않습니다.");
}

TEST(ResultList, CsvAppendsInCodePage949WithCommasTurnedIntoPoints) {
    test::TempHome home;
    std::vector<std::vector<std::string>> rows = {
        {"001", "1", "상용", "Acme", "Tool 1,234", "-", "d1", "d2", "t.exe", "C:\\A\\", "비고는 없다"}};
    std::string text = ResultListCsvText(rows);
    EXPECT_EQ(text, "001,1,상용,Acme,Tool 1.234,-,d1,d2,t.exe,C:\\A\\\n");
    ASSERT_TRUE(AppendResultListCsv(home.File("a"), text));
    ASSERT_TRUE(AppendResultListCsv(home.File("a"), text));
    std::string once = "001,1,\xBB\xF3\xBF\xEB,Acme,Tool 1.234,-,d1,d2,t.exe,C:\\A\\\r\n \r\n";
    EXPECT_EQ(test::ReadBytes(home.File("a.csv")), once + once);
    ASSERT_TRUE(AppendResultListCsv(home.File("empty"), ResultListCsvText({})));
    EXPECT_EQ(test::ReadBytes(home.File("empty.csv")), " \r\n");
}

}  // namespace
}  // namespace scx
