#include <gtest/gtest.h>

#include <thread>

#include "core/db/checklist_database.h"
#include "tests/support/temp_home.h"

using namespace scx;

namespace {

std::string CheckListText(std::string_view version, std::string_view product) {
    return "#HEADER_START\r\n" + std::string(version) +
           "\r\n#HEADER_END\r\n#CHECKLIST_START\r\n1001\tAcme\t" + std::string(product) +
           "\t17\tWORD.EXE\tword.exe\tA\tW\t1\t0\t1\tg\t1\t-\r\n#CHECKLIST_END\r\n";
}

class CheckListDatabase : public ::testing::Test {
protected:
    void TearDown() override { ReleaseCheckListDatabase(); }
    void WriteCheckList(std::string_view version, std::string_view product = "Word") {
        test::WriteBytes(home.File("windowchecklist.dat"),
                         test::ScrambledFromText(CheckListText(version, product)));
    }
    test::TempHome home;
};

}  // namespace

TEST_F(CheckListDatabase, MissingOrBrokenFilesGiveNoneAndAreTriedAgain) {
    EXPECT_EQ(GetWindowCheckList(), nullptr);
    EXPECT_EQ(GetFontCheckList(), nullptr);
    EXPECT_EQ(GetUserCheckList(), nullptr);
    EXPECT_EQ(GetPackageList(), nullptr);
    EXPECT_EQ(GetFilterList(), nullptr);
    // A package file without its #SUB section does not load.
    test::WriteBytes(
        home.File("package.dat"),
        test::ScrambledFromText(
            "#HEADER_START\r\n1\r\n#HEADER_END\r\n#PACKAGE_START\r\n#PACKAGE_END\r\n"));
    EXPECT_EQ(GetPackageList(), nullptr);
    WriteCheckList("1");
    auto list = GetWindowCheckList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->GetPath(), home.File("windowchecklist.dat"));
    EXPECT_EQ(GetWindowCheckList(), list);   // the same object, not reloaded
    EXPECT_EQ(GetFontCheckList(), nullptr);  // each file is its own singleton
}

TEST_F(CheckListDatabase, ReleaseMakesTheNextCallReloadWhileHoldersKeepTheirObject) {
    WriteCheckList("1", "Word");
    auto old = GetWindowCheckList();
    ASSERT_NE(old, nullptr);
    ReleaseCheckListDatabase();
    // The released object still holds its file: it cannot be replaced yet.
    EXPECT_FALSE(platform::WriteFileAtomically(home.File("windowchecklist.dat"), "x"));
    EXPECT_EQ(old->FindByKey("acme\tword\t17\tword.exe"), 0);
    old.reset();
    WriteCheckList("2", "Sheet");
    auto fresh = GetWindowCheckList();
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->Header().GetCell(0, "Version"), "2");
    EXPECT_EQ(fresh->FindByKey("acme\tsheet\t17\tword.exe"), 0);

    ReleaseCheckListFile(CheckListFile::Font);  // dropping another file leaves this one
    EXPECT_EQ(GetWindowCheckList(), fresh);
    ReleaseCheckListFile(CheckListFile::Window);
    EXPECT_NE(GetWindowCheckList(), fresh);
}

TEST_F(CheckListDatabase, ThreadsShareOneObjectAndItsLazyIndex) {
    WriteCheckList("1");
    std::vector<std::thread> threads;
    std::vector<const CFileCheckList*> seen(8);
    std::vector<int> rows(8);
    for (int t = 0; t < 8; ++t)
        threads.emplace_back([&, t] {
            auto list = GetWindowCheckList();
            seen[t] = list.get();
            rows[t] = list ? list->FindByDbId("1001") : -2;
        });
    for (auto& thread : threads) thread.join();
    for (int t = 0; t < 8; ++t) {
        EXPECT_EQ(seen[t], seen[0]);
        EXPECT_EQ(rows[t], 0);
    }
}
