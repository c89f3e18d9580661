#pragma once
// Where the workstation finds the agent it starts. On Windows the program folder's executables
// are asked for their OriginalFilename; here programs carry no version resource, so the agent is
// the program folder's executable file named "scxagent".

#include <string>

namespace scx {

inline constexpr const char* kAgentProgramName = "scxagent";

// The agent's path in the program folder, or the empty text when no executable file of that
// name is there (the menu entry is then disabled).
std::string FindAgentProgram();

}  // namespace scx
