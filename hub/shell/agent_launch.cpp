#include "hub/shell/agent_launch.h"

#include <sys/stat.h>
#include <unistd.h>

#include "core/folders.h"
#include "platform/folders.h"

namespace scx {
namespace {

bool IsExecutableFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

}  // namespace

std::string FindAgentProgram() {
    for (const std::string& folder : {platform::ExecutableFolder(), GetProgramFolder()}) {
        std::string path = folder + kAgentProgramName;
        if (IsExecutableFile(path)) return path;
    }
    return {};
}

std::string FallbackAgentPath() { return platform::ExecutableFolder() + kAgentProgramName; }

}  // namespace scx
