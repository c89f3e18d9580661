#include "platform/keyboard_locks.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <string_view>

namespace scx::platform {
namespace {

// Linux names a keyboard's lights "<device>::capslock" and so on; brightness 0 is off.
bool LightIsOn(const std::string& lightFolder) {
    int fd = open((lightFolder + "/brightness").c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    char text[16] = {};
    ssize_t n = read(fd, text, sizeof text - 1);
    close(fd);
    return n > 0 && text[0] >= '1' && text[0] <= '9';
}

bool EndsWith(std::string_view name, std::string_view tail) {
    return name.size() >= tail.size() && name.substr(name.size() - tail.size()) == tail;
}

}  // namespace

std::optional<KeyLockStates> ReadKeyLockStates(const std::string& ledFolder) {
    DIR* dir = opendir(ledFolder.c_str());
    if (!dir) return std::nullopt;
    KeyLockStates states;
    bool found = false;
    std::string folder = ledFolder;
    if (folder.empty() || folder.back() != '/') folder += '/';
    while (dirent* entry = readdir(dir)) {
        std::string_view name = entry->d_name;
        bool* state = EndsWith(name, "::capslock")     ? &states.caps
                      : EndsWith(name, "::numlock")    ? &states.num
                      : EndsWith(name, "::scrolllock") ? &states.scroll
                                                       : nullptr;
        if (!state) continue;
        found = true;
        if (LightIsOn(folder + std::string(name))) *state = true;
    }
    closedir(dir);
    if (!found) return std::nullopt;
    return states;
}

}  // namespace scx::platform
