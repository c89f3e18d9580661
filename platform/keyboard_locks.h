#pragma once
// The states of the keyboard's lock keys (Caps Lock, Num Lock, Scroll Lock), which the
// workstation's status bar shows. Read from the keyboard lights the system keeps; a machine
// without such lights (a remote session, a container) reports none.

#include <optional>
#include <string>

namespace scx::platform {

struct KeyLockStates {
    bool caps = false;
    bool num = false;
    bool scroll = false;
    bool operator==(const KeyLockStates&) const = default;
};

// The lock states, a lock counting as on when any keyboard shows its light; none when no
// keyboard light is found. `ledFolder` is the system's folder of lights (tests give their own).
std::optional<KeyLockStates> ReadKeyLockStates(const std::string& ledFolder = "/sys/class/leds/");

}  // namespace scx::platform
