#include <gtest/gtest.h>

#include "platform/file.h"
#include "tests/support/temp_home.h"

using namespace scx;
using platform::Access;
using platform::LockedFile;
using platform::Share;

// Two holders of one file, as Windows share modes allow or refuse them.
TEST(LockedFile, ShareModes) {
    test::TempHome home;
    std::string path = home.File("f");
    test::WriteBytes(path, "data");
    struct Case {
        Access firstAccess;
        Share firstShare;
        Access secondAccess;
        Share secondShare;
        bool secondOpens;
    } cases[] = {
        {Access::Read, Share::DenyWrite, Access::Read, Share::DenyWrite, true},   // two readers
        {Access::Read, Share::DenyWrite, Access::ReadWrite, Share::DenyNone, false},
        {Access::ReadWrite, Share::DenyWrite, Access::Read, Share::DenyNone, true},
        {Access::ReadWrite, Share::DenyWrite, Access::ReadWrite, Share::DenyWrite, false},
        {Access::ReadWrite, Share::DenyNone, Access::ReadWrite, Share::DenyNone, true},
        {Access::ReadWrite, Share::DenyNone, Access::Read, Share::DenyWrite, false},
    };
    for (const auto& c : cases) {
        LockedFile first, second;
        ASSERT_TRUE(first.Open(path, c.firstAccess, c.firstShare));
        std::string error;
        EXPECT_EQ(second.Open(path, c.secondAccess, c.secondShare, &error), c.secondOpens)
            << static_cast<int>(c.firstAccess) << static_cast<int>(c.firstShare)
            << static_cast<int>(c.secondAccess) << static_cast<int>(c.secondShare);
        if (!c.secondOpens) {
            EXPECT_FALSE(error.empty());
        }
    }
    LockedFile after;  // every lock went with its holder
    EXPECT_TRUE(after.Open(path, Access::ReadWrite, Share::DenyWrite));
}

// Whether a file is held in a way a move of it would run into: writers and write-deniers are seen
// (also within this process), plain readers and closed files are not.
TEST(LockedFile, IsFileHeldSeesWritersAndDeniers) {
    test::TempHome home;
    std::string path = home.File("f");
    test::WriteBytes(path, "data");
    struct Case {
        Access access;
        Share share;
        bool held;
    } cases[] = {
        {Access::Read, Share::DenyNone, false},
        {Access::Read, Share::DenyWrite, true},
        {Access::ReadWrite, Share::DenyNone, true},
    };
    for (const auto& c : cases) {
        LockedFile holder;
        ASSERT_TRUE(holder.Open(path, c.access, c.share));
        EXPECT_EQ(platform::IsFileHeld(path), c.held) << static_cast<int>(c.access) << static_cast<int>(c.share);
        holder.Close();
        EXPECT_FALSE(platform::IsFileHeld(path));
    }
    EXPECT_FALSE(platform::IsFileHeld(home.File("missing")));
}

TEST(LockedFile, ReplaceKeepsHoldingAndAtomicWriteRespectsHolders) {
    test::TempHome home;
    std::string path = home.File("f");
    test::WriteBytes(path, "old");
    LockedFile held;
    ASSERT_TRUE(held.Open(path, Access::ReadWrite, Share::DenyWrite));
    ASSERT_TRUE(held.Replace("new content"));
    EXPECT_EQ(test::ReadBytes(path), "new content");
    EXPECT_EQ(*held.ReadAll(), "new content");
    LockedFile other;
    EXPECT_FALSE(other.Open(path, Access::ReadWrite, Share::DenyNone));  // still held after Replace
    std::string error;
    EXPECT_FALSE(platform::WriteFileAtomically(path, "intruder", &error));
    EXPECT_EQ(test::ReadBytes(path), "new content");
    held.Close();
    EXPECT_TRUE(platform::WriteFileAtomically(path, "free now"));
    EXPECT_EQ(test::ReadBytes(path), "free now");

    LockedFile missing;
    EXPECT_FALSE(missing.Open(home.File("nope"), Access::Read, Share::DenyNone, &error));
    EXPECT_FALSE(missing.Open(home.Path(), Access::Read, Share::DenyNone, &error));  // a folder
}
