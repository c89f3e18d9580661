#include "hub/shell/agent_launch.h"

#include <sys/stat.h>
#include <unistd.h>

#include "core/folders.h"

namespace scx {

std::string FindAgentProgram() {
    std::string path = GetProgramFolder() + kAgentProgramName;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || ::access(path.c_str(), X_OK) != 0) return {};
    return path;
}

}  // namespace scx
