// Windows registry hive files: any bytes are opened through libhivex and walked (keys, values,
// the control-set mapping) or rejected, never crash.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <string>

#include "platform/registry/hive_registry.h"

namespace {

void Walk(const scx::reg::RegKey& key, int depth) {
    if (depth > 6) return;
    (void)key.Value("");
    (void)key.Value("Current");
    (void)key.SubKeyCount();
    int n = 0;
    for (const auto& name : key.SubKeyNames()) {
        if (++n > 16) break;
        if (auto child = key.OpenChild(name)) Walk(*child, depth + 1);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static int fd = memfd_create("hive", 0);
    if (fd < 0) return 0;
    if (ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != static_cast<ssize_t>(size)) return 0;
    std::string path = "/proc/self/fd/" + std::to_string(fd);
    std::string error;
    auto registry = scx::reg::OpenHiveRegistry({path, path, path}, &error);
    if (registry) {
        if (auto root = registry->Root(scx::reg::RegRoot::LocalMachine)) Walk(*root, 0);
        if (auto user = registry->Root(scx::reg::RegRoot::CurrentUser)) Walk(*user, 0);
    }
    return 0;
}
