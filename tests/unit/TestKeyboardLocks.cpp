#include <gtest/gtest.h>

#include "platform/folders.h"
#include "platform/keyboard_locks.h"
#include "tests/support/temp_home.h"

using namespace scx;
using platform::KeyLockStates;

// Lights laid out as the system names them: a lock is on when any keyboard's light is on; other
// lights are ignored; no keyboard light at all reports none.
TEST(KeyboardLocks, ReadFromKeyboardLights) {
    test::TempHome home;
    auto light = [&](const std::string& name, const char* brightness) {
        platform::MakeFolder(home.File(name));
        test::WriteBytes(home.File(name + "/brightness"), brightness);
    };
    EXPECT_EQ(platform::ReadKeyLockStates(home.Path()), std::nullopt);
    light("mmc0::", "1\n");
    EXPECT_EQ(platform::ReadKeyLockStates(home.Path()), std::nullopt);
    light("input3::capslock", "0\n");
    light("input3::numlock", "1\n");
    light("input3::scrolllock", "0\n");
    light("input7::capslock", "1\n");  // a second keyboard
    EXPECT_EQ(platform::ReadKeyLockStates(home.Path()), (KeyLockStates{true, true, false}));
    EXPECT_EQ(platform::ReadKeyLockStates(home.File("missing/")), std::nullopt);
}
